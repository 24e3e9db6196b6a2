#pragma once
// TLS over a connected socket for https:// downloads. The session never
// blocks: every read, write and handshake step that has to wait goes back to
// a short readiness wait, so the connection layer's time limits and stop
// token work as they do for a plain connection.
#include "platform/socket.h"

#include <atomic>
#include <memory>
#include <string_view>

namespace codarium {

struct TlsSession;
struct TlsSessionDeleter {
    void operator()(TlsSession* session) const;
};
using OwnedTlsSession = std::unique_ptr<TlsSession, TlsSessionDeleter>;

enum class TlsOutcome {
    Established,
    CertificateRejected, // the chain, its dates or the host name did not check out
    HandshakeFailed,     // no common protocol, a broken peer, a closed connection
    TimedOut,
    Stopped,
};

struct TlsStart {
    TlsOutcome outcome = TlsOutcome::HandshakeFailed;
    OwnedTlsSession session; // set exactly when outcome is Established
};

// Runs the client handshake for host over socket: TLS 1.2 or later, the
// certificate checked against the system's trust store (SSL_CERT_FILE and
// SSL_CERT_DIR as the TLS library reads them) and against host, which is
// also sent as the server name unless it is an IPv4 address.
TlsStart startTlsSession(platform::SocketHandle socket, std::string_view host, int limitSeconds,
                         const std::atomic<bool>* stop);

// Sends every byte within the limit; false otherwise.
bool tlsSendAll(TlsSession& session, const char* bytes, int count, int limitSeconds,
                const std::atomic<bool>* stop);

enum class TlsReceive { Data, Closed, TimedOut, Failed, Stopped };
struct TlsReceived {
    TlsReceive status = TlsReceive::Failed;
    int count = 0; // > 0 exactly when status is Data
};
// One block of at most maximum decrypted bytes. Closed only after the peer's
// orderly TLS close; a connection that just ends is Failed, since the
// response may have been cut short by someone on the way.
TlsReceived tlsReceive(TlsSession& session, char* destination, int maximum, int limitSeconds,
                       const std::atomic<bool>* stop);

// Tells the peer the session ends, without waiting for its answer.
void endTlsSession(TlsSession& session);

} // namespace codarium
