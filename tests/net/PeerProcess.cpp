#include "tests/net/PeerProcess.h"

#include <stdexcept>

namespace lookout::test {

const std::string& PeerProcess::ReadUntil(const std::string& text, std::size_t from) {
    for (std::size_t at; (at = text_.find(text, from)) == std::string::npos || text_.find('\n', at) == std::string::npos;)
        if (!ReadMore()) throw std::runtime_error(name_ + " did not print \"" + text + "\": " + text_);
    return text_;
}

}  // namespace lookout::test
