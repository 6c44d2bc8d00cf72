#pragma once
// Opening a URL or mail address with the desktop's opener. The opener is a
// function object so that tests can catch the target instead of launching.
#include <functional>
#include <string>

namespace lookout {

using ShellOpener = std::function<void(const std::string& target)>;

// Starts the desktop's opener with the target (Shift-JIS, as every text of
// the program) and does not wait for it: xdg-open, or the Windows shell's
// default action. Failures are not reported, as the callers want.
void OpenWithDesktop(const std::string& target);

}  // namespace lookout
