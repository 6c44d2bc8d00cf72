#include "platform/Terminal.h"

#include <windows.h>

#include <cstdlib>

namespace lookout {

// A console shows colour codes once asked to read them as a terminal does.
bool ColourOnStdout() {
    const char* noColour = std::getenv("NO_COLOR");
    if (noColour && *noColour) return false;
    const HANDLE out = ::GetStdHandle(STD_OUTPUT_HANDLE);
    DWORD mode = 0;
    return ::GetConsoleMode(out, &mode) && ::SetConsoleMode(out, mode | ENABLE_VIRTUAL_TERMINAL_PROCESSING);
}

void ConsoleOutputAsUtf8() { ::SetConsoleOutputCP(CP_UTF8); }

}  // namespace lookout
