// Moving bytes: the readiness handlers, Write, ReadLn and CaptureString.
#include <algorithm>

#include "net/SockClient.h"

namespace lookout {

namespace {
constexpr std::size_t kBlock = 16383;  // most bytes per send or recv
constexpr std::size_t kMaxWrite = 16384;
}  // namespace

void TSockClient::UpdateWatch() {
    unsigned wanted = 0;
    if (fd_ != kNoSocket) {
        if (connecting_ || !send_.empty()) wanted |= kWritable;
        // A full receive buffer is left in the kernel until it is drained.
        if (connected_ && recv_.size() < kMaxReceive) wanted |= kReadable;
    }
    if (wanted == watched_) return;
    watch_ = wanted == 0 ? SocketWatch() : pump_.Watch(fd_, wanted, [this](unsigned ready) { OnReady(ready); });
    watched_ = wanted;
}

void TSockClient::OnReady(unsigned ready) {
    // A hook that raises here must not end the wait that is on the stack:
    // its failure is dropped, as the state it reports is already recorded.
    try {
        if (connecting_) FinishConnect();
        if ((ready & kWritable) && fd_ != kNoSocket && !connecting_ && noError_) HandleWritable();
        if ((ready & kReadable) && connected_) HandleReadable();
    } catch (const Exception&) {
    }
}

void TSockClient::HandleWritable() {
    Report(kReportStep, "WriteFromStream");
    if (!send_.empty() && !cancelled_) {
        const auto sent = ::send(fd_, send_.data(), static_cast<int>(std::min(send_.size(), kBlock)), kSendFlags);
        if (sent >= 0) {
            send_.erase(0, static_cast<std::size_t>(sent));
            if (send_.empty()) sendComplete_ = true;
            Progress();
        } else if (const int error = LastSocketError(); error != kWouldBlock && error != kInterrupted) {
            sendError_ = error;
        }
    }
    UpdateWatch();
}

void TSockClient::HandleReadable() {
    Report(kReportStep, "ReadToStream");
    char block[kBlock + 1];
    // The bytes before the TLS session starts are its own: they stay queued.
    if (UseTls && !tls_) return;
    const auto got = ::recv(fd_, block, static_cast<int>(kBlock), 0);
    const int error = got < 0 ? LastSocketError() : 0;
    if (got > 0) {
        if (!tls_) {
            recv_.append(block, static_cast<std::size_t>(got));
        } else if (!TlsReceived({block, static_cast<std::size_t>(got)})) {
            connected_ = false;
            UpdateWatch();
            CallHook(OnDisconnect, *this);
            return;
        }
        Progress();
    } else if (got < 0 && (error == kWouldBlock || error == kInterrupted)) {
        return;
    } else {
        // The peer's close, or a reset: either ends the connection, but only
        // the close ends a reply.
        if (got < 0) receiveError_ = error;
        if (tls_ && !tls_->PeerClosed()) truncated_ = true;
        connected_ = false;
        UpdateWatch();
        CallHook(OnDisconnect, *this);
        return;
    }
    UpdateWatch();
}

bool TSockClient::TlsReceived(std::string_view bytes) {
    try {
        if (!tlsHeard_ && !OpensTlsRecord(static_cast<unsigned char>(bytes.front())))
            throw TlsError(tls_texts::kNotTls, "");
        tlsHeard_ = true;
        tls_->Received(bytes);
        if (!tlsReady_ && (tlsReady_ = tls_->Handshake())) {
            certificateExpires_ = tls_->EarliestExpiry();
            tlsResumed_ = tls_->Resumed();
        }
        if (tlsReady_) tls_->Read(recv_);
    } catch (const ESockError& failure) {
        tlsFailure_ = failure.Message();
    }
    QueueTlsOutgoing();
    // close_notify ends the data as a close would.
    return tlsFailure_.empty() && !tls_->PeerClosed();
}

void TSockClient::QueueTlsOutgoing() {
    send_ += tls_->TakeOutgoing();
    if (!send_.empty()) sendComplete_ = false;
    UpdateWatch();
}

std::size_t TSockClient::FindLf() {
    const std::size_t lf = recv_.find('\n', lfScanned_);
    lfScanned_ = lf == std::string::npos ? recv_.size() : lf;
    return lf;
}

void TSockClient::Write(std::string_view text) {
    Report(kReportStep, "Write");
    text = text.substr(0, std::min(text.find('\0'), kMaxWrite));
    if (cancelled_) throw EAbortError("Socket write aborted");
    Report(kReportSocket, "Sending Buffer");
    if (tls_) {
        tls_->Send(text);
        send_ += tls_->TakeOutgoing();
    } else {
        send_.append(text);
    }
    sendComplete_ = send_.empty();
    sendError_ = 0;
    LimitPauses(true);
    HandleWritable();
    WaitUntil([this] { return sendComplete_ || sendError_ != 0 || cancelled_ || timedOut_ || overdue_; });
    LimitPauses(false);
    if (cancelled_) throw EAbortError("Socket write aborted");
    if (sendComplete_) return;
    if (sendError_ != 0) RaiseError(sendError_);
    RaiseTimedOut("Send Timed Out");
}

void TSockClient::ReadLn(std::string& line) {
    Report(kReportStep, "ReadLn");
    LimitPauses(true);
    WaitUntil([this] {
        return cancelled_ || timedOut_ || overdue_ || FindLf() != std::string::npos || !connected_ ||
               recv_.size() >= kMaxReceive;
    });
    LimitPauses(false);
    if (cancelled_) throw EAbortError("Socket readln aborted");
    if (ReceiveFailed()) RaiseReceiveError();
    const std::size_t lf = FindLf();
    if (lf == std::string::npos) {
        if (!connected_) throw ESockError("Connection Closed Before Line End");
        if (recv_.size() >= kMaxReceive) throw ESockError("Line Too Long");
        RaiseTimedOut("Receive Timed Out");
    }
    line.assign(recv_, 0, lf + 1);
    recv_.erase(0, lf + 1);
    lfScanned_ = 0;
    UpdateWatch();
}

void TSockClient::CaptureString(std::string& text, long limit) {
    text.clear();
    Report(kReportStep, "Capture String");
    LimitPauses(true);
    auto life = alive_;
    const auto wanted = [&] { return limit < 0 || text.size() < static_cast<std::size_t>(limit); };
    // Bytes already received are taken before a time limit is looked at.
    try {
        while (!cancelled_ && !ReceiveFailed() && wanted()) {
            if (!recv_.empty()) {
                if (text.size() + recv_.size() > kMaxReceive) throw ESockError("Body Too Large");
                text += recv_;
                recv_.clear();
                lfScanned_ = 0;
                UpdateWatch();
            } else if (!connected_ || timedOut_ || overdue_) {
                break;
            } else {
                PumpOnce();
            }
        }
    } catch (...) {
        if (*life) LimitPauses(false);
        throw;
    }
    LimitPauses(false);
    if (cancelled_) {
        cancelled_ = false;
        throw EAbortError("Socket capture aborted");
    }
    if (ReceiveFailed()) RaiseReceiveError();
    if (connected_ && wanted()) RaiseTimedOut("Receive Timed Out");
}

void TSockClient::RaiseReceiveError() const {
    if (!tlsFailure_.empty()) throw ESockError(tlsFailure_);
    throw ESockError(receiveError_ == kConnectionReset ? "Connection Reset" : "Receive Failed");
}

}  // namespace lookout
