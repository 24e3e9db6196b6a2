#include "runtime/ftp_control.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace codarium::ftp {

namespace {

constexpr int ReceiveBlock = 4095;

void pause(std::chrono::milliseconds duration) {
    std::this_thread::sleep_for(duration);
}

// One received block for the reply reader: its size, or 0 when the peer
// closed, the receive failed or nothing came before the deadline. The first
// looks come quickly because a reply usually follows its command within a
// millisecond; later ones settle at the usual 100 ms.
int receiveBefore(TcpConnectionPtr connection, char* destination, std::int64_t start,
                  int limitSeconds) {
    auto wait = std::chrono::milliseconds(1);
    while (nowSeconds() - start <= limitSeconds) {
        switch (pollConnection(connection)) {
        case PollResult::DataWaiting: {
            const int count = receiveSome(connection, destination, ReceiveBlock);
            return count > 0 ? count : 0;
        }
        case PollResult::Closed:
            return 0;
        case PollResult::Nothing:
            pause(wait);
            wait = std::min(wait * 2, std::chrono::milliseconds(100));
            break;
        }
    }
    return 0;
}

} // namespace

bool sendWithin(TcpConnectionPtr connection, const char* bytes, std::size_t count,
                int limitSeconds) {
    const std::int64_t start = nowSeconds();
    while (count > 0 && nowSeconds() - start < limitSeconds) {
        const int piece = static_cast<int>(std::min<std::size_t>(count, 1u << 30));
        const int sent = sendSome(connection, bytes, piece);
        if (sent > 0) {
            bytes += sent;
            count -= static_cast<std::size_t>(sent);
            continue;
        }
        if (pollConnection(connection) == PollResult::Closed) {
            return false;
        }
        pause(std::chrono::milliseconds(50));
    }
    return count == 0;
}

bool sendCommand(ControlChannel& channel, std::string_view command, std::string_view argument) {
    if (channel.connection == nullptr) {
        return false;
    }
    std::string line;
    line.reserve(command.size() + argument.size() + 2);
    line.append(command).append(argument).append("\r\n");
    return sendWithin(channel.connection, line.data(), line.size(), channel.sendLimitSeconds);
}

std::optional<Reply> readReply(ControlChannel& channel) {
    if (channel.connection == nullptr || channel.broken) {
        return std::nullopt;
    }
    const std::int64_t start = nowSeconds();
    char block[ReceiveBlock + 1];
    while (!channel.reader.hasReply()) {
        const int count =
            receiveBefore(channel.connection, block, start, channel.replyLimitSeconds);
        if (count <= 0) {
            // A last line without its line end still counts when the peer has
            // gone; a missing reply leaves the session unusable.
            channel.reader.endOfInput();
            if (!channel.reader.hasReply()) {
                channel.broken = true;
                return std::nullopt;
            }
            break;
        }
        channel.reader.feed(std::string_view(block, static_cast<std::size_t>(count)));
    }
    return channel.reader.takeReply();
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
