#pragma once
// One logged-in FTP connection of the table, shared between the caller's
// threads and the transfer thread.
#include "runtime/ftp_control.h"

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>

namespace codarium::ftp {

// The file goes to the server in blocks of this size, read straight from the
// file into one buffer, so memory use does not depend on the file's size.
// Blocks of 64 KB keep the number of reads and sends low enough that the
// server, not the client, sets the pace.
inline constexpr std::size_t TransferBlock = 64 * 1024;

struct FtpSession {
    // Used by the transfer thread while one runs, otherwise by the caller.
    ControlChannel control;
    std::atomic<std::int32_t> state{0};
    // Set to stop a running transfer: cuts every wait of the transfer short.
    // The transfer then still withdraws what the server may hold of the file,
    // with short waits of its own.
    StopToken cancel{false};
    // Set while the session is being closed in a hurry (the process ends):
    // cuts the withdrawal's waits short as well, since nothing the server
    // says matters any more.
    StopToken closing{false};
    // True from the start of a transfer thread until it has finished with the
    // control connection (after a withdrawal, which follows the final state).
    std::atomic<bool> running{false};
    // Guards the transfer thread's handle: whoever starts, ends or waits for
    // the thread holds it.
    std::mutex threadMutex;
    std::thread transfer;

    FtpSession() { control.stop = &closing; }
    FtpSession(const FtpSession&) = delete;
    FtpSession& operator=(const FtpSession&) = delete;
    ~FtpSession();
};

// The body of the transfer thread: stores the local file under remoteName and
// leaves TransferDone or TransferFailed in the state. A transfer that fails
// once the server may have begun the file asks the server to abort and to
// delete it, after the state is set, and clears `running` as its last act.
void runTransfer(FtpSession& session, const std::string& localPath, const std::string& remoteName);

} // namespace codarium::ftp
