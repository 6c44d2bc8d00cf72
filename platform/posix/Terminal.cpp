#include "platform/Terminal.h"

#include <unistd.h>

#include <cstdlib>

namespace lookout {

bool ColourOnStdout() {
    const char* noColour = std::getenv("NO_COLOR");
    return ::isatty(STDOUT_FILENO) == 1 && !(noColour && *noColour);
}

void ConsoleOutputAsUtf8() {}

}  // namespace lookout
