#pragma once
// Reading FTP replies from the bytes of a control connection, kept apart from
// any socket so that it can be tested and fuzzed on its own.
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>

namespace codarium::ftp {

// Longest reply line kept; the rest of a longer line is dropped, so a server
// cannot make the reader grow without bound.
inline constexpr std::size_t MaxReplyLine = 2048;

struct Reply {
    std::string code;     // the first three characters of the first line
    std::string lastLine; // the final line of the reply (the only one for one-line replies)
};

// Collects received bytes into lines and lines into replies. Every CR or LF
// ends a line, a run of them counts as one line end, and empty lines are
// dropped. A line split across receives is joined before it is read. A reply
// whose first line has "-" after its code continues up to the first line that
// begins with the same code followed by a blank.
class ReplyReader {
public:
    void feed(std::string_view bytes);
    // The peer has closed: a last line without its line end still counts.
    void endOfInput();

    bool hasReply() const { return !ready_.empty(); }
    // The oldest complete reply not yet taken.
    std::optional<Reply> takeReply();
    // Drops everything received so far, complete or not.
    void clear();

private:
    void lineEnded();

    std::string line_;
    bool inMultiLine_ = false;
    Reply open_; // the multi-line reply being collected
    std::deque<Reply> ready_;
};

// True when code is one of the ';'-separated entries of accepted ("125;150").
bool replyCodeAccepted(std::string_view code, std::string_view accepted);

struct PassiveAddress {
    std::uint8_t host[4];
    std::uint16_t port;
};

// The numbers of a 227 line: the first six runs of decimal digits after the
// three-character code, h1..h4, p1, p2 (the port is p1 x 256 + p2). None when
// there are fewer than six or one of them exceeds 255.
std::optional<PassiveAddress> parsePassiveReply(std::string_view line);

} // namespace codarium::ftp
