#include "platform/DisplayText.h"

#include "platform/CharsetConverter.h"

namespace lookout {

std::string SjisToUtf8(std::string_view sjis) {
    // One descriptor for the process: they are costly to open, and the program
    // has one thread.
    static const CharsetConverter toUtf8("UTF-8", "CP932");
    return toUtf8.ConvertMarking(sjis, "\xEF\xBF\xBD");
}

}  // namespace lookout
