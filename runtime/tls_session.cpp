#include "runtime/tls_session.h"

#include "runtime/tcp_connection.h"

#include <openssl/bio.h>
#include <openssl/err.h>
#include <openssl/ssl.h>
#include <openssl/x509v3.h>

#include <string>

namespace codarium {

namespace {

// Waits are cut into slices this long so that a set stop token is seen
// within one slice; a read waits at most the receive poll interval before
// it looks at the time again.
constexpr int SliceMilliseconds = 20;
constexpr int ReadWaitMilliseconds = 100;
constexpr std::size_t ReadAheadBytes = 64 * 1024;

bool stopped(const std::atomic<bool>* stop) {
    return stop != nullptr && stop->load();
}

platform::SocketHandle socketOf(BIO* bio) {
    return static_cast<platform::SocketHandle>(reinterpret_cast<std::intptr_t>(BIO_get_data(bio)));
}

// The library's own socket transport writes with write(), which raises
// SIGPIPE on a connection the peer has reset; this one goes through the
// platform's sends, which never do and never wait.
int bioWrite(BIO* bio, const char* bytes, int count) {
    BIO_clear_retry_flags(bio);
    const int sent = platform::trySend(socketOf(bio), bytes, count);
    if (sent == -2) {
        BIO_set_retry_write(bio);
        return -1;
    }
    return sent;
}

int bioRead(BIO* bio, char* destination, int maximum) {
    BIO_clear_retry_flags(bio);
    const int received = platform::receiveNow(socketOf(bio), destination, maximum);
    if (received == -2) {
        BIO_set_retry_read(bio);
        return -1;
    }
    return received;
}

long bioControl(BIO*, int command, long, void*) {
    // Sends are not buffered here, so a flush has nothing left to do.
    return command == BIO_CTRL_FLUSH ? 1 : 0;
}

struct ContextFree {
    void operator()(SSL_CTX* context) const { SSL_CTX_free(context); }
};
struct SslFree {
    void operator()(SSL* ssl) const { SSL_free(ssl); }
};
struct MethodFree {
    void operator()(BIO_METHOD* method) const { BIO_meth_free(method); }
};

enum class Wait { Read, Write };

// Waits up to milliseconds for the socket to become ready for what the
// session asked for; false when the socket has failed.
bool waitFor(platform::SocketHandle socket, Wait wait, int milliseconds,
             const std::atomic<bool>* stop) {
    for (int waited = 0; waited < milliseconds && !stopped(stop); waited += SliceMilliseconds) {
        const auto ready = wait == Wait::Read ? platform::waitReadable(socket, SliceMilliseconds)
                                              : platform::waitWritable(socket, SliceMilliseconds);
        if (ready == platform::Readiness::Failed) {
            return false;
        }
        if (ready == platform::Readiness::Ready) {
            break;
        }
    }
    return true;
}

} // namespace

// Freed in reverse order of making: the session holds the transport, which
// uses the method table; the context outlives the session that refers to it.
struct TlsSession {
    platform::SocketHandle socket = platform::NoSocket;
    std::unique_ptr<SSL_CTX, ContextFree> context;
    std::unique_ptr<BIO_METHOD, MethodFree> method;
    std::unique_ptr<SSL, SslFree> ssl;
};

void TlsSessionDeleter::operator()(TlsSession* session) const {
    delete session;
}

namespace {

// A fresh context for each session, so that the trust store is read as the
// environment names it at the time of the download.
std::unique_ptr<SSL_CTX, ContextFree> clientContext() {
    std::unique_ptr<SSL_CTX, ContextFree> context(SSL_CTX_new(TLS_client_method()));
    if (!context || SSL_CTX_set_min_proto_version(context.get(), TLS1_2_VERSION) != 1 ||
        SSL_CTX_set_default_verify_paths(context.get()) != 1) {
        return nullptr;
    }
    SSL_CTX_set_verify(context.get(), SSL_VERIFY_PEER, nullptr);
    // Reading ahead takes whatever the socket holds in one receive instead
    // of a record's header and its body in two.
    SSL_CTX_set_read_ahead(context.get(), 1);
    SSL_CTX_set_default_read_buffer_len(context.get(), ReadAheadBytes);
    return context;
}

std::unique_ptr<BIO_METHOD, MethodFree> socketMethod() {
    std::unique_ptr<BIO_METHOD, MethodFree> method(
        BIO_meth_new(BIO_TYPE_SOURCE_SINK, "codarium socket"));
    if (!method || BIO_meth_set_write(method.get(), bioWrite) != 1 ||
        BIO_meth_set_read(method.get(), bioRead) != 1 ||
        BIO_meth_set_ctrl(method.get(), bioControl) != 1) {
        return nullptr;
    }
    return method;
}

// Names the peer the certificate must be for: an address is matched against
// the certificate's IP entries and sent as no server name, which may only
// be a host name.
bool expectPeer(SSL* ssl, const std::string& host) {
    if (platform::parseIPv4(host)) {
        return X509_VERIFY_PARAM_set1_ip_asc(SSL_get0_param(ssl), host.c_str()) == 1;
    }
    SSL_set_hostflags(ssl, X509_CHECK_FLAG_NO_PARTIAL_WILDCARDS);
    return SSL_set_tlsext_host_name(ssl, host.c_str()) == 1 &&
           SSL_set1_host(ssl, host.c_str()) == 1;
}

} // namespace

TlsStart startTlsSession(platform::SocketHandle socket, std::string_view host, int limitSeconds,
                         const std::atomic<bool>* stop) {
    const std::string hostText(host);
    if (hostText.empty() || hostText.find('\0') != std::string::npos) {
        return {};
    }
    auto session = OwnedTlsSession(new TlsSession);
    session->socket = socket;
    session->context = clientContext();
    session->method = socketMethod();
    if (!session->context || !session->method) {
        return {};
    }
    session->ssl.reset(SSL_new(session->context.get()));
    BIO* transport = session->ssl ? BIO_new(session->method.get()) : nullptr;
    if (transport == nullptr) {
        return {};
    }
    BIO_set_data(transport, reinterpret_cast<void*>(static_cast<std::intptr_t>(socket)));
    BIO_set_init(transport, 1);
    SSL* ssl = session->ssl.get();
    SSL_set_bio(ssl, transport, transport); // the session owns the transport now
    if (!expectPeer(ssl, hostText)) {
        return {};
    }
    SSL_set_connect_state(ssl);

    const std::int64_t start = nowSeconds();
    while (nowSeconds() - start <= limitSeconds) {
        if (stopped(stop)) {
            return {TlsOutcome::Stopped, nullptr};
        }
        ERR_clear_error();
        const int result = SSL_do_handshake(ssl);
        if (result == 1) {
            // The handshake only completes with a verified peer; checked
            // again so that a changed default can never let one through.
            if (SSL_get_verify_result(ssl) != X509_V_OK ||
                SSL_get0_peer_certificate(ssl) == nullptr) {
                return {TlsOutcome::CertificateRejected, nullptr};
            }
            return {TlsOutcome::Established, std::move(session)};
        }
        const int error = SSL_get_error(ssl, result);
        if (error != SSL_ERROR_WANT_READ && error != SSL_ERROR_WANT_WRITE) {
            const bool certificate = SSL_get_verify_result(ssl) != X509_V_OK;
            ERR_clear_error();
            return {certificate ? TlsOutcome::CertificateRejected : TlsOutcome::HandshakeFailed,
                    nullptr};
        }
        if (!waitFor(socket, error == SSL_ERROR_WANT_READ ? Wait::Read : Wait::Write,
                     ReadWaitMilliseconds, stop)) {
            return {TlsOutcome::HandshakeFailed, nullptr};
        }
    }
    return {TlsOutcome::TimedOut, nullptr};
}

bool tlsSendAll(TlsSession& session, const char* bytes, int count, int limitSeconds,
                const std::atomic<bool>* stop) {
    if (count < 0 || (bytes == nullptr && count > 0)) {
        return false;
    }
    int left = count;
    const std::int64_t start = nowSeconds();
    while (left > 0 && nowSeconds() - start < limitSeconds && !stopped(stop)) {
        ERR_clear_error();
        std::size_t written = 0;
        // After a wait the same bytes are offered again, as the library
        // requires.
        const int result =
            SSL_write_ex(session.ssl.get(), bytes, static_cast<std::size_t>(left), &written);
        if (result == 1) {
            bytes += written;
            left -= static_cast<int>(written);
            continue;
        }
        const int error = SSL_get_error(session.ssl.get(), result);
        if (error != SSL_ERROR_WANT_READ && error != SSL_ERROR_WANT_WRITE) {
            ERR_clear_error();
            return false;
        }
        if (!waitFor(session.socket, error == SSL_ERROR_WANT_READ ? Wait::Read : Wait::Write,
                     ReadWaitMilliseconds, stop)) {
            return false;
        }
    }
    return left == 0;
}

namespace {

struct Taken {
    std::size_t count = 0;
    int error = SSL_ERROR_NONE; // why the last read stopped short
};

// Decrypted bytes up to maximum, as far as they are at hand: one call gives
// at most one record, so several are joined to fill the caller's block.
Taken takeAtHand(SSL* ssl, char* destination, std::size_t maximum) {
    Taken taken;
    while (taken.count < maximum) {
        ERR_clear_error();
        std::size_t received = 0;
        const int result =
            SSL_read_ex(ssl, destination + taken.count, maximum - taken.count, &received);
        if (result != 1) {
            taken.error = SSL_get_error(ssl, result);
            ERR_clear_error();
            break;
        }
        taken.count += received;
    }
    return taken;
}

} // namespace

TlsReceived tlsReceive(TlsSession& session, char* destination, int maximum, int limitSeconds,
                       const std::atomic<bool>* stop) {
    if (destination == nullptr || maximum <= 0) {
        return {};
    }
    const std::int64_t start = nowSeconds();
    while (nowSeconds() - start <= limitSeconds) {
        if (stopped(stop)) {
            return {TlsReceive::Stopped, 0};
        }
        const Taken taken =
            takeAtHand(session.ssl.get(), destination, static_cast<std::size_t>(maximum));
        if (taken.count > 0) {
            // An end or error behind these bytes shows again at the next read.
            destination[taken.count] = '\0';
            return {TlsReceive::Data, static_cast<int>(taken.count)};
        }
        if (taken.error == SSL_ERROR_ZERO_RETURN) {
            return {TlsReceive::Closed, 0};
        }
        if (taken.error != SSL_ERROR_WANT_READ && taken.error != SSL_ERROR_WANT_WRITE) {
            return {TlsReceive::Failed, 0};
        }
        // Waits for the socket rather than sleeping, so that data is taken
        // as soon as it arrives.
        if (!waitFor(session.socket, taken.error == SSL_ERROR_WANT_READ ? Wait::Read : Wait::Write,
                     ReadWaitMilliseconds, stop)) {
            return {TlsReceive::Failed, 0};
        }
    }
    return {TlsReceive::TimedOut, 0};
}

void endTlsSession(TlsSession& session) {
    ERR_clear_error();
    SSL_shutdown(session.ssl.get());
    ERR_clear_error();
}

} // namespace codarium
