#include "net/ReplyHeader.h"

#include <gtest/gtest.h>

namespace lookout {
namespace {

TEST(ReplyHeader, StatusCodeIsTheSecondFieldOrZero) {
    const std::pair<std::string, int> cases[] = {
        {"HTTP/1.0 200 OK\r\n", 200},
        {"HTTP/1.1 404 Not Found\r\n", 404},
        {"HTTP/1.0 302 Found", 302},
        {"HTTP/1.0 200\r\n", 0},  // the line ending is part of field 2
        {"HTTP/1.0  200 OK\r\n", 0},
        {"garbage\r\n", 0},
        {"HTTP/1.0 70000 Big\r\n", 4464},  // wraps like the 16-bit field
    };
    for (const auto& [line, code] : cases) {
        SCOPED_TRACE(line);
        EXPECT_EQ(StatusCodeOf(line), code);
    }
}

TEST(ReplyHeader, LocationValue) {
    const std::string longTarget(300, 'u');
    const std::pair<std::string, std::optional<std::string>> cases[] = {
        {"Location: http://h2:81/y\r\n", "http://h2:81/y"},
        {"LOCATION: /y\n", "/y"},
        {"location:  /y\r\n", " /y"},  // taken from a fixed position
        {"Location: \r\n", ""},
        {"Location: " + longTarget + "\r\n", longTarget.substr(0, 256)},
        {"Location:/y\r\n", std::nullopt},
        {"Content-Location: /y\r\n", std::nullopt},
        {"Server: x\r\n", std::nullopt},
    };
    for (const auto& [line, target] : cases) {
        SCOPED_TRACE(line);
        EXPECT_EQ(LocationOf(line), target);
    }
}

TEST(ReplyHeader, OnlyABareLineEndEndsTheHeader) {
    EXPECT_TRUE(IsHeaderEnd("\r\n"));
    EXPECT_TRUE(IsHeaderEnd("\n"));
    EXPECT_FALSE(IsHeaderEnd("\r"));
    EXPECT_FALSE(IsHeaderEnd(" \r\n"));
    EXPECT_FALSE(IsHeaderEnd("X: y\r\n"));
}

}  // namespace
}  // namespace lookout
