#include "companion/Table.h"

#include <vector>

#include "platform/DisplayText.h"

namespace lookout {

namespace {

constexpr std::size_t kColumns = 7;
constexpr const char* kNone = "-";

bool Wide(char32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF && c != 0x303F) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) ||
           (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

using Row = std::array<std::string, kColumns>;

const Row kHeader = {"SERVER", "STATE", "COUNTS", "REST", "PARTY", "GUILD", "ADDRESS"};

// The terminal's colour code around a state word the window colours.
std::string Coloured(ServerStatus status, const std::string& word) {
    const char* code = nullptr;
    switch (status) {
        case ServerStatus::Good: code = "32"; break;
        case ServerStatus::Down: code = "31"; break;
        case ServerStatus::Dead: code = "33"; break;
        case ServerStatus::Closed: code = "34"; break;
        case ServerStatus::Other:
        case ServerStatus::Missing: break;
    }
    return code ? std::string("\033[") + code + "m" + word + "\033[0m" : word;
}

Row RowOf(const ServerState& server, bool indicators) {
    std::string address = kNone;
    if (server.hint) address = SjisToUtf8(server.hint->substr(0, server.hint->find('\n')));
    return {std::string(server.key),
            ShownWord(server.state),
            SjisToUtf8(server.count1),
            SjisToUtf8(server.count2),
            indicators ? ShownWord(server.party) : kNone,
            indicators ? ShownWord(server.guild) : kNone,
            address};
}

}  // namespace

std::size_t TerminalWidth(std::string_view utf8) {
    std::size_t width = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t c = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (std::size_t k = 1; k < length && i + k < utf8.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        width += Wide(c) ? 2 : 1;
        i += length;
    }
    return width;
}

std::string FormatTable(const Servers& servers, bool partyRead, bool colour) {
    std::vector<Row> rows{kHeader};
    for (std::size_t slot = 0; slot < servers.size(); ++slot)
        rows.push_back(RowOf(servers[slot], partyRead && kSlots[slot].game));
    std::array<std::size_t, kColumns> widths{};
    for (const Row& row : rows) {
        for (std::size_t column = 0; column < kColumns; ++column)
            widths[column] = std::max(widths[column], TerminalWidth(row[column]));
    }
    std::string out;
    for (std::size_t line = 0; line < rows.size(); ++line) {
        const Row& row = rows[line];
        for (std::size_t column = 0; column < kColumns; ++column) {
            const bool state = column == 1 && line > 0;
            out += colour && state ? Coloured(servers[line - 1].status, row[column]) : row[column];
            if (column + 1 == kColumns) break;  // no padding at the end of a line
            out.append(widths[column] - TerminalWidth(row[column]) + 2, ' ');
        }
        out += '\n';
    }
    return out;
}

}  // namespace lookout
