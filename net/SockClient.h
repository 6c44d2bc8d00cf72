#pragma once
// One TCP client socket, non-blocking, whose every wait runs the Pump: host
// lookup (c-ares; a dotted IPv4 address needs none), connect, send, line and
// stream reading, each bounded, with progress texts reported by level.
//
// Waits and destruction: hooks and other event-loop callbacks run inside the
// waits. A client destroyed from one of its own hooks, or from any callback
// inside one of its waits, makes the operation on the stack raise EAbortError
// "Socket destroyed" once that call returns; the unwinding frames of the
// client touch nothing of it. The Pump must outlive every client on it.
//
// Time limits: TimeOut bounds the lookup and the connect, and every pause
// while sending or reading (each byte moved starts it again). A pause limit
// that ran out while a callback held the wait never beats what arrived
// meanwhile: a complete line, the body's bytes or the peer's close count
// first. A deadline (StartDeadline) bounds a whole run of operations.
//
// TLS: with UseTls the connect includes the handshake, under the same limit,
// and every byte sent or read passes through the session; what the reads
// return is the decrypted data.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "net/Resolver.h"
#include "net/SockErrors.h"
#include "net/TlsSession.h"
#include "platform/Pump.h"
#include "platform/Socket.h"
#include "platform/Timer.h"

namespace lookout {

class TSockClient {
public:
    // Most a reply may put in the receive buffer, in one line or one body.
    static constexpr std::size_t kMaxReceive = 16u << 20;
    static constexpr std::size_t kMaxHostName = 127;
    // The levels of the status texts: a text reaches OnStatus when
    // ReportLevel is at least its level.
    static constexpr int kReportOutcome = 2;      // how a transaction ended
    static constexpr int kReportSocket = 4;       // the socket's own steps: sending, closing
    static constexpr int kReportStep = 8;         // each call, lookup, connect and timer step
    static constexpr int kReportErrorCheck = 16;  // each look at an error code

    // Raises ESockError "Initializaton of windows sockets failed" when the
    // resolver or the first socket cannot be had.
    explicit TSockClient(Pump& pump);
    virtual ~TSockClient();
    TSockClient(const TSockClient&) = delete;
    TSockClient& operator=(const TSockClient&) = delete;

    std::string Host;     // name or dotted IPv4 address
    int Port = 0;         // the low 16 bits are used
    int TimeOut = 0;      // ms for the lookup, the connect, and any pause while sending or reading; 0: none
    int ReportLevel = 1;  // status texts of this level or lower go to OnStatus
    std::int16_t StatusCode = 0;
    bool UseTls = false;  // the next Connect speaks TLS to Host

    std::function<void(TSockClient&)> OnConnect;
    std::function<void(TSockClient&)> OnDisconnect;
    std::function<void(TSockClient&)> OnConnectionFailed;
    std::function<void(TSockClient&)> OnHostResolved;
    // Set handled to have the lookup tried once more (after correcting Host).
    std::function<void(bool& handled)> OnInvalidHost;
    std::function<void(TSockClient&, const std::string& status)> OnStatus;

    virtual void Connect();
    // Closes the connection and prepares a fresh socket for the next one.
    virtual void Disconnect();
    // Sends text (at most 16384 characters, a NUL ends it) and returns when
    // all of it is handed to the system.
    void Write(std::string_view text);
    // The next received line, up to and including its LF.
    void ReadLn(std::string& line);
    // limit < 0: everything up to the peer's close; otherwise until text is at
    // least limit long.
    void CaptureString(std::string& text, long limit);
    // Ends the wait in progress (it raises); the client stays usable.
    void Cancel();
    // Runs when a time limit ends a wait; THttpClient's also cancels.
    virtual void Abort() {}

    bool Connected() const { return connected_; }
    const std::string& LastStatus() const { return lastStatus_; }
    // The connection speaks TLS and the peer closed it without close_notify.
    bool Truncated() const { return truncated_; }
    // The earliest notAfter of the TLS peer's chain, seconds since 1970.
    std::optional<std::int64_t> CertificateExpires() const { return certificateExpires_; }
    // The last TLS handshake resumed an earlier session.
    bool TlsResumed() const { return tlsResumed_; }
    // Name servers for the lookups instead of the system's, "addr:port,...".
    void SetResolverServers(const std::string& csv) { resolver_->SetServers(csv); }

protected:
    void Report(int level, std::string_view text);
    // A copy of this is false once the client is gone.
    std::shared_ptr<const bool> Life() const { return alive_; }
    // Calls a hook if assigned; raises EAbortError "Socket destroyed" when the
    // hook destroyed the client.
    template <class Hook, class... Args>
    void CallHook(const Hook& hook, Args&&... args) {
        if (!hook) return;
        auto life = alive_;
        const Hook running = hook;  // the member goes with the client
        running(std::forward<Args>(args)...);
        RaiseIfGone(*life);
    }
    static void RaiseIfGone(bool alive) {
        if (!alive) throw EAbortError("Socket destroyed");
    }
    // From now on every wait that has not reached its goal within ms (0: no
    // limit) fails with ESockError "Request Timed Out", until StopDeadline.
    void StartDeadline(int ms);
    void StopDeadline();
    bool lookupFinished_ = false;

private:
    static constexpr const char* kRequestTimedOut = "Request Timed Out";

    template <class Done>
    void WaitUntil(Done done) {
        while (!done()) PumpOnce();
    }
    void PumpOnce();

    bool OpenSocket(bool first);
    void CloseSocket(bool replace);
    // Closes without reports or hooks, buffers included; the close's error or 0.
    int DropSocket();
    void UpdateWatch();
    void OnReady(unsigned ready);
    void FinishConnect();
    // The outcome of a connect: 0 or the error code.
    void ConnectDone(int error);
    void HandleWritable();
    void HandleReadable();
    void StartTls();
    // The bytes received through the TLS session; false when it failed or
    // the peer ended it.
    bool TlsReceived(std::string_view bytes);
    void QueueTlsOutgoing();
    std::size_t FindLf();

    bool ResolveHost();
    void ResolveWithRetries();
    void StartConnect();
    void TimerOn();
    void TimerOff();
    void TimerTriggered();
    void LimitPauses(bool on);
    void Progress();
    [[noreturn]] void RaiseError(int code);
    bool ReceiveFailed() const { return receiveError_ != 0 || !tlsFailure_.empty(); }
    [[noreturn]] void RaiseReceiveError() const;
    // The deadline's failure if it has passed, else the pause limit's.
    [[noreturn]] void RaiseTimedOut(const char* pauseText) const;

    Pump& pump_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    SocketLibrary sockets_;  // before the resolver and the socket, after both
    std::unique_ptr<Resolver> resolver_;
    TTimer timer_;     // the time-out timer
    TTimer deadline_;  // the bound on a whole request

    SocketHandle fd_ = kNoSocket;
    bool fresh_ = false;    // the socket has never been used for a connect
    unsigned watched_ = 0;  // what watch_ waits for
    SocketWatch watch_;
    std::uint32_t remote_ = 0;  // IPv4, network order

    bool connecting_ = false;
    bool connected_ = false;
    bool cancelled_ = false;
    bool timedOut_ = false;  // the lookup or connect limit ran out, or a pause lasts TimeOut
    bool overdue_ = false;   // the deadline has passed
    bool noError_ = true;
    bool sendComplete_ = true;
    bool limitingPauses_ = false;
    int sendError_ = 0;
    int receiveError_ = 0;  // of the reading that ended the connection

    std::unique_ptr<TlsSession> tls_;
    bool tlsReady_ = false;  // the handshake is done
    bool tlsHeard_ = false;  // the peer has sent its first byte
    std::optional<std::int64_t> certificateExpires_;
    bool tlsResumed_ = false;
    bool truncated_ = false;
    std::string tlsFailure_;  // the message of the session's failure

    std::string send_;
    std::string recv_;
    std::size_t lfScanned_ = 0;  // bytes of recv_ known to hold no LF
    std::string lastStatus_;
};

}  // namespace lookout
