#include "runtime/ftp_control.h"

namespace codarium::ftp {

bool fitsCommandLine(std::string_view text) {
    return text.find_first_of("\r\n") == std::string_view::npos;
}

bool sendCommand(ControlChannel& channel, std::string_view command, std::string_view argument) {
    if (channel.connection == nullptr || !fitsCommandLine(argument)) {
        return false;
    }
    std::string line;
    line.reserve(command.size() + argument.size() + 2);
    line.append(command).append(argument).append("\r\n");
    // A peer that has already gone would only make the send retry until its
    // limit.
    if (pollConnection(channel.connection) == PollResult::Closed) {
        return false;
    }
    return sendAll(channel.connection, line.data(), static_cast<int>(line.size()),
                   channel.sendLimitSeconds, channel.stop);
}

namespace {

constexpr int ReceiveBlock = 4095;

enum class Wait { Reply, Stopped, Failed };

// The next whole reply off the connection. A stop leaves what has arrived of
// it in the reader, so a later read goes on where this one ended.
Wait nextReply(ControlChannel& channel, Reply& reply) {
    const std::int64_t start = nowSeconds();
    char block[ReceiveBlock + 1];
    while (!channel.reader.hasReply()) {
        // The limit covers the whole reply, however it is cut into receives.
        const std::int64_t left = channel.replyLimitSeconds - (nowSeconds() - start);
        const ReceiveOutcome outcome = left < 0
                                           ? ReceiveOutcome{ReceiveStatus::TimedOut, 0}
                                           : receiveBlock(channel.connection, block, ReceiveBlock,
                                                          static_cast<int>(left), channel.stop);
        if (outcome.status == ReceiveStatus::Stopped) {
            return Wait::Stopped;
        }
        const int count = outcome.status == ReceiveStatus::Data ? outcome.count : 0;
        if (count <= 0) {
            // A last line without its line end still counts when the peer has
            // gone; a missing reply leaves the session unusable.
            if (outcome.status == ReceiveStatus::Closed) {
                channel.reader.endOfInput();
            }
            if (!channel.reader.hasReply()) {
                channel.broken = true;
                return Wait::Failed;
            }
            break;
        }
        channel.reader.feed(std::string_view(block, static_cast<std::size_t>(count)));
    }
    reply = *channel.reader.takeReply();
    return Wait::Reply;
}

// A preliminary reply (1xx) is followed by another for the same command.
bool preliminary(const Reply& reply) {
    return !reply.code.empty() && reply.code[0] == '1';
}

} // namespace

std::optional<Reply> readReply(ControlChannel& channel) {
    if (channel.connection == nullptr || channel.broken) {
        return std::nullopt;
    }
    // The reply asked for is owed as well until it has been read.
    ++channel.owedReplies;
    Reply reply;
    while (channel.owedReplies > 1) {
        if (nextReply(channel, reply) != Wait::Reply) {
            return std::nullopt;
        }
        if (!preliminary(reply)) {
            --channel.owedReplies;
        }
    }
    if (nextReply(channel, reply) != Wait::Reply) {
        return std::nullopt;
    }
    --channel.owedReplies;
    return reply;
}

bool expectReply(ControlChannel& channel, std::string_view accepted, std::string* lastLine) {
    const std::optional<Reply> reply = readReply(channel);
    if (!reply) {
        return false;
    }
    if (lastLine != nullptr) {
        *lastLine = reply->lastLine;
    }
    return replyCodeAccepted(reply->code, accepted);
}

bool skipReply(ControlChannel& channel) {
    return readReply(channel).has_value();
}

} // namespace codarium::ftp
