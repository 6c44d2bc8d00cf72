#include "demo/FaultTable.h"

#include <algorithm>
#include <array>

namespace lookout::demo {

namespace {

struct ModeName {
    FaultMode mode;
    std::string_view name;
    std::string_view help;
};

constexpr std::array<ModeName, 17> kNames = {{
    {FaultMode::Normal, "normal", "no fault: the plain service"},
    {FaultMode::Slow, "slow", "the normal reply after ms (default 3000)"},
    {FaultMode::Silent, "silent", "reads the request, never answers"},
    {FaultMode::Reset, "reset", "resets the connection at once"},
    {FaultMode::EarlyClose, "early-close", "closes in the middle of the status line"},
    {FaultMode::NotFound, "notfound", "404 with a small HTML body"},
    {FaultMode::Redirect, "redirect", "302 to to=URL, by default the same path again: a loop"},
    {FaultMode::Garbage, "garbage", "random bytes instead of a reply"},
    {FaultMode::Empty, "empty", "200 with an empty body"},
    {FaultMode::Trickle, "trickle", "the normal reply one byte every ms (default 1000)"},
    {FaultMode::Endless, "endless", "a body that never ends"},
    {FaultMode::Huge, "huge", "a 100 MB body"},
    {FaultMode::NoHeaderEnd, "noheaderend", "header lines forever, never the empty line"},
    {FaultMode::Nuls, "nuls", "NUL bytes sprinkled into the page"},
    {FaultMode::BadEuc, "badeuc", "invalid EUC-JP in the address page"},
    {FaultMode::ManyLines, "manylines", "every page padded to 10,000 lines"},
    {FaultMode::Refused, "refused", "refuses connections for ms (default 1000), on every path"},
}};

std::string DescribeOne(std::string_view where, const Fault& fault) {
    std::string line = std::string(where) + " " + std::string(FaultName(fault.mode));
    if (fault.mode == FaultMode::Slow || fault.mode == FaultMode::Trickle)
        line += " ms=" + std::to_string(fault.pause.count());
    if (fault.mode == FaultMode::Redirect && !fault.redirectTo.empty()) line += " to=" + fault.redirectTo;
    return line + "\r\n";
}

}  // namespace

std::string_view FaultName(FaultMode mode) {
    for (const auto& m : kNames)
        if (m.mode == mode) return m.name;
    return "?";
}

std::chrono::milliseconds DefaultPause(FaultMode mode) {
    return std::chrono::milliseconds(mode == FaultMode::Slow ? 3000 : 1000);
}

std::optional<FaultMode> FaultByName(std::string_view name) {
    for (const auto& m : kNames)
        if (m.name == name) return m.mode;
    return std::nullopt;
}

std::string FaultModesHelp() {
    std::string text;
    for (const auto& m : kNames) {
        std::string line = "  " + std::string(m.name);
        line.resize(std::max<std::size_t>(line.size() + 1, 16), ' ');
        text += line + std::string(m.help) + "\n";
    }
    return text;
}

void FaultTable::SetAll(Fault fault) {
    all_ = std::move(fault);
    bySuffix_.clear();
}

void FaultTable::SetFor(std::string suffix, Fault fault) {
    std::erase_if(bySuffix_, [&](const auto& entry) { return entry.first == suffix; });
    if (fault.mode != FaultMode::Normal) bySuffix_.emplace_back(std::move(suffix), std::move(fault));
}

const Fault& FaultTable::For(std::string_view path) const {
    const Fault* best = &all_;
    std::size_t bestLength = 0;
    for (const auto& [suffix, fault] : bySuffix_) {
        if (path.ends_with(suffix) && (best == &all_ || suffix.size() > bestLength)) {
            best = &fault;
            bestLength = suffix.size();
        }
    }
    return *best;
}

std::string FaultTable::Describe() const {
    std::string text = DescribeOne("*", all_);
    for (const auto& [suffix, fault] : bySuffix_) text += DescribeOne(suffix, fault);
    return text;
}

}  // namespace lookout::demo
