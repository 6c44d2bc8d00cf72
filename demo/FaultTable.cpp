#include "demo/FaultTable.h"

#include <algorithm>
#include <array>

namespace lookout::demo {

namespace {

constexpr std::array<std::pair<FaultMode, std::string_view>, 16> kNames = {{
    {FaultMode::Normal, "normal"},
    {FaultMode::Slow, "slow"},
    {FaultMode::Silent, "silent"},
    {FaultMode::Reset, "reset"},
    {FaultMode::EarlyClose, "early-close"},
    {FaultMode::NotFound, "notfound"},
    {FaultMode::Redirect, "redirect"},
    {FaultMode::Garbage, "garbage"},
    {FaultMode::Empty, "empty"},
    {FaultMode::Trickle, "trickle"},
    {FaultMode::Endless, "endless"},
    {FaultMode::Huge, "huge"},
    {FaultMode::NoHeaderEnd, "noheaderend"},
    {FaultMode::Nuls, "nuls"},
    {FaultMode::BadEuc, "badeuc"},
    {FaultMode::ManyLines, "manylines"},
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
    for (const auto& [m, name] : kNames)
        if (m == mode) return name;
    return "?";
}

std::chrono::milliseconds DefaultPause(FaultMode mode) {
    return std::chrono::milliseconds(mode == FaultMode::Slow ? 3000 : 1000);
}

std::optional<FaultMode> FaultByName(std::string_view name) {
    for (const auto& [m, n] : kNames)
        if (n == name) return m;
    return std::nullopt;
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
