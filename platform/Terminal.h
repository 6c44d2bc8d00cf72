#pragma once
// Whether standard output goes to a person's terminal.
namespace lookout {

// True when standard output is a terminal and NO_COLOR is not set (or empty),
// the convention for leaving terminal colour codes out.
bool ColourOnStdout();

}  // namespace lookout
