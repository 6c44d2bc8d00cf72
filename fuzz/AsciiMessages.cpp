// The framework's error texts for the fuzz build: clang cannot re-encode
// Japanese literals to Shift-JIS, and what the fuzzers check (no crash, no
// undefined behaviour, invariants) does not depend on the wording.
#include "platform/Messages.h"

namespace lookout::messages {

std::string FileCannotOpen(const std::string& path) { return "cannot open file " + path; }
std::string ListIndexOutOfBounds(int index) { return "list index out of bounds (" + std::to_string(index) + ")"; }
std::string NotAnInteger(const std::string& text) { return "'" + text + "' is not an integer"; }

}  // namespace lookout::messages
