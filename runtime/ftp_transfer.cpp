#include "runtime/ftp_client.h"
#include "runtime/ftp_session.h"

#include "platform/native_file.h"
#include "platform/paths.h"

#include <algorithm>
#include <chrono>
#include <limits>
#include <memory>
#include <thread>

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

// What the server has acknowledged of the bytes handed to the system so far:
// a slow server holds the bytes back in the system's send buffer, and those
// do not count as sent yet.
std::int32_t acknowledged(TcpConnectionPtr data, std::int64_t handedOver) {
    const int pending = std::max(unacknowledgedCount(data), 0);
    return static_cast<std::int32_t>(
        std::min<std::int64_t>(handedOver - pending, std::numeric_limits<std::int32_t>::max()));
}

// Sends the file block by block; false on a read or send failure or a cancel,
// which is looked at before every block. `total` counts the bytes handed over.
bool sendFile(FtpSession& session, platform::NativeFile file, TcpConnectionPtr data,
              std::int64_t& total) {
    const std::unique_ptr<char[]> buffer(new char[TransferBlock]);
    char* const block = buffer.get();
    for (;;) {
        if (session.cancel.load()) {
            return false;
        }
        // The block's size, 0 at the end of the file, -1 on a read error.
        const std::int64_t count = platform::readSome(file, block, TransferBlock);
        if (count == 0) {
            return true;
        }
        if (count < 0 ||
            !sendAll(data, block, static_cast<int>(count), DataSendLimitSeconds, &session.cancel)) {
            return false;
        }
        total += count;
        session.state.store(acknowledged(data, total));
    }
}

// After the last block: waits until the server has acknowledged every byte,
// so that a cancel while a slow server still takes the file in is honoured.
// False on a cancel, or when nothing moves within the send limit.
bool waitUntilDelivered(FtpSession& session, TcpConnectionPtr data, std::int64_t total) {
    std::int32_t last = session.state.load();
    std::int64_t lastMove = nowSeconds();
    for (;;) {
        const std::int32_t delivered = acknowledged(data, total);
        session.state.store(delivered);
        if (delivered >= total) {
            return true;
        }
        if (session.cancel.load()) {
            return false;
        }
        if (delivered != last) {
            last = delivered;
            lastMove = nowSeconds();
        } else if (nowSeconds() - lastMove >= DataSendLimitSeconds) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

struct TransferEnd {
    bool success = false;
    // The server took STOR, or its answer is unknown: it may hold a part of
    // the file under the remote name.
    bool fileBegun = false;
};

// The data phase, from STOR's preliminary reply to the closing reply.
bool sendData(FtpSession& session, platform::NativeFile file, TcpConnectionPtr data) {
    session.state.store(0);
    std::int64_t total = 0;
    const bool allSent =
        sendFile(session, file, data, total) && waitUntilDelivered(session, data, total);
    // Bytes still on their way when the transfer gives up are dropped rather
    // than delivered after the close: a cancelled file never arrives whole.
    if (allSent || unacknowledgedCount(data) <= 0) {
        closeConnection(data);
    } else {
        resetConnection(data);
    }
    // The server confirms only once it has the whole file; a closing reply
    // that reports a failure (or never comes) is no success. After a cancel
    // the read ends at once and leaves the reply owed.
    const std::optional<Reply> closing = readReply(session.control);
    return allSent && closing && replyCodeAccepted(closing->code, "226;250");
}

TransferEnd storeFile(FtpSession& session, platform::NativeFile file,
                      const std::string& remoteName) {
    ControlChannel& control = session.control;
    TransferEnd end;
    if (!sendCommand(control, "TYPE ", "I") || !expectReply(control, "200")) {
        return end;
    }
    const TcpConnectionPtr data = openDataConnection(control);
    if (data == nullptr) {
        return end;
    }
    std::optional<Reply> reply;
    if (sendCommand(control, "STOR ", remoteName)) {
        reply = readReply(control);
        end.fileBegun = !reply || replyCodeAccepted(reply->code, "125;150");
    }
    if (!reply || !replyCodeAccepted(reply->code, "125;150")) {
        closeConnection(data);
        return end;
    }
    end.success = sendData(session, file, data);
    return end;
}

// Replies to a withdrawal may take this long each: the user already knows the
// transfer failed, and a server that has stopped answering must not hold the
// session for the full reply limit.
constexpr int WithdrawReplySeconds = 3;

// After a failed transfer the server may hold the beginning of the file under
// its normal name, where it would pass for a whole one. ABOR ends the
// transfer on the server's side and DELE removes the part; a refused DELE
// (the file never came into being, or the account may not delete) is of no
// concern.
void withdrawFile(FtpSession& session, const std::string& remoteName) {
    ControlChannel& control = session.control;
    control.stop = &session.closing;
    const int limit = control.replyLimitSeconds;
    control.replyLimitSeconds = std::min(limit, WithdrawReplySeconds);
    sendCommand(control, "ABOR", "");
    // The transfer's own replies come first (read as owed ones). A 426 to
    // ABOR reports the transfer that ABOR ended; ABOR's own reply follows.
    if (const std::optional<Reply> reply = readReply(control); reply && reply->code == "426") {
        skipReply(control);
    }
    sendCommand(control, "DELE ", remoteName);
    skipReply(control);
    control.replyLimitSeconds = limit;
}

} // namespace

void runTransfer(FtpSession& session, const std::string& localPath, const std::string& remoteName) {
    ControlChannel& control = session.control;
    control.stop = &session.cancel;
    const platform::NativeFile file =
        platform::openNativeFile(localPath, platform::OpenFor::Reading).file;
    TransferEnd end;
    if (file >= 0) {
        end = storeFile(session, file, remoteName);
        platform::closeNativeFile(file);
    }
    session.state.store(end.success ? TransferDone : TransferFailed);
    if (!end.success && end.fileBegun) {
        withdrawFile(session, remoteName);
    }
    control.stop = &session.closing;
    session.running.store(false);
}

} // namespace codarium::ftp
