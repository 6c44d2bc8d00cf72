// The socket's life: creation, lookup, connect with its time limit, close.
#include "net/SockClient.h"

namespace lookout {

TSockClient::TSockClient(Pump& pump) : pump_(pump), timer_(pump), deadline_(pump) {
    timer_.OnTimer = [this] {
        // Runs from the event loop inside a wait: a hook's failure is dropped
        // here, and a client destroyed by one is noticed by that wait.
        try {
            TimerTriggered();
        } catch (const Exception&) {
        }
    };
    deadline_.OnTimer = [this] {
        deadline_.SetEnabled(false);
        overdue_ = true;
    };
    try {
        resolver_ = std::make_unique<Resolver>(pump);
    } catch (const ESockError&) {
        throw ESockError("Initializaton of windows sockets failed");
    }
    if (!OpenSocket(true)) throw ESockError("Initializaton of windows sockets failed");
}

TSockClient::~TSockClient() {
    // Hooks belong to an owner that is going away too: none is called here.
    *alive_ = false;
    cancelled_ = true;
    DropSocket();
}

void TSockClient::Report(int level, std::string_view text) {
    if (ReportLevel < level) return;
    lastStatus_ = std::string(text);
    // The hook gets a copy: it may destroy the client, lastStatus_ with it.
    CallHook(OnStatus, *this, std::string(lastStatus_));
}

void TSockClient::PumpOnce() {
    auto life = alive_;
    pump_.WaitOnce();
    RaiseIfGone(*life);
}

int TSockClient::DropSocket() {
    connected_ = false;
    connecting_ = false;
    receiveError_ = 0;
    send_.clear();
    recv_.clear();
    lfScanned_ = 0;
    if (tls_ && tlsReady_ && tlsFailure_.empty() && fd_ != kNoSocket) {
        // close_notify keeps the session resumable; the one send that takes
        // it is all the peer gets, as nothing waits here.
        tls_->Close();
        const std::string last = tls_->TakeOutgoing();
        ::send(fd_, last.data(), static_cast<int>(last.size()), kSendFlags);
    }
    tls_.reset();
    tlsReady_ = false;
    tlsHeard_ = false;
    tlsFailure_.clear();
    if (fd_ == kNoSocket) return 0;
    watch_ = SocketWatch();
    watched_ = 0;
    const int result = lookout::CloseSocket(fd_);
    fd_ = kNoSocket;
    return result;
}

bool TSockClient::OpenSocket(bool first) {
    const SocketHandle fd = lookout::OpenSocket(SOCK_STREAM, first ? IPPROTO_TCP : 0);
    if (fd == kNoSocket) return false;
    // The first socket resets its connection when closed; later ones close normally.
    if (first) ResetOnClose(fd);
    fd_ = fd;
    fresh_ = true;
    return true;
}

void TSockClient::CloseSocket(bool replace) {
    Report(kReportSocket, "Request Close Socket");
    if (fd_ == kNoSocket) return;
    // The socket is released even when its close reports an error.
    if (const int error = DropSocket(); error != 0) RaiseError(error);
    CallHook(OnDisconnect, *this);
    if (replace) OpenSocket(false);  // a failure here is reported by the next Connect
}

void TSockClient::Disconnect() {
    Report(kReportStep, "Disconnecting");
    CloseSocket(true);
}

void TSockClient::RaiseError(int code) {
    Report(kReportErrorCheck, "Checking Error In Error Manager");
    const std::string text = "Unknown Error No. " + std::to_string(code);
    Report(kReportStep, "Looking Up Error Message" + text);
    throw ESockError(text);
}

void TSockClient::Cancel() {
    Report(kReportStep, "Canceling");
    cancelled_ = true;
}

void TSockClient::TimerOn() {
    Report(kReportStep, "Timer On");
    timedOut_ = false;
    timer_.SetInterval(TimeOut);
    timer_.Start();
}

void TSockClient::TimerOff() {
    Report(kReportStep, "Timer Off");
    timer_.SetEnabled(false);
}

void TSockClient::TimerTriggered() {
    if (limitingPauses_) {
        // The wait decides once it runs again: what arrived meanwhile wins.
        timer_.SetEnabled(false);
        timedOut_ = true;
        return;
    }
    TimerOff();
    timedOut_ = true;
    Abort();
    Report(kReportStep, "Timer Triggered");
}

// Sending and reading reuse the time-out timer as a limit on pauses: every
// byte moved starts its period again and takes back a time-out the wait has
// not acted on yet. Unlike the lookup and connect limits it reports nothing,
// so a normal transfer reads as before.
void TSockClient::LimitPauses(bool on) {
    limitingPauses_ = on;
    if (!on) {
        timer_.SetEnabled(false);
        return;
    }
    timedOut_ = false;
    timer_.SetInterval(TimeOut);
    timer_.Start();
}

void TSockClient::Progress() {
    if (!limitingPauses_) return;
    timedOut_ = false;
    timer_.Start();
}

void TSockClient::StartDeadline(int ms) {
    overdue_ = false;
    deadline_.SetInterval(ms);
    deadline_.Start();  // an interval of 0 arms nothing
}

void TSockClient::StopDeadline() {
    deadline_.SetEnabled(false);
    overdue_ = false;
}

void TSockClient::RaiseTimedOut(const char* pauseText) const {
    throw ESockError(overdue_ ? kRequestTimedOut : pauseText);
}

bool TSockClient::ResolveHost() {
    Report(kReportStep, "Resolve Host");
    if (ParseDottedAddress(Host, remote_)) return true;
    remote_ = 0;
    TimerOn();
    lookupFinished_ = false;
    bool answered = false;
    std::uint32_t found = 0;
    resolver_->Start(Host, [this, &answered, &found](bool ok, std::uint32_t address) {
        lookupFinished_ = true;
        answered = true;
        noError_ = ok;
        found = address;
    });
    auto life = alive_;
    try {
        WaitUntil([&] { return lookupFinished_ || timedOut_ || cancelled_ || overdue_; });
    } catch (...) {
        if (*life) resolver_->Abandon();  // else the resolver went with the client
        throw;
    }
    TimerOff();
    if (!answered) resolver_->Abandon();  // its late answer would land on this frame
    if (timedOut_) throw ESockError("Host Lookup Timed Out");
    if (cancelled_) throw ESockError("Host Lookup Canceled");
    if (!answered) throw ESockError(kRequestTimedOut);  // nothing else is left to have ended the wait
    if (!noError_) return false;  // "Host Lookup Failed" ends as "Null Remote Address"
    remote_ = found;
    CallHook(OnHostResolved, *this);
    return true;
}

void TSockClient::ResolveWithRetries() {
    if (Host.size() > kMaxHostName) throw ESockError("Host Name Too Long");
    for (int attempts = 0;; ++attempts) {
        if (ResolveHost() && remote_ != 0) return;
        if (attempts > 0 || !OnInvalidHost) throw ESockError("Null Remote Address");
        bool handled = false;
        CallHook(OnInvalidHost, handled);
        if (!handled) throw ESockError("Null Remote Address");
    }
}

void TSockClient::StartConnect() {
    const sockaddr_in address = Ipv4Address(remote_, Port & 0xFFFF);
    fresh_ = false;
    if (::connect(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) {
        ConnectDone(0);
    } else if (const int error = LastSocketError(); error == kConnectInProgress) {
        connecting_ = true;
        UpdateWatch();
    } else {
        ConnectDone(error);
    }
}

void TSockClient::FinishConnect() {
    connecting_ = false;
    int error = 0;
    SocketLength size = sizeof error;
    if (::getsockopt(fd_, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&error), &size) != 0)
        error = LastSocketError();
    ConnectDone(error);
}

void TSockClient::ConnectDone(int error) {
    if (error != 0) noError_ = false;
    connected_ = error == 0;
    UpdateWatch();  // before the hook, which may raise
    if (connected_) CallHook(OnConnect, *this);
}

void TSockClient::Connect() {
    cancelled_ = false;
    if (connected_) throw ESockError("Already connected");
    // A socket that has been through a connect (the peer closed it, or a
    // failure left it) is never connected again.
    if (fd_ != kNoSocket && !fresh_) DropSocket();
    if (fd_ == kNoSocket && !OpenSocket(false)) throw ESockError("Socket Creation Failed");
    ResolveWithRetries();

    Report(kReportStep, "Connecting");
    lookupFinished_ = false;
    noError_ = true;
    truncated_ = false;
    certificateExpires_.reset();
    tlsResumed_ = false;
    StartConnect();
    TimerOn();
    WaitUntil([this] { return connected_ || timedOut_ || cancelled_ || !noError_ || overdue_; });
    const bool reached = connected_;
    if (UseTls && connected_ && !timedOut_ && !cancelled_ && !overdue_) StartTls();
    TimerOff();
    if (connected_ && !timedOut_ && !cancelled_ && noError_ && (!UseTls || tlsReady_)) return;

    const std::string message = timedOut_              ? "Connection Timed Out"
                                : cancelled_           ? "Connection Canceled"
                                : !tlsFailure_.empty() ? tlsFailure_
                                : !noError_            ? "Connection Failed"
                                : reached && !overdue_
                                    ? TlsError(tls_texts::kHandshakeFailed, "closed by the peer").Message()
                                    : kRequestTimedOut;
    DropSocket();
    OpenSocket(false);  // a failure here is reported by the next Connect
    CallHook(OnConnectionFailed, *this);
    throw ESockError(message);
}

void TSockClient::StartTls() {
    try {
        tls_ = TlsSession::Start(Host, Port & 0xFFFF);
        tlsReady_ = tls_->Handshake();  // the first flight
    } catch (const ESockError& failure) {
        tlsFailure_ = failure.Message();
        return;
    }
    QueueTlsOutgoing();
    WaitUntil(
        [this] { return tlsReady_ || !tlsFailure_.empty() || !connected_ || timedOut_ || cancelled_ || overdue_; });
}

}  // namespace lookout
