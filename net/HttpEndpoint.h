#pragma once
// A small HTTP/1.0 server on the pump, for a program that serves a few texts
// of its own: each connection sends one GET and reads the answer up to the
// close. No thread; the request's read is bounded, a client that sends
// nothing is dropped after a while and the connections are capped, so no
// client can hold up the rest of the program.
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "platform/HttpRequest.h"
#include "platform/Listener.h"
#include "platform/Pump.h"

namespace lookout {

struct HttpAnswer {
    int code = 200;
    std::string reason = "OK";
    std::string contentType = "text/plain; charset=utf-8";
    std::string body;
};

class HttpEndpoint {
public:
    using Route = std::function<HttpAnswer(const Request&)>;

    // route answers every GET. Raises Exception "cannot listen on
    // ADDRESS:PORT: reason".
    HttpEndpoint(Pump& pump, const sockaddr_in& address, Route route);
    ~HttpEndpoint();
    HttpEndpoint(const HttpEndpoint&) = delete;
    HttpEndpoint& operator=(const HttpEndpoint&) = delete;

    int Port() const { return listener_.Port(); }

private:
    struct Client;
    void Accept();
    // False once the client is done with and should be dropped.
    bool Serve(Client& client);
    bool Read(Client& client);
    bool Send(Client& client);
    void Answer(Client& client, const HttpAnswer& answer, std::string_view extra = {});
    void WatchClient(Client& client, unsigned wanted);
    // Drops the client after `time` unless a new limit comes first.
    void Limit(Client& client, std::chrono::milliseconds time);
    void Drop(SocketHandle fd);
    void WatchListener();

    Pump& pump_;
    Route route_;
    Listener listener_;
    SocketWatch listenerWatch_;
    bool listening_ = false;  // false while the connections are at their cap
    std::map<SocketHandle, std::unique_ptr<Client>> clients_;
};

}  // namespace lookout
