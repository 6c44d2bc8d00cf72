#pragma once
// Standard output as a person's terminal sees it.
namespace lookout {

// True when standard output is a terminal and NO_COLOR is not set (or empty),
// the convention for leaving terminal colour codes out.
bool ColourOnStdout();

// Has the console show standard output's bytes as UTF-8, as a Linux terminal
// does (Windows; elsewhere the terminal's own character set rules).
void ConsoleOutputAsUtf8();

}  // namespace lookout
