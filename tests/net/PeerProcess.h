#pragma once
// What the TLS tests' peers need from the system: the test CA they serve
// with, and their processes. The peers (openssl s_server, nginx) are Linux
// programs; under Wine they are started on the Linux side too, through bash
// (windows/peer.sh), and the test CA is made and trusted before the test
// starts (windows/under-wine.sh).
#include <memory>
#include <string>
#include <vector>

namespace lookout::test {

// The folder of the test CA's certificates (see make-test-ca.sh), made once
// per process and trusted from then on: through SSL_CERT_FILE on Linux, and
// under Wine through the host's bundle as the test's own mount namespace
// shows it.
const std::string& TestCaDir();

// A program started in folder `dir` and taken as started once it has
// printed `ready` and a line end on the stream `stream`; its standard input
// stays open, and it ends with the object.
class PeerProcess {
public:
    enum class Stream { Out, Err };
    PeerProcess(const std::vector<std::string>& argv, const std::string& dir, Stream stream, const std::string& ready);
    ~PeerProcess();
    PeerProcess(const PeerProcess&) = delete;
    PeerProcess& operator=(const PeerProcess&) = delete;
    // What it has printed on that stream so far.
    const std::string& Text() const { return text_; }
    // Reads on until what it printed after `from` holds `text` and a line
    // end after it; raises when it ends first or stays silent for 10 s.
    const std::string& ReadUntil(const std::string& text, std::size_t from = 0);

private:
    struct Child;
    // Appends what it printed next to text_; false when it ended or stayed
    // silent for 10 s.
    bool ReadMore();

    std::unique_ptr<Child> child_;
    std::string text_;
    std::string name_;
};

}  // namespace lookout::test
