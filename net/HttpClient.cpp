#include "net/HttpClient.h"

#include "net/ReplyHeader.h"
#include "net/RequestHeader.h"
#include "net/TlsSession.h"
#include "net/UrlSplit.h"

namespace lookout {

void THttpClient::Get(const std::string& url) {
    if (busy_) throw ESockError("Request In Progress");
    busy_ = true;
    StartDeadline(RequestTimeOut);
    const auto done = [this] {
        StopDeadline();
        busy_ = false;
    };
    auto life = Life();
    try {
        requestUrl_ = url;
        requestKind_ = kGet;
        RequestLoop();
    } catch (...) {
        if (*life) done();
        throw;
    }
    done();
}

void THttpClient::Abort() {
    lookupFinished_ = true;
    Cancel();
}

void THttpClient::SplitRequestUrl(bool redirected) {
    UrlTarget target = SplitUrl(requestUrl_, Host, Port, UseTls);
    // The user asked for TLS: nothing of this request goes out in clear.
    if (redirected && UseTls && !target.Tls) throw ESockError(tls_texts::kDowngrade);
    UseTls = target.Tls;
    Host = std::move(target.Host);
    Port = target.Port;
    requestPath_ = std::move(target.Path);
}

void THttpClient::SendRequest() {
    Write(RequestHeader.Text());
    requestKind_ = kGet;
}

void THttpClient::ReadReplyHeader() {
    Header.clear();
    std::string line;
    ReadLn(line);
    StatusCode = StatusCodeOf(line);
    Header += line;
    do {
        ReadLn(line);
        if (auto location = LocationOf(line)) requestUrl_ = std::move(*location);
        if (Header.size() + line.size() > kMaxReceive) throw ESockError("Header Too Large");
        Header += line;
    } while (!IsHeaderEnd(line));
}

void THttpClient::RequestLoop() {
    auto life = Life();
    for (int pass = 1;; ++pass) {
        SplitRequestUrl(pass > 1);
        BuildGetRequestHeader(RequestHeader, requestPath_);
        CallHook(OnAboutToSend, *this);
        Connect();  // a failure here leaves the socket as it was and sends nothing
        try {
            SendRequest();
            ReadReplyHeader();
            CaptureString(Body, -1);
            // Only a length the header announced tells a whole reply from
            // one cut short by a close without close_notify.
            const auto length = ContentLengthOf(Header);
            if (Truncated() && !(length && Body.size() >= *length))
                throw TlsError(tls_texts::kTruncated, "closed without close_notify");
            if (StatusCode < 300) {
                CallHook(OnSuccess, requestKind_);
                Report(kReportOutcome, "Transaction Completed");
            } else if (StatusCode >= 400) {
                CallHook(OnFailure, requestKind_);
            }
            Disconnect();
        } catch (...) {
            if (*life) Disconnect();
            throw;
        }
        const bool redirect = StatusCode >= 300 && StatusCode <= 399;
        if (redirect) {
            bool handled = false;
            CallHook(OnRedirect, handled);
            if (handled) return;
        }
        if (StatusCode == 401) CallHook(OnAuthenticationNeeded, *this);
        if (!redirect) return;
        // A looping chain, or a 3xx without Location, would go on for ever.
        if (pass == kMaxPasses) throw ESockError("Too Many Redirects");
    }
}

}  // namespace lookout
