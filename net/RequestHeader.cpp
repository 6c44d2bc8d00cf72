#include "net/RequestHeader.h"

#include <string>

namespace lookout {

void BuildGetRequestHeader(StringList& lines, std::string_view path) {
    lines.Clear();
    lines.Add("GET " + std::string(path) + " HTTP/1.0");
    lines.Add("Accept: www/source, text/html, video/mpeg, image/jpeg, image/x-tiff");
    lines.Add("Accept: image/x-rgb, image/x-xbm, image/gif, */*, application/postscript");
    lines.Add("Content-type: application/x-www-form-urlencoded");
    lines.Add("");
}

}  // namespace lookout
