#include "companion/JsonReport.h"

#include <cstdio>

#include "platform/DisplayText.h"

namespace lookout {

namespace {

// A JSON string of a Shift-JIS text.
std::string Quoted(const std::string& sjis) {
    std::string out = "\"";
    for (const char c : SjisToUtf8(sjis)) {
        switch (c) {
            case '"': out += "\\\""; break;
            case '\\': out += "\\\\"; break;
            case '\n': out += "\\n"; break;
            case '\r': out += "\\r"; break;
            case '\t': out += "\\t"; break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escape[8];
                    std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
                    out += escape;
                } else {
                    out += c;
                }
        }
    }
    return out + "\"";
}

std::string Quoted(const std::optional<std::string>& sjis) { return sjis ? Quoted(*sjis) : "null"; }

// A count field: a number when it is an integer, else its text; null for no line.
std::string CountField(const ServerState& server, const std::string& field) {
    if (server.status == ServerStatus::Missing) return "null";
    if (const auto number = IntegerField(field)) return std::to_string(*number);
    return Quoted(field);
}

std::string Colour(const std::optional<Rgb>& colour) {
    if (!colour) return "null";
    char text[16];
    std::snprintf(text, sizeof text, "\"#%02X%02X%02X\"", colour->r, colour->g, colour->b);
    return text;
}

}  // namespace

std::string JsonQuoted(const std::string& sjis) { return Quoted(sjis); }

std::string FormatJson(const Report& report) {
    std::string out = "{\"fetched\": " + Quoted(report.fetched) + ", \"source\": " + Quoted(report.sourceUrl) +
                      ", \"interval_s\": " + std::to_string(report.intervalSeconds) + ", \"servers\": [";
    const char* separator = "\n";
    for (const ServerState& server : report.servers) {
        out += separator;
        separator = ",\n";
        out += "  {\"key\": " + Quoted(std::string(server.key)) + ", \"state\": " + Quoted(server.state.value_or("missing")) +
               ", \"counts\": " + Quoted(server.count1) + ", \"users\": " + CountField(server, server.users) +
               ", \"capacity\": " + CountField(server, server.capacity) + ", \"rest\": " + Quoted(server.count2) +
               ", \"colour\": " + Colour(server.colour) + ", \"party\": " + Quoted(server.party) +
               ", \"guild\": " + Quoted(server.guild) + ", \"hint\": " + Quoted(server.hint) + "}";
    }
    return out + "\n]}\n";
}

}  // namespace lookout
