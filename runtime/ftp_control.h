#pragma once
// The command side of an FTP session: commands out, replies in, each within a
// time limit so that a silent or stuck server ends the operation as a failure.
#include "runtime/ftp_reply.h"
#include "runtime/tcp_connection.h"

#include <string>
#include <string_view>

namespace codarium::ftp {

inline constexpr int CommandSendLimitSeconds = 30;
inline constexpr int DataSendLimitSeconds = 5;
inline constexpr int DefaultReplyLimitSeconds = 30;

struct ControlChannel {
    TcpConnectionPtr connection = nullptr;
    ReplyReader reader;
    int sendLimitSeconds = CommandSendLimitSeconds;
    int replyLimitSeconds = DefaultReplyLimitSeconds;
    // Set once a reply could not be read: replies may then be out of step with
    // the commands, so the session takes no further commands but QUIT.
    bool broken = false;
    // Replies still to come for commands whose wait was cut short by `stop`.
    // The next read takes them first, so that replies stay in step with the
    // commands after a cancel.
    int owedReplies = 0;
    // When set, every wait on the connection ends at once (a cancel, or the
    // session is being closed). Whoever uses the channel points it at the
    // flag that matters for what it does.
    const StopToken* stop = nullptr;
};

// Whether text may stand in a command line: no CR or LF that would end the
// line early and smuggle in a command of its own.
bool fitsCommandLine(std::string_view text);

// command + argument + CR LF on the control connection; refused when the
// argument does not fit a command line.
bool sendCommand(ControlChannel& channel, std::string_view command, std::string_view argument);
// Reads one reply and accepts it when its code is one of accepted ("125;150").
// lastLine, when given, receives the reply's last line.
bool expectReply(ControlChannel& channel, std::string_view accepted,
                 std::string* lastLine = nullptr);
// Reads one reply without looking at its code; false when none arrived.
bool skipReply(ControlChannel& channel);
// Reads one reply; its code is left to the caller. Replies owed to earlier
// commands are read and dropped first. A wait cut short by `stop` gives
// nothing and leaves the reply owed; a silent or closed peer breaks the
// channel.
std::optional<Reply> readReply(ControlChannel& channel);

} // namespace codarium::ftp
