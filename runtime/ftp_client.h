#pragma once
// A small FTP client that logs in to a server and stores one local file on it
// in binary mode over a passive data connection, on a thread of its own,
// while the caller watches the transfer state and may cancel.
//
// Connections are kept in a table under small numbers chosen by the caller.
// Every connection still open when the process ends is closed (with QUIT) by
// the table's own destructor; ftpCloseAll does the same on request.
#include "runtime/ftp_control.h"

#include <cstdint>
#include <string_view>

namespace codarium {

// Transfer states besides a byte count (0 and up: data is flowing).
inline constexpr std::int32_t TransferNegotiating = -1;
inline constexpr std::int32_t TransferFailed = -2;
inline constexpr std::int32_t TransferDone = -3;

// Connects, reads the greeting and logs in with USER and PASS. An old
// connection under the same number is closed first, as by ftpClose. A server
// that accepts the user without a password is refused. Every reply must come
// within replyLimitSeconds. Setting *stop ends the connect, every wait of the
// login and the close of an old connection at once (result 0). Non-zero on
// success.
int ftpConnect(int number, std::string_view host, std::string_view user, std::string_view password,
               std::uint16_t port = 21, int replyLimitSeconds = ftp::DefaultReplyLimitSeconds,
               const StopToken* stop = nullptr);

// Starts storing the local file (a native path) under remoteName on the
// server. 1 when the transfer thread was started, 0 when a name is empty, the
// number holds no usable connection, a transfer is still running there, or
// the thread cannot be started (the state is then TransferFailed).
int uploadFile(int number, std::string_view localPath, std::string_view remoteName);

// TransferNegotiating, the bytes sent so far, TransferFailed or TransferDone;
// 0 for a number without a connection.
std::int32_t transferState(int number);

// Asks a running transfer to stop and returns at once; every wait of the
// transfer ends within a fraction of a second, and the state then becomes
// TransferFailed (or TransferDone when the server had already confirmed the
// whole file). A transfer that ends without success once the server took
// STOR sends ABOR and DELE for the remote name before its thread ends, so
// that no part of the file stays on the server. A cancel before uploadFile
// has started the transfer is not remembered.
void cancelTransfer(int number);

// cancelTransfer, then waits until the transfer's thread has ended (the
// ABOR and DELE that follow a failure included, within short limits of
// their own). A transfer still negotiating ends without sending data.
void abortTransfer(int number);

// Ends a running transfer as abortTransfer does, sends QUIT and forgets the
// number.
void ftpClose(int number);

// Closes every number that holds a connection, in a hurry: running transfers
// are cut short without waiting for any reply, then QUIT is sent.
void ftpCloseAll();

} // namespace codarium
