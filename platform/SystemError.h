#pragma once
// The system's own error codes and their texts: errno on POSIX systems,
// GetLastError's (and Winsock's, which share its table) on Windows. The
// implementations live in posix/ and windows/.
#include <string>

namespace lookout {

// The error of this thread's last failed system call.
int LastSystemError();

// The system's text for an error code, without a final full stop.
std::string SystemErrorText(int error);

}  // namespace lookout
