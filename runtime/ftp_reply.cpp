#include "runtime/ftp_reply.h"

namespace codarium::ftp {

void ReplyReader::feed(std::string_view bytes) {
    for (const char c : bytes) {
        if (c == '\r' || c == '\n') {
            lineEnded();
        } else if (line_.size() < MaxReplyLine) {
            line_.push_back(c);
        }
    }
}

void ReplyReader::endOfInput() {
    lineEnded();
}

void ReplyReader::lineEnded() {
    if (line_.empty()) {
        return;
    }
    if (!inMultiLine_) {
        Reply reply{line_.substr(0, 3), line_};
        if (line_.size() > 3 && line_[3] == '-') {
            inMultiLine_ = true;
            open_ = std::move(reply);
        } else {
            ready_.push_back(std::move(reply));
        }
    } else {
        open_.lastLine = line_;
        if (line_.size() > 3 && line_.compare(0, 3, open_.code) == 0 && line_[3] == ' ') {
            inMultiLine_ = false;
            ready_.push_back(std::move(open_));
            open_ = {};
        }
    }
    line_.clear();
}

std::optional<Reply> ReplyReader::takeReply() {
    if (ready_.empty()) {
        return std::nullopt;
    }
    Reply reply = std::move(ready_.front());
    ready_.pop_front();
    return reply;
}

void ReplyReader::clear() {
    line_.clear();
    inMultiLine_ = false;
    open_ = {};
    ready_.clear();
}

bool replyCodeAccepted(std::string_view code, std::string_view accepted) {
    if (code.size() != 3) {
        return false;
    }
    while (!accepted.empty()) {
        const std::size_t end = accepted.find(';');
        if (accepted.substr(0, end) == code) {
            return true;
        }
        if (end == std::string_view::npos) {
            break;
        }
        accepted.remove_prefix(end + 1);
    }
    return false;
}

std::optional<PassiveAddress> parsePassiveReply(std::string_view line) {
    if (line.size() <= 3) {
        return std::nullopt;
    }
    unsigned numbers[6] = {};
    int found = 0;
    std::size_t i = 3;
    while (found < 6 && i < line.size()) {
        if (line[i] < '0' || line[i] > '9') {
            ++i;
            continue;
        }
        unsigned value = 0;
        for (; i < line.size() && line[i] >= '0' && line[i] <= '9'; ++i) {
            if (value <= 255) { // stays small however long the run of digits
                value = value * 10 + static_cast<unsigned>(line[i] - '0');
            }
        }
        if (value > 255) {
            return std::nullopt;
        }
        numbers[found++] = value;
    }
    if (found < 6) {
        return std::nullopt;
    }
    PassiveAddress address{};
    for (int k = 0; k < 4; ++k) {
        address.host[k] = static_cast<std::uint8_t>(numbers[k]);
    }
    address.port = static_cast<std::uint16_t>(numbers[4] * 256 + numbers[5]);
    return address;
}

} // namespace codarium::ftp
