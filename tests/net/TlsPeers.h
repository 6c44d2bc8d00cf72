#pragma once
// TLS peers for the tests: the test CA made at test time by the openssl
// command (and trusted through SSL_CERT_FILE), `openssl s_server` serving
// whole HTTP replies from files, and a relay on the client's pump that cuts
// the server's bytes into random pieces and can drop its alert records; and
// nginx as a TLS front of the demo service.
#include <sys/types.h>

#include <random>
#include <string>
#include <vector>

#include "platform/Pump.h"
#include "platform/Socket.h"
#include "tests/support/TempDir.h"

namespace lookout::test {

// The folder of the test CA's certificates (see make-test-ca.sh), made once
// per process; SSL_CERT_FILE names its CA from then on.
const std::string& TestCaDir();

class SServer {
public:
    // Serves each file of `files` (name, whole HTTP reply) at "/name" to one
    // connection after another with the certificate `leaf` of TestCaDir();
    // `extra` are further s_server options.
    SServer(const std::string& leaf, const std::vector<std::pair<std::string, std::string>>& files,
            const std::vector<std::string>& extra = {});
    ~SServer();
    SServer(const SServer&) = delete;
    SServer& operator=(const SServer&) = delete;
    int Port() const { return port_; }

private:
    TempDir dir_{"lookout-sserver"};
    pid_t pid_ = -1;
    int port_ = 0;
};

// nginx in front of a plain HTTP service on 127.0.0.1:port, speaking TLS
// with the test CA's localhost certificate, listening once constructed.
class NginxFront {
public:
    explicit NginxFront(int port);
    ~NginxFront();
    NginxFront(const NginxFront&) = delete;
    NginxFront& operator=(const NginxFront&) = delete;
    // "https://localhost:PORT/", the form SERVER.INI's base URL lines take.
    std::string BaseUrl() const { return "https://localhost:" + std::to_string(port_) + "/"; }
    int Port() const { return port_; }

private:
    TempDir dir_{"lookout-nginx"};
    pid_t pid_ = -1;
    int port_ = 0;
};

// One connection at a time from a loopback port of its own to `port`.
class Relay {
public:
    Relay(Pump& pump, int port, bool dropAlerts, std::mt19937& rng);
    ~Relay();
    int Port() const { return port_; }

private:
    struct Side {
        SocketHandle fd = kNoSocket;
        SocketWatch watch;
        std::string out;     // to send to this side
        bool ended = false;  // this side closed its sending
    };
    void Accept();
    void Watch(Side& side, Side& other, bool fromServer);
    void Move(Side& from, Side& to, bool fromServer);
    void Flush(Side& side);
    void Close();

    SocketLibrary sockets_;
    Pump& pump_;
    int target_;
    bool dropAlerts_;
    std::mt19937& rng_;
    SocketHandle listener_ = kNoSocket;
    SocketWatch listenerWatch_;
    int port_ = 0;
    Side client_, server_;
    std::string records_;  // the server's bytes not yet a whole record
};

}  // namespace lookout::test
