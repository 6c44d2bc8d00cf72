#pragma once
// A text as a list of lines: the form SERVER.INI and every page are read in.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace lookout {

class StringList {
public:
    StringList() = default;
    explicit StringList(std::string_view text) { SetText(text); }

    // Splits at CR LF, a lone CR or a lone LF; a NUL ends the text; a final
    // line break adds no empty line; empty lines inside the text count.
    void SetText(std::string_view text);
    // Every line followed by CR LF, the last one included.
    std::string Text() const;

    std::size_t Count() const { return lines_.size(); }
    // Checked access: an index that names no line raises EListError with the
    // framework's list-index text.
    const std::string& At(std::size_t index) const;
    void Put(std::size_t index, std::string line);
    void Delete(std::size_t index);
    void Add(std::string line) { lines_.push_back(std::move(line)); }
    void Insert(std::size_t index, std::string line);
    void Clear() { lines_.clear(); }

    const std::vector<std::string>& Lines() const { return lines_; }

private:
    void CheckIndex(std::size_t index, std::size_t limit) const;
    std::vector<std::string> lines_;
};

// The split alone, for callers that keep no list.
std::vector<std::string> SplitLines(std::string_view text);

}  // namespace lookout
