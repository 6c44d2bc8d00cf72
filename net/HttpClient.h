#pragma once
// A blocking HTTP/1.0 GET over TSockClient: Get(url) returns once the whole
// reply has been read up to the server's close, with the body in Body and
// the status line and header lines, as received, in Header. An https URL
// speaks TLS (see TSockClient); a redirect from it to http is refused, and a
// TLS reply the peer closed without close_notify fails as truncated unless
// its one Content-Length was fully received. An HTTP status never raises;
// every failure does (ESockError and its kin, Exception "Empty URL",
// EConvertError for a port that is not a number).
//
// RequestTimeOut bounds each Get as a whole, lookup to the last byte of the
// last redirect: past it the Get fails with ESockError "Request Timed Out".
//
// One request at a time: Get raises ESockError "Request In Progress" while
// another Get of this client is on the stack, in any phase. Cancel() (from a
// hook, timer or GUI event) makes the waiting Get raise. Destroying the
// client inside a Get (from any hook or event) makes that Get raise EAbortError "Socket destroyed"; the
// caller must then touch neither the client nor anything destroyed with it.
// An owner that closes during a fetch therefore calls Cancel() when Busy()
// and destroys the client (and itself) only after that Get has returned.
#include <cstdint>
#include <functional>
#include <string>

#include "net/SockClient.h"
#include "platform/StringList.h"

namespace lookout {

class THttpClient : public TSockClient {
public:
    static constexpr int kMaxPasses = 10;  // the first request and up to nine redirects

    explicit THttpClient(Pump& pump) : TSockClient(pump) {}

    int RequestTimeOut = 60000;  // ms for a whole Get; 0: no limit

    // The last reply's body; a request that fails before its body leaves the
    // previous one.
    std::string Body = "Default.htm";
    // The last reply's status line and header lines with their endings.
    std::string Header = "Head.txt";
    // Built anew for every pass; the about-to-send hook may edit it, and what
    // it holds then is sent, every line followed by CR LF.
    StringList RequestHeader;

    // Once per pass, after RequestHeader is built and before the lookup.
    std::function<void(THttpClient&)> OnAboutToSend;
    std::function<void(int requestKind)> OnSuccess;  // status below 300
    std::function<void(int requestKind)> OnFailure;  // status 400 and above
    // Before a redirect is followed; set handled to return this reply instead.
    std::function<void(bool& handled)> OnRedirect;
    std::function<void(THttpClient&)> OnAuthenticationNeeded;  // status 401

    virtual void Get(const std::string& url);
    bool Busy() const { return busy_; }
    void Abort() override;

private:
    static constexpr std::uint8_t kGet = 0;

    void RequestLoop();
    void SplitRequestUrl(bool redirected);
    void ReadReplyHeader();
    void SendRequest();

    std::string requestPath_;
    std::string requestUrl_;
    std::uint8_t requestKind_ = kGet;
    bool busy_ = false;
};

}  // namespace lookout
