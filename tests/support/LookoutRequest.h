#pragma once
// The request the program puts on the wire for a GET of path on host: the
// client's five lines with the main window's Host, User-Agent and Referer
// lines inserted at 1, 3 and 4.
#include <string>

namespace lookout::test {

inline std::string LookoutRequest(const std::string& path, const std::string& host) {
    return "GET " + path + " HTTP/1.0\r\n"
           "Host: " + host + "\r\n"
           "Accept: www/source, text/html, video/mpeg, image/jpeg, image/x-tiff\r\n"
           "User-Agent: Lookout 050504\r\n"
           "Referer: https://lookout-monitor.org/\r\n"
           "Accept: image/x-rgb, image/x-xbm, image/gif, */*, application/postscript\r\n"
           "Content-type: application/x-www-form-urlencoded\r\n"
           "\r\n";
}

}  // namespace lookout::test
