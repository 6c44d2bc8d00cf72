#include "platform/SystemError.h"

#include <cerrno>
#include <cstring>

namespace lookout {

int LastSystemError() { return errno; }

std::string SystemErrorText(int error) { return std::strerror(error); }

}  // namespace lookout
