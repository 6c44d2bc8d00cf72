// The TLS session on SChannel through the SSPI's buffers, with the chain
// engine checking the peer: SChannel's own validation is off (Wine's does
// none), and the chain is built from the cache only, so no network
// retrieval holds up the GUI thread. SChannel keeps sessions in memory per
// credential handle and target name; a handle per host and port resumes a
// session only where it was verified.
#define SECURITY_WIN32
#include "net/TlsSession.h"

#include <windows.h>
#include <wincrypt.h>
#include <security.h>
#include <schannel.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <utility>
#include <vector>

#include "platform/Socket.h"

namespace lookout {

namespace {

constexpr DWORD kRequest = ISC_REQ_SEQUENCE_DETECT | ISC_REQ_REPLAY_DETECT | ISC_REQ_CONFIDENTIALITY |
                           ISC_REQ_ALLOCATE_MEMORY | ISC_REQ_STREAM | ISC_REQ_MANUAL_CRED_VALIDATION;

std::string Code(long code) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(code));
    return text;
}

// The credential handle of a host and port, made at its first https use.
CredHandle* Credentials(const std::string& hostAndPort) {
    static std::map<std::string, CredHandle> handles;
    if (const auto known = handles.find(hostAndPort); known != handles.end()) return &known->second;
    const CredHandle handle = [] {
        SCHANNEL_CRED cred{};
        cred.dwVersion = SCHANNEL_CRED_VERSION;
        cred.grbitEnabledProtocols = SP_PROT_TLS1_2_CLIENT | SP_PROT_TLS1_3_CLIENT;
        cred.dwFlags = SCH_CRED_MANUAL_CRED_VALIDATION | SCH_CRED_NO_DEFAULT_CREDS;
        CredHandle made{};
        SECURITY_STATUS status =
            AcquireCredentialsHandleA(nullptr, const_cast<char*>(UNISP_NAME_A), SECPKG_CRED_OUTBOUND, nullptr, &cred,
                                      nullptr, nullptr, &made, nullptr);
        if (status != SEC_E_OK) {  // a system without TLS 1.3 refuses its flag
            cred.grbitEnabledProtocols = SP_PROT_TLS1_2_CLIENT;
            status = AcquireCredentialsHandleA(nullptr, const_cast<char*>(UNISP_NAME_A), SECPKG_CRED_OUTBOUND, nullptr,
                                               &cred, nullptr, nullptr, &made, nullptr);
        }
        if (status != SEC_E_OK) throw TlsError(tls_texts::kHandshakeFailed, "AcquireCredentialsHandle " + Code(status));
        return made;
    }();
    return &handles.emplace(hostAndPort, handle).first->second;
}

// Whether the certificate names the IPv4 address (in network order, as the
// certificate holds it) among its subject's alternative names.
bool NamesAddress(PCCERT_CONTEXT leaf, std::uint32_t address) {
    const CERT_EXTENSION* extension = CertFindExtension(szOID_SUBJECT_ALT_NAME2, leaf->pCertInfo->cExtension,
                                                        leaf->pCertInfo->rgExtension);
    CERT_ALT_NAME_INFO* names = nullptr;
    DWORD size = 0;
    if (!extension || !CryptDecodeObjectEx(X509_ASN_ENCODING, X509_ALTERNATE_NAME, extension->Value.pbData,
                                           extension->Value.cbData, CRYPT_DECODE_ALLOC_FLAG, nullptr, &names, &size))
        return false;
    bool found = false;
    for (DWORD i = 0; i < names->cAltEntry && !found; ++i) {
        const CERT_ALT_NAME_ENTRY& entry = names->rgAltEntry[i];
        found = entry.dwAltNameChoice == CERT_ALT_NAME_IP_ADDRESS && entry.IPAddress.cbData == sizeof address &&
                std::memcmp(entry.IPAddress.pbData, &address, sizeof address) == 0;
    }
    LocalFree(names);
    return found;
}

std::int64_t UnixSeconds(const FILETIME& time) {
    const std::int64_t ticks = (static_cast<std::int64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    return ticks / 10000000 - 11644473600LL;
}

class SchannelSession final : public TlsSession {
public:
    SchannelSession(const std::string& host, int port)
        : host_(host), credentials_(Credentials(host + ":" + std::to_string(port))) {
        numeric_ = ParseDottedAddress(host, address_);
    }
    ~SchannelSession() override {
        if (chain_) CertFreeCertificateChain(chain_);
        if (haveContext_) DeleteSecurityContext(&context_);
    }

    void Received(std::string_view bytes) override { incoming_.append(bytes); }

    bool Handshake() override {
        if (ready_) return true;
        if (haveContext_ && incoming_.empty()) return false;
        const SECURITY_STATUS status = Step();
        if (status == SEC_E_INCOMPLETE_MESSAGE) return false;
        if (status != SEC_E_OK && status != SEC_I_CONTINUE_NEEDED)
            throw TlsError(tls_texts::kHandshakeFailed, "InitializeSecurityContext " + Code(status));
        haveContext_ = true;  // from the first call on, which makes it
        if (status == SEC_I_CONTINUE_NEEDED) return Handshake();
        Verify();
        if (QueryContextAttributesA(&context_, SECPKG_ATTR_STREAM_SIZES, &sizes_) != SEC_E_OK)
            throw TlsError(tls_texts::kHandshakeFailed, "QueryContextAttributes");
        ready_ = true;
        return true;
    }

    void Read(std::string& plain) override {
        while (!incoming_.empty() && !peerClosed_) {
            const bool alert = incoming_[0] == 21;
            const std::size_t before = plain.size();
            SecBuffer buffers[4] = {{static_cast<unsigned long>(incoming_.size()), SECBUFFER_DATA, incoming_.data()},
                                    {0, SECBUFFER_EMPTY, nullptr},
                                    {0, SECBUFFER_EMPTY, nullptr},
                                    {0, SECBUFFER_EMPTY, nullptr}};
            SecBufferDesc desc{SECBUFFER_VERSION, 4, buffers};
            const SECURITY_STATUS status = DecryptMessage(&context_, &desc, 0, nullptr);
            if (status == SEC_E_INCOMPLETE_MESSAGE) return;
            if (status == SEC_I_CONTEXT_EXPIRED) {
                peerClosed_ = true;
                return;
            }
            if (status != SEC_E_OK && status != SEC_I_RENEGOTIATE)
                throw TlsError("Receive Failed", "DecryptMessage " + Code(status));
            std::string extra;
            for (const SecBuffer& b : buffers) {
                if (b.BufferType == SECBUFFER_DATA) plain.append(static_cast<const char*>(b.pvBuffer), b.cbBuffer);
                if (b.BufferType == SECBUFFER_EXTRA) extra.assign(static_cast<const char*>(b.pvBuffer), b.cbBuffer);
            }
            incoming_ = std::move(extra);
            // Wine's SChannel reads close_notify as an alert record that
            // decrypts to nothing, where Windows' says the context expired.
            if (status == SEC_E_OK && alert && plain.size() == before) {
                peerClosed_ = true;
                return;
            }
            // TLS 1.3 sends tickets and key updates after the handshake:
            // the context takes them as a handshake message.
            if (status == SEC_I_RENEGOTIATE) Renegotiate();
        }
    }

    void Send(std::string_view plain) override {
        while (!plain.empty()) {
            const std::size_t n = std::min<std::size_t>(plain.size(), sizes_.cbMaximumMessage);
            std::vector<char> message(sizes_.cbHeader + n + sizes_.cbTrailer);
            std::copy_n(plain.data(), n, message.data() + sizes_.cbHeader);
            SecBuffer buffers[4] = {{sizes_.cbHeader, SECBUFFER_STREAM_HEADER, message.data()},
                                    {static_cast<unsigned long>(n), SECBUFFER_DATA, message.data() + sizes_.cbHeader},
                                    {sizes_.cbTrailer, SECBUFFER_STREAM_TRAILER, message.data() + sizes_.cbHeader + n},
                                    {0, SECBUFFER_EMPTY, nullptr}};
            SecBufferDesc desc{SECBUFFER_VERSION, 4, buffers};
            const SECURITY_STATUS status = EncryptMessage(&context_, 0, &desc, 0);
            if (status != SEC_E_OK) throw TlsError("Send Failed", "EncryptMessage " + Code(status));
            for (int i = 0; i < 3; ++i)
                outgoing_.append(static_cast<const char*>(buffers[i].pvBuffer), buffers[i].cbBuffer);
            plain.remove_prefix(n);
        }
    }

    std::string TakeOutgoing() override { return std::exchange(outgoing_, {}); }
    bool PeerClosed() const override { return peerClosed_; }

    void Close() override {
        DWORD token = SCHANNEL_SHUTDOWN;
        SecBuffer control{sizeof token, SECBUFFER_TOKEN, &token};
        SecBufferDesc controlDesc{SECBUFFER_VERSION, 1, &control};
        if (ApplyControlToken(&context_, &controlDesc) != SEC_E_OK) return;
        SecBuffer out{0, SECBUFFER_TOKEN, nullptr};
        SecBufferDesc outDesc{SECBUFFER_VERSION, 1, &out};
        DWORD flags = 0;
        InitializeSecurityContextA(credentials_, &context_, Target(), kRequest, 0, 0, nullptr, 0, &context_, &outDesc,
                                   &flags, nullptr);
        TakeToken(out);
    }

    bool Resumed() const override { return resumed_; }

    std::optional<std::int64_t> EarliestExpiry() const override {
        if (!chain_ || chain_->cChain == 0) return std::nullopt;
        std::optional<std::int64_t> earliest;
        const CERT_SIMPLE_CHAIN* simple = chain_->rgpChain[0];
        for (DWORD i = 0; i < simple->cElement; ++i) {
            const std::int64_t notAfter = UnixSeconds(simple->rgpElement[i]->pCertContext->pCertInfo->NotAfter);
            if (!earliest || notAfter < *earliest) earliest = notAfter;
        }
        return earliest;
    }

private:
    void TakeToken(SecBuffer& token) {
        if (token.pvBuffer && token.cbBuffer)
            outgoing_.append(static_cast<const char*>(token.pvBuffer), token.cbBuffer);
        if (token.pvBuffer) FreeContextBuffer(token.pvBuffer);
        token.pvBuffer = nullptr;
    }

    void KeepExtra(const SecBuffer& extra) {
        if (extra.BufferType == SECBUFFER_EXTRA)
            incoming_.erase(0, incoming_.size() - extra.cbBuffer);
        else
            incoming_.clear();
    }

    // The name SChannel sends as SNI: none for an address.
    char* Target() { return numeric_ ? nullptr : host_.data(); }

    // One step of the context on what was received (nothing before the
    // first message): its token is queued to send, and what it did not
    // take stays received.
    SECURITY_STATUS Step() {
        SecBuffer in[2] = {{static_cast<unsigned long>(incoming_.size()), SECBUFFER_TOKEN, incoming_.data()},
                           {0, SECBUFFER_EMPTY, nullptr}};
        SecBufferDesc inDesc{SECBUFFER_VERSION, 2, in};
        SecBuffer out[1] = {{0, SECBUFFER_TOKEN, nullptr}};
        SecBufferDesc outDesc{SECBUFFER_VERSION, 1, out};
        DWORD flags = 0;
        const SECURITY_STATUS status =
            InitializeSecurityContextA(credentials_, haveContext_ ? &context_ : nullptr, Target(), kRequest, 0, 0,
                                       haveContext_ ? &inDesc : nullptr, 0, &context_, &outDesc, &flags, nullptr);
        TakeToken(out[0]);
        if (status == SEC_E_OK || status == SEC_I_CONTINUE_NEEDED) KeepExtra(in[1]);
        return status;
    }

    void Renegotiate() {
        const SECURITY_STATUS status = Step();
        if (status != SEC_E_OK && status != SEC_I_CONTINUE_NEEDED && status != SEC_E_INCOMPLETE_MESSAGE)
            throw TlsError("Receive Failed", "InitializeSecurityContext " + Code(status));
    }

    // The chain engine, with the SSL policy and the host's name. Its
    // TrustStatus is read too: Wine's policy passes a partial chain.
    void Verify() {
        PCCERT_CONTEXT leaf = nullptr;
        if (QueryContextAttributesA(&context_, SECPKG_ATTR_REMOTE_CERT_CONTEXT, &leaf) != SEC_E_OK || !leaf)
            throw TlsError(tls_texts::kNotTrusted, "no certificate");
        LPSTR usages[] = {const_cast<LPSTR>(szOID_PKIX_KP_SERVER_AUTH)};
        CERT_CHAIN_PARA para{};
        para.cbSize = sizeof para;
        para.RequestedUsage.dwType = USAGE_MATCH_TYPE_OR;
        para.RequestedUsage.Usage.cUsageIdentifier = 1;
        para.RequestedUsage.Usage.rgpszUsageIdentifier = usages;
        const BOOL built = CertGetCertificateChain(nullptr, leaf, nullptr, leaf->hCertStore, &para,
                                                   CERT_CHAIN_CACHE_ONLY_URL_RETRIEVAL, nullptr, &chain_);
        CertFreeCertificateContext(leaf);
        if (!built) throw TlsError(tls_texts::kNotTrusted, "CertGetCertificateChain " + Code(GetLastError()));

        // An address is looked for among the certificate's addresses here,
        // since Wine's policy matches names only.
        const bool addressNamed = numeric_ && NamesAddress(chain_->rgpChain[0]->rgpElement[0]->pCertContext, address_);
        std::wstring name(host_.begin(), host_.end());
        HTTPSPolicyCallbackData https{};
        https.cbStruct = sizeof https;
        https.dwAuthType = AUTHTYPE_SERVER;
        https.pwszServerName = numeric_ ? nullptr : name.data();
        CERT_CHAIN_POLICY_PARA policy{};
        policy.cbSize = sizeof policy;
        policy.pvExtraPolicyPara = &https;
        CERT_CHAIN_POLICY_STATUS result{};
        result.cbSize = sizeof result;
        if (!CertVerifyCertificateChainPolicy(CERT_CHAIN_POLICY_SSL, chain_, &policy, &result))
            throw TlsError(tls_texts::kNotTrusted, "CertVerifyCertificateChainPolicy " + Code(GetLastError()));
        const DWORD trust = chain_->TrustStatus.dwErrorStatus;
        if (result.dwError == static_cast<DWORD>(CERT_E_EXPIRED) || (trust & CERT_TRUST_IS_NOT_TIME_VALID))
            throw TlsError(tls_texts::kExpired, Code(result.dwError ? result.dwError : trust));
        if (trust != CERT_TRUST_NO_ERROR) throw TlsError(tls_texts::kNotTrusted, "chain status " + Code(trust));
        if (result.dwError == static_cast<DWORD>(CERT_E_CN_NO_MATCH))
            throw TlsError(tls_texts::kNameMismatch, Code(result.dwError));
        if (numeric_ && !addressNamed) throw TlsError(tls_texts::kNameMismatch, "no IP address " + host_);
        if (result.dwError != 0) throw TlsError(tls_texts::kNotTrusted, Code(result.dwError));

        SecPkgContext_SessionInfo session{};
        resumed_ = QueryContextAttributesA(&context_, SECPKG_ATTR_SESSION_INFO, &session) == SEC_E_OK &&
                   (session.dwFlags & SSL_SESSION_RECONNECT);
    }

    std::string host_;
    CredHandle* credentials_;
    bool numeric_ = false;
    std::uint32_t address_ = 0;  // the host's, when numeric
    CtxtHandle context_{};
    bool haveContext_ = false;
    bool ready_ = false;
    bool peerClosed_ = false;
    bool resumed_ = false;
    SecPkgContext_StreamSizes sizes_{};
    PCCERT_CHAIN_CONTEXT chain_ = nullptr;
    std::string incoming_;
    std::string outgoing_;
};

}  // namespace

std::unique_ptr<TlsSession> TlsSession::Start(const std::string& host, int port) {
    return std::make_unique<SchannelSession>(host, port);
}

}  // namespace lookout
