#include "runtime/ftp_client.h"
#include "runtime/ftp_session.h"

#include "platform/native_file.h"
#include "platform/paths.h"

#include <algorithm>
#include <limits>
#include <memory>

namespace codarium::ftp {

namespace {

// The data connection goes to the server the control connection reached, at
// the port of the 227 reply; the address written in the reply is not trusted,
// so a server cannot direct the upload to some other host.
TcpConnectionPtr openDataConnection(ControlChannel& control) {
    std::string line;
    if (!sendCommand(control, "PASV", "") || !expectReply(control, "227", &line)) {
        return nullptr;
    }
    const std::optional<PassiveAddress> passive = parsePassiveReply(line);
    const std::uint32_t server = peerAddress(control.connection);
    if (!passive || server == 0) {
        return nullptr;
    }
    return openConnectionTo(server, passive->port, control.stop);
}

// Sends the file block by block; false on a read or send failure or a cancel,
// which is looked at before every block.
bool sendFile(FtpSession& session, platform::NativeFile file, TcpConnectionPtr data) {
    const std::unique_ptr<char[]> buffer(new char[TransferBlock]);
    char* const block = buffer.get();
    std::int64_t total = 0;
    for (;;) {
        if (session.cancel.load()) {
            return false;
        }
        // The block's size, 0 at the end of the file, -1 on a read error.
        const std::int64_t count = platform::readSome(file, block, TransferBlock);
        if (count == 0) {
            return true;
        }
        if (count < 0 || !sendAll(data, block, static_cast<int>(count), DataSendLimitSeconds,
                                  &session.closing)) {
            return false;
        }
        total += count;
        session.state.store(static_cast<std::int32_t>(
            std::min<std::int64_t>(total, std::numeric_limits<std::int32_t>::max())));
    }
}

} // namespace

void runTransfer(FtpSession& session, const std::string& localPath, const std::string& remoteName) {
    const platform::NativeFile file =
        platform::openNativeFile(platform::nativePath(localPath), platform::OpenFor::Reading).file;
    if (file < 0) {
        session.state.store(TransferFailed);
        return;
    }
    ControlChannel& control = session.control;
    const auto cancelled = [&session] { return session.cancel.load(); };
    bool success = false;
    TcpConnectionPtr data = nullptr;
    if (!cancelled() && sendCommand(control, "TYPE ", "I") && expectReply(control, "200") &&
        !cancelled() && (data = openDataConnection(control)) != nullptr && !cancelled() &&
        sendCommand(control, "STOR ", remoteName)) {
        if (expectReply(control, "125;150")) {
            session.state.store(0);
            const bool allSent = sendFile(session, file, data);
            closeConnection(data);
            data = nullptr;
            // The server confirms only once it has the whole file; a closing
            // reply that reports a failure (or never comes) is no success.
            const std::optional<Reply> closing = readReply(control);
            success = allSent && closing && replyCodeAccepted(closing->code, "226;250");
        }
    }
    if (data != nullptr) {
        closeConnection(data);
    }
    platform::closeNativeFile(file);
    session.state.store(success ? TransferDone : TransferFailed);
}

} // namespace codarium::ftp
