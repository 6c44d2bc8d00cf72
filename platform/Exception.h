#pragma once
// The exception family every failure travels in. Messages are Shift-JIS text,
// shown to the user as they stand (converted only for display).
#include <exception>
#include <string>
#include <utility>

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

// A file that could not be opened, read or written.
class EFileError : public Exception {
public:
    using Exception::Exception;
};

}  // namespace lookout
