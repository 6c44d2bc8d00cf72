#pragma once
// TLS peers for the tests: `openssl s_server` serving whole HTTP replies
// from files with a certificate of the test CA, nginx as a TLS front of the
// demo service, and a relay on the client's pump that cuts the server's
// bytes into random pieces and can drop its alert records.
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "PeerProcess.h"
#include "platform/Listener.h"
#include "platform/Pump.h"
#include "platform/Socket.h"
#include "tests/support/TempDir.h"

namespace lookout::test {

class SServer {
public:
    // Serves each file of `files` (name, whole HTTP reply) at "/name" to one
    // connection after another with the certificate `leaf` of TestCaDir();
    // `extra` are further s_server options. With no files it runs in its
    // own mode: it prints what a client sends, and answers nothing.
    SServer(const std::string& leaf, const std::vector<std::pair<std::string, std::string>>& files,
            const std::vector<std::string>& extra = {});
    int Port() const { return port_; }
    // With no files: the request it was sent, from "GET " to its empty line.
    std::string Request();

private:
    TempDir dir_{"lookout-sserver"};
    PeerProcess process_;
    int port_ = 0;
};

// nginx in front of a plain HTTP service on 127.0.0.1:port, speaking TLS
// with the test CA's localhost certificate, listening once constructed.
class NginxFront {
public:
    explicit NginxFront(int port);
    // "https://localhost:PORT/", the form SERVER.INI's base URL lines take.
    std::string BaseUrl() const { return "https://localhost:" + std::to_string(port_) + "/"; }
    int Port() const { return port_; }

private:
    TempDir dir_{"lookout-nginx"};
    int port_ = 0;
    PeerProcess process_;
};

// One connection at a time from a loopback port of its own to `port`.
class Relay {
public:
    Relay(Pump& pump, int port, bool dropAlerts, std::mt19937& rng);
    ~Relay();
    int Port() const { return listener_.Port(); }

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

    Pump& pump_;
    int target_;
    bool dropAlerts_;
    std::mt19937& rng_;
    Listener listener_{0};
    SocketWatch listenerWatch_;
    Side client_, server_;
    std::string records_;  // the server's bytes not yet a whole record
};

}  // namespace lookout::test
