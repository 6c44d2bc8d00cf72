#include "companion/ServerState.h"

#include "platform/DisplayText.h"

namespace lookout {

std::string ShownWord(const std::optional<std::string>& sjisWord) {
    if (!sjisWord) return "missing";
    if (sjisWord->empty()) return "\"\"";
    return SjisToUtf8(*sjisWord);
}

}  // namespace lookout
