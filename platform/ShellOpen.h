#pragma once
// Opening a URL or mail address with the desktop's opener. The opener is a
// function object so that tests can catch the target instead of launching.
#include <functional>
#include <string>

namespace lookout {

using ShellOpener = std::function<void(const std::string& target)>;

// Starts xdg-open with the target and does not wait for it; failures are not
// reported, as the callers want.
void OpenWithDesktop(const std::string& target);

}  // namespace lookout
