#pragma once
// The exception family every failure travels in. Messages are Shift-JIS text,
// shown to the user as they stand (converted only for display).
#include <exception>
#include <string>
#include <utility>

#include "platform/SystemError.h"

namespace lookout {

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const std::string& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

// A text that should have been an integer.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// A list read past its last line.
class EListError : public Exception {
public:
    using Exception::Exception;
};

// A file that could not be opened, read or written. Message() is the
// framework's text, which the error boxes show alone; what() adds the call
// that failed and the system's reason, for standard error.
class EFileError : public Exception {
public:
    // `error` is the system's code (errno, GetLastError).
    EFileError(std::string message, std::string call, int error)
        : Exception(std::move(message)),
          call_(std::move(call)),
          error_(error),
          described_(Message() + " (" + call_ + ": " + SystemErrorText(error) + ")") {}
    const std::string& Call() const noexcept { return call_; }
    int Error() const noexcept { return error_; }
    const char* what() const noexcept override { return described_.c_str(); }

private:
    std::string call_;
    int error_;
    std::string described_;
};

}  // namespace lookout
