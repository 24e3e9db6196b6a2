#include "runtime/ftp_client.h"
#include "runtime/ftp_session.h"

#include <chrono>
#include <map>
#include <memory>
#include <system_error>
#include <vector>

namespace codarium {

namespace {

using ftp::FtpSession;

// The FTP connections by number. Closes whatever is still open when the
// process ends.
struct FtpTable {
    std::mutex mutex;
    std::map<int, std::shared_ptr<FtpSession>> sessions;

    void closeAll();
    ~FtpTable() { closeAll(); }
};

FtpTable& table() {
    static FtpTable instance;
    return instance;
}

std::shared_ptr<FtpSession> findSession(int number) {
    FtpTable& t = table();
    std::lock_guard lock(t.mutex);
    const auto it = t.sessions.find(number);
    return it == t.sessions.end() ? nullptr : it->second;
}

std::shared_ptr<FtpSession> takeSession(int number) {
    FtpTable& t = table();
    std::lock_guard lock(t.mutex);
    const auto it = t.sessions.find(number);
    if (it == t.sessions.end()) {
        return nullptr;
    }
    std::shared_ptr<FtpSession> session = std::move(it->second);
    t.sessions.erase(it);
    return session;
}

// Stops a running transfer and waits until its thread has finished with the
// control connection. The withdrawal of a cancelled file is let run unless
// the session is closing in a hurry, or becomes so once `hurryWhen` is set.
void endTransfer(FtpSession& session, const StopToken* hurryWhen) {
    std::lock_guard lock(session.threadMutex);
    if (!session.transfer.joinable()) {
        return;
    }
    session.cancel.store(true);
    while (session.running.load()) {
        if (hurryWhen != nullptr && hurryWhen->load()) {
            session.closing.store(true);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    session.transfer.join();
}

// Cuts every wait of the session short, the withdrawal's as well: for a close
// that must not wait on the server at all.
void hurry(FtpSession& session) {
    session.closing.store(true);
    session.cancel.store(true);
}

void closeSession(FtpSession& session, const StopToken* hurryWhen = nullptr) {
    endTransfer(session, hurryWhen);
    session.closing.store(false); // QUIT still goes out
    ftp::ControlChannel& control = session.control;
    control.stop = &session.closing;
    if (control.connection != nullptr) {
        ftp::sendCommand(control, "QUIT", "");
        closeConnection(control.connection);
        control.connection = nullptr;
    }
}

bool logIn(ftp::ControlChannel& control, std::string_view user, std::string_view password) {
    return ftp::skipReply(control) && ftp::sendCommand(control, "USER ", user) &&
           ftp::expectReply(control, "331") && ftp::sendCommand(control, "PASS ", password) &&
           ftp::expectReply(control, "230");
}

void FtpTable::closeAll() {
    std::vector<std::shared_ptr<FtpSession>> open;
    {
        std::lock_guard lock(mutex);
        for (auto& [number, session] : sessions) {
            open.push_back(std::move(session));
        }
        sessions.clear();
    }
    for (const auto& session : open) {
        hurry(*session);
        closeSession(*session);
    }
}

} // namespace

namespace ftp {
FtpSession::~FtpSession() {
    if (transfer.joinable()) {
        hurry(*this);
        transfer.join();
    }
}
} // namespace ftp

int ftpConnect(int number, std::string_view host, std::string_view user, std::string_view password,
               std::uint16_t port, int replyLimitSeconds, const StopToken* stop) {
    if (number < 0) {
        return 0;
    }
    if (const auto old = takeSession(number)) {
        closeSession(*old, stop);
    }
    auto session = std::make_shared<FtpSession>();
    session->control.replyLimitSeconds = replyLimitSeconds;
    // Until the login is through, the caller's flag is the one that counts.
    session->control.stop = stop;
    session->control.connection = openConnection(host, port, stop);
    if (session->control.connection == nullptr) {
        return 0;
    }
    if (!logIn(session->control, user, password)) {
        closeSession(*session);
        return 0;
    }
    session->control.stop = &session->closing;
    std::shared_ptr<FtpSession> displaced;
    {
        FtpTable& t = table();
        std::lock_guard lock(t.mutex);
        std::shared_ptr<FtpSession>& slot = t.sessions[number];
        displaced = std::move(slot);
        slot = std::move(session);
    }
    if (displaced) { // another thread connected under the same number meanwhile
        closeSession(*displaced);
    }
    return 1;
}

int uploadFile(int number, std::string_view localPath, std::string_view remoteName) {
    if (localPath.empty() || remoteName.empty() || !ftp::fitsCommandLine(remoteName)) {
        return 0;
    }
    const std::shared_ptr<FtpSession> session = findSession(number);
    if (!session) {
        return 0;
    }
    std::lock_guard lock(session->threadMutex);
    if (session->transfer.joinable()) {
        const std::int32_t state = session->state.load();
        if (state != TransferFailed && state != TransferDone) {
            return 0; // one transfer at a time on a control connection
        }
        // An ended transfer may still be withdrawing its file, in short waits.
        session->transfer.join();
    }
    if (session->control.connection == nullptr || session->control.broken) {
        return 0;
    }
    session->cancel.store(false);
    session->state.store(TransferNegotiating);
    session->running.store(true);
    try {
        session->transfer = std::thread(ftp::runTransfer, std::ref(*session),
                                        std::string(localPath), std::string(remoteName));
    } catch (const std::system_error&) {
        session->running.store(false);
        session->state.store(TransferFailed);
        return 0;
    }
    return 1;
}

std::int32_t transferState(int number) {
    const std::shared_ptr<FtpSession> session = findSession(number);
    return session ? session->state.load() : 0;
}

void cancelTransfer(int number) {
    if (const std::shared_ptr<FtpSession> session = findSession(number)) {
        session->cancel.store(true);
    }
}

void abortTransfer(int number) {
    if (const std::shared_ptr<FtpSession> session = findSession(number)) {
        endTransfer(*session, nullptr);
    }
}

void ftpClose(int number) {
    if (const std::shared_ptr<FtpSession> session = takeSession(number)) {
        closeSession(*session);
    }
}

void ftpCloseAll() {
    table().closeAll();
}

} // namespace codarium
