#include "platform/StringList.h"

#include "platform/Exception.h"
#include "platform/Messages.h"

namespace lookout {

std::vector<std::string> SplitLines(std::string_view text) {
    const std::size_t nul = text.find('\0');
    if (nul != std::string_view::npos) text = text.substr(0, nul);

    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
    }
    return lines;
}

void StringList::SetText(std::string_view text) { lines_ = SplitLines(text); }

std::string StringList::Text() const {
    std::size_t size = 0;
    for (const auto& line : lines_) size += line.size() + 2;
    std::string text;
    text.reserve(size);
    for (const auto& line : lines_) {
        text += line;
        text += "\r\n";
    }
    return text;
}

void StringList::CheckIndex(std::size_t index, std::size_t limit) const {
    if (index >= limit) throw EListError(messages::ListIndexOutOfBounds(static_cast<int>(index)));
}

const std::string& StringList::At(std::size_t index) const {
    CheckIndex(index, lines_.size());
    return lines_[index];
}

void StringList::Put(std::size_t index, std::string line) {
    CheckIndex(index, lines_.size());
    lines_[index] = std::move(line);
}

void StringList::Delete(std::size_t index) {
    CheckIndex(index, lines_.size());
    lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(index));
}

void StringList::Insert(std::size_t index, std::string line) {
    CheckIndex(index, lines_.size() + 1);
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(index), std::move(line));
}

}  // namespace lookout
