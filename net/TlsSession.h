#pragma once
// One TLS client session driven through buffers: the socket's bytes go in,
// the bytes for the socket come out, and nothing here touches the socket or
// waits, so the transport keeps its own pump and time limits. The peer's
// certificate is verified against the system's trust store and the host
// name (a numeric host against the certificate's IP addresses, with no SNI).
// A later session to the same host and port resumes the last one, from
// memory only. The sides: posix/ (OpenSSL), windows/ (SChannel).
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "net/SockErrors.h"

namespace lookout {

// The failures of a TLS connection; the library's detail follows in brackets.
namespace tls_texts {
inline constexpr const char* kNotTrusted = "Certificate Not Trusted";
inline constexpr const char* kNameMismatch = "Certificate Name Mismatch";
inline constexpr const char* kExpired = "Certificate Expired";
inline constexpr const char* kNotTls = "Not A TLS Server";
inline constexpr const char* kHandshakeFailed = "TLS Handshake Failed";
inline constexpr const char* kTruncated = "TLS Connection Truncated";
inline constexpr const char* kDowngrade = "Redirect From HTTPS To HTTP Refused";
}  // namespace tls_texts

inline ESockError TlsError(const char* text, std::string_view detail) {
    return ESockError(detail.empty() ? std::string(text) : std::string(text) + " [" + std::string(detail) + "]");
}

// The first byte a TLS server sends opens a handshake or an alert record.
inline bool OpensTlsRecord(unsigned char first) { return first == 22 || first == 21; }

class TlsSession {
public:
    // The trust store is loaded by the first session of the process. Raises
    // ESockError when the library cannot be set up.
    static std::unique_ptr<TlsSession> Start(const std::string& host, int port);
    virtual ~TlsSession() = default;

    // Takes bytes the peer sent. Raises ESockError with one of the texts.
    virtual void Received(std::string_view bytes) = 0;
    // Goes on with the handshake on what was received; true once it is done.
    virtual bool Handshake() = 0;
    // After the handshake: appends the data decrypted so far to plain.
    virtual void Read(std::string& plain) = 0;
    virtual void Send(std::string_view plain) = 0;
    // The bytes to send to the peer; the queue is emptied.
    virtual std::string TakeOutgoing() = 0;
    // The peer ended its side with close_notify.
    virtual bool PeerClosed() const = 0;
    // Ends this side with close_notify (queued for TakeOutgoing), so that
    // the session stays resumable.
    virtual void Close() = 0;
    // The handshake resumed the last session to this host and port.
    virtual bool Resumed() const = 0;
    // The earliest notAfter of the peer's chain, seconds since 1970.
    virtual std::optional<std::int64_t> EarliestExpiry() const = 0;
};

}  // namespace lookout
