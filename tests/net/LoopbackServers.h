#pragma once
// Scripted loopback peers for the network tests: an HTTP server that plays a
// reply in pieces, a DNS server, and listeners that refuse or never complete
// a connect. They run on the client's own pump, so a test is one thread.
#include <chrono>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "platform/Pump.h"
#include "platform/Socket.h"

namespace lookout::test {

struct Reply {
    std::vector<std::string> pieces;  // sent one per pump round
    bool close = true;                // close once everything is sent
    std::chrono::milliseconds delay{0};  // before the first piece
    std::chrono::milliseconds gap{0};    // between pieces
    bool reset = false;                  // the close resets the connection
    bool anyBytes = false;               // reply to the first bytes, as to a request it cannot read
};

// The text cut into pieces of 1 to maxPiece bytes.
std::vector<std::string> RandomPieces(const std::string& text, std::size_t maxPiece, std::mt19937& rng);
std::vector<std::string> BytePieces(const std::string& text);

class HttpServer {
public:
    // Connection n gets replies[n], the last one repeating; a reply starts
    // once the request's empty line has arrived.
    HttpServer(Pump& pump, std::vector<Reply> replies);
    ~HttpServer();
    int Port() const { return port_; }
    // The bytes each connection received, in accept order.
    const std::vector<std::string>& Requests() const { return requests_; }

private:
    struct Connection;
    void Accept();

    SocketLibrary sockets_;
    Pump& pump_;
    std::vector<Reply> replies_;
    SocketHandle listener_ = kNoSocket;
    SocketWatch listening_;
    int port_ = 0;
    std::vector<std::string> requests_;
    std::vector<std::unique_ptr<Connection>> connections_;
};

// Answers A queries for its names with their addresses and NXDOMAIN for the
// rest, after delay; a silent server answers nothing.
class DnsServer {
public:
    DnsServer(Pump& pump, std::map<std::string, std::string> names, bool silent = false,
              std::chrono::milliseconds delay = std::chrono::milliseconds(0));
    ~DnsServer();
    // For TSockClient::SetResolverServers.
    std::string Servers() const { return "127.0.0.1:" + std::to_string(port_); }

private:
    void Answer();
    SocketLibrary sockets_;
    Pump& pump_;
    std::map<std::string, std::string> names_;
    bool silent_;
    std::chrono::milliseconds delay_;
    SocketHandle fd_ = kNoSocket;
    SocketWatch watch_;
    int port_ = 0;
};

// A listener whose one-place backlog is already taken: a connect to it is
// never answered.
class FullListener {
public:
    FullListener();
    ~FullListener();
    int Port() const { return port_; }

private:
    SocketLibrary sockets_;
    SocketHandle listener_ = kNoSocket;
    SocketHandle filler_ = kNoSocket;
    int port_ = 0;
};

// Two connected non-blocking sockets, closed with the pair unless an end was
// handed on (set to kNoSocket).
struct ConnectedPair {
    ConnectedPair();
    ~ConnectedPair();
    ConnectedPair(const ConnectedPair&) = delete;
    ConnectedPair& operator=(const ConnectedPair&) = delete;
    SocketLibrary sockets;
    SocketHandle end[2] = {kNoSocket, kNoSocket};
};

// A port that is bound but not listening: a connect to it is refused.
class RefusingPort {
public:
    RefusingPort();
    ~RefusingPort();
    int Port() const { return port_; }

private:
    SocketLibrary sockets_;
    SocketHandle fd_ = kNoSocket;
    int port_ = 0;
};

}  // namespace lookout::test
