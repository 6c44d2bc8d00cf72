// The TLS session on OpenSSL 3, through two memory BIOs: OpenSSL never sees
// the socket, so it neither blocks nor waits on anything but our pump.
#include "net/TlsSession.h"

#include <algorithm>
#include <ctime>
#include <map>

#include "net/posix/OpenSsl.h"
#include "platform/Socket.h"

namespace lookout {

namespace {

namespace ssl = openssl;

struct SslDeleter {
    void operator()(SSL_CTX* ctx) const { ssl::Loaded().SSL_CTX_free(ctx); }
    void operator()(SSL* ssl) const { ssl::Loaded().SSL_free(ssl); }
    void operator()(SSL_SESSION* session) const { ssl::Loaded().SSL_SESSION_free(session); }
};
template <class T>
using SslPtr = std::unique_ptr<T, SslDeleter>;

// The last session per "host:port", kept in memory for resumption only.
std::map<std::string, SslPtr<SSL_SESSION>>& Sessions() {
    static std::map<std::string, SslPtr<SSL_SESSION>> sessions;
    return sessions;
}

// OpenSSL's reason for the last failure on this thread, and the queue emptied.
std::string LibraryReason() {
    std::string reason;
    while (const unsigned long code = ssl::Loaded().ERR_get_error()) {
        if (reason.empty()) {
            const char* text = ssl::Loaded().ERR_reason_error_string(code);
            reason = text ? text : "error " + std::to_string(code);
        }
    }
    return reason;
}

int KeepSession(SSL* ssl, SSL_SESSION* session) {
    const auto* key = static_cast<const std::string*>(ssl::Loaded().SSL_get_ex_data(ssl, 0));
    if (!key) return 0;
    Sessions()[*key].reset(session);
    return 1;  // the reference is ours now
}

// One context for the process, made at the first https use: the trust store
// is OpenSSL's default (SSL_CERT_FILE and SSL_CERT_DIR honoured).
SSL_CTX* Context() {
    static const SslPtr<SSL_CTX> context = [] {
        SslPtr<SSL_CTX> ctx(ssl::Loaded().SSL_CTX_new(ssl::Loaded().TLS_client_method()));
        if (!ctx || !ssl::Loaded().SSL_CTX_ctrl(ctx.get(), SSL_CTRL_SET_MIN_PROTO_VERSION, TLS1_2_VERSION, nullptr) ||
            !ssl::Loaded().SSL_CTX_set_default_verify_paths(ctx.get()))
            throw TlsError(tls_texts::kHandshakeFailed, LibraryReason());
        ssl::Loaded().SSL_CTX_set_verify(ctx.get(), SSL_VERIFY_PEER, nullptr);
        ssl::Loaded().SSL_CTX_ctrl(ctx.get(), SSL_CTRL_SET_SESS_CACHE_MODE, SSL_SESS_CACHE_CLIENT | SSL_SESS_CACHE_NO_INTERNAL_STORE, nullptr);
        ssl::Loaded().SSL_CTX_sess_set_new_cb(ctx.get(), KeepSession);
        return ctx;
    }();
    return context.get();
}

std::int64_t SecondsOf(const ASN1_TIME* time) {
    std::tm tm{};
    if (!ssl::Loaded().ASN1_TIME_to_tm(time, &tm)) return 0;
    return static_cast<std::int64_t>(timegm(&tm));
}

const char* TextOfVerifyResult(long result) {
    switch (result) {
        case X509_V_ERR_HOSTNAME_MISMATCH:
        case X509_V_ERR_IP_ADDRESS_MISMATCH: return tls_texts::kNameMismatch;
        case X509_V_ERR_CERT_HAS_EXPIRED:
        case X509_V_ERR_CERT_NOT_YET_VALID: return tls_texts::kExpired;
        default: return tls_texts::kNotTrusted;
    }
}

class OpenSslSession final : public TlsSession {
public:
    OpenSslSession(const std::string& host, int port) : key_(host + ":" + std::to_string(port)) {
        ssl_.reset(ssl::Loaded().SSL_new(Context()));
        BIO* in = ssl::Loaded().BIO_new(ssl::Loaded().BIO_s_mem());
        BIO* out = ssl::Loaded().BIO_new(ssl::Loaded().BIO_s_mem());
        if (!ssl_ || !in || !out) {
            ssl::Loaded().BIO_free(in);
            ssl::Loaded().BIO_free(out);
            throw TlsError(tls_texts::kHandshakeFailed, LibraryReason());
        }
        ssl::Loaded().SSL_set_bio(ssl_.get(), in, out);
        in_ = in;
        out_ = out;
        ssl::Loaded().SSL_set_ex_data(ssl_.get(), 0, &key_);
        std::uint32_t numeric = 0;
        X509_VERIFY_PARAM* param = ssl::Loaded().SSL_get0_param(ssl_.get());
        const bool named = !ParseDottedAddress(host, numeric);
        if (named ? !ssl::Loaded().SSL_ctrl(ssl_.get(), SSL_CTRL_SET_TLSEXT_HOSTNAME, TLSEXT_NAMETYPE_host_name, const_cast<char*>(host.c_str())) || !ssl::Loaded().SSL_set1_host(ssl_.get(), host.c_str())
                  : !ssl::Loaded().X509_VERIFY_PARAM_set1_ip_asc(param, host.c_str()))
            throw TlsError(tls_texts::kHandshakeFailed, LibraryReason());
        const auto kept = Sessions().find(key_);
        if (kept != Sessions().end()) ssl::Loaded().SSL_set_session(ssl_.get(), kept->second.get());
        ssl::Loaded().SSL_set_connect_state(ssl_.get());
    }

    void Received(std::string_view bytes) override {
        if (ssl::Loaded().BIO_write(in_, bytes.data(), static_cast<int>(bytes.size())) != static_cast<int>(bytes.size()))
            throw TlsError(tls_texts::kHandshakeFailed, LibraryReason());
    }

    bool Handshake() override {
        const int result = ssl::Loaded().SSL_do_handshake(ssl_.get());
        if (result == 1) return true;
        const int error = ssl::Loaded().SSL_get_error(ssl_.get(), result);
        if (error == SSL_ERROR_WANT_READ || error == SSL_ERROR_WANT_WRITE) return false;
        const long verified = ssl::Loaded().SSL_get_verify_result(ssl_.get());
        if (verified != X509_V_OK) {
            ssl::Loaded().ERR_clear_error();
            throw TlsError(TextOfVerifyResult(verified), ssl::Loaded().X509_verify_cert_error_string(verified));
        }
        throw TlsError(tls_texts::kHandshakeFailed, LibraryReason());
    }

    void Read(std::string& plain) override {
        char block[16384];
        for (;;) {
            std::size_t got = 0;
            if (ssl::Loaded().SSL_read_ex(ssl_.get(), block, sizeof block, &got) == 1) {
                plain.append(block, got);
                continue;
            }
            const int error = ssl::Loaded().SSL_get_error(ssl_.get(), 0);
            if (error == SSL_ERROR_WANT_READ || error == SSL_ERROR_WANT_WRITE) return;
            if (error == SSL_ERROR_ZERO_RETURN) {
                peerClosed_ = true;
                return;
            }
            throw TlsError("Receive Failed", LibraryReason());
        }
    }

    void Send(std::string_view plain) override {
        std::size_t written = 0;
        if (!plain.empty() && ssl::Loaded().SSL_write_ex(ssl_.get(), plain.data(), plain.size(), &written) != 1)
            throw TlsError("Send Failed", LibraryReason());
    }

    std::string TakeOutgoing() override {
        std::string bytes(ssl::Loaded().BIO_ctrl_pending(out_), '\0');
        const int got = bytes.empty() ? 0 : ssl::Loaded().BIO_read(out_, bytes.data(), static_cast<int>(bytes.size()));
        bytes.resize(static_cast<std::size_t>(std::max(got, 0)));
        return bytes;
    }

    bool PeerClosed() const override { return peerClosed_; }

    void Close() override {
        ssl::Loaded().SSL_shutdown(ssl_.get());
        ssl::Loaded().ERR_clear_error();
    }

    bool Resumed() const override { return ssl::Loaded().SSL_session_reused(ssl_.get()) == 1; }

    std::optional<std::int64_t> EarliestExpiry() const override {
        STACK_OF(X509)* chain = ssl::Loaded().SSL_get_peer_cert_chain(ssl_.get());
        std::optional<std::int64_t> earliest;
        const auto* stack = reinterpret_cast<const OPENSSL_STACK*>(chain);
        for (int i = 0; chain && i < ssl::Loaded().OPENSSL_sk_num(stack); ++i) {
            const std::int64_t notAfter = SecondsOf(ssl::Loaded().X509_get0_notAfter(static_cast<X509*>(ssl::Loaded().OPENSSL_sk_value(stack, i))));
            if (!earliest || notAfter < *earliest) earliest = notAfter;
        }
        return earliest;
    }

private:
    std::string key_;  // the session's host and port, for the cache
    SslPtr<SSL> ssl_;
    BIO* in_ = nullptr;  // owned by ssl_
    BIO* out_ = nullptr;
    bool peerClosed_ = false;
};

}  // namespace

std::unique_ptr<TlsSession> TlsSession::Start(const std::string& host, int port) {
    return std::make_unique<OpenSslSession>(host, port);
}

}  // namespace lookout
