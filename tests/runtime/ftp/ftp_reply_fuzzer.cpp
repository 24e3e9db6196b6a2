// Arbitrary bytes, cut into receives at places the input chooses, through the
// reply reader and the 227 parser. Nothing here touches a socket.
#include "runtime/ftp_reply.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace codarium::ftp;
    if (size == 0) {
        return 0;
    }
    // The first byte seeds the piece sizes; the rest is the byte stream.
    std::uint32_t cut = data[0] * 2654435761u + 1;
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    ReplyReader reader;
    std::size_t at = 0;
    while (at < bytes.size()) {
        cut = cut * 1103515245u + 12345u;
        const std::size_t piece = 1 + (cut >> 16) % 64;
        reader.feed(bytes.substr(at, piece));
        at += piece;
        while (auto reply = reader.takeReply()) {
            if (reply->code.size() > 3 || reply->lastLine.size() > MaxReplyLine ||
                reply->lastLine.empty()) {
                std::abort();
            }
            (void)replyCodeAccepted(reply->code, "125;150");
            if (const auto passive = parsePassiveReply(reply->lastLine)) {
                (void)passive->port;
            }
        }
    }
    reader.endOfInput();
    while (auto reply = reader.takeReply()) {
        (void)parsePassiveReply(reply->lastLine);
    }
    (void)parsePassiveReply(bytes);
    return 0;
}
