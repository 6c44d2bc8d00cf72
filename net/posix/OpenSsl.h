#pragma once
// OpenSSL's calls, from libssl loaded at the first https use: a program that
// fetches over http only never maps OpenSSL, whose relocations alone would
// cost the window a sixth of its memory. The headers give the calls' types;
// nothing links against the library, so a call made past this table fails
// to link.
#include <openssl/err.h>
#include <openssl/ssl.h>
#include <openssl/x509v3.h>

#define LOOKOUT_OPENSSL_CALLS(X)                                                                                  \
    X(ASN1_TIME_to_tm) X(BIO_ctrl_pending) X(BIO_free) X(BIO_new) X(BIO_read) X(BIO_s_mem) X(BIO_write)       \
    X(ERR_clear_error) X(ERR_get_error) X(ERR_reason_error_string) X(OPENSSL_sk_num) X(OPENSSL_sk_value)       \
    X(SSL_CTX_ctrl) X(SSL_CTX_free) X(SSL_CTX_new) X(SSL_CTX_sess_set_new_cb)                                    \
    X(SSL_CTX_set_default_verify_paths) X(SSL_CTX_set_verify) X(SSL_SESSION_free) X(SSL_ctrl)                   \
    X(SSL_do_handshake) X(SSL_free) X(SSL_get0_param) X(SSL_get_error) X(SSL_get_ex_data)                        \
    X(SSL_get_peer_cert_chain) X(SSL_get_verify_result) X(SSL_new) X(SSL_read_ex) X(SSL_session_reused)          \
    X(SSL_set1_host) X(SSL_set_bio) X(SSL_set_connect_state) X(SSL_set_ex_data) X(SSL_set_session)              \
    X(SSL_shutdown) X(SSL_write_ex) X(TLS_client_method) X(X509_VERIFY_PARAM_set1_ip_asc)                       \
    X(X509_get0_notAfter) X(X509_verify_cert_error_string)

namespace lookout::openssl {

struct Calls {
#define LOOKOUT_OPENSSL_MEMBER(name) decltype(&::name) name;
    LOOKOUT_OPENSSL_CALLS(LOOKOUT_OPENSSL_MEMBER)
#undef LOOKOUT_OPENSSL_MEMBER
};

// The calls, libssl loaded by the first use of the process. Raises
// ESockError "TLS Handshake Failed [the loader's reason]" when it cannot be
// had; a later use tries again.
const Calls& Loaded();

}  // namespace lookout::openssl
