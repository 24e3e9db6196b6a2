#include "runtime/url_path_encoding.h"

namespace codarium {
namespace {

bool isHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// The characters a path segment may hold raw, and "/" between segments.
bool standsRaw(unsigned char byte) {
    if ((byte >= 'a' && byte <= 'z') || (byte >= 'A' && byte <= 'Z') ||
        (byte >= '0' && byte <= '9')) {
        return true;
    }
    switch (byte) {
    case '-':
    case '.':
    case '_':
    case '~': // unreserved
    case '!':
    case '$':
    case '&':
    case '\'':
    case '(':
    case ')': // sub-delimiters
    case '*':
    case '+':
    case ',':
    case ';':
    case '=':
    case ':':
    case '@':
    case '/':
        return true;
    default:
        return false;
    }
}

} // namespace

std::string percentEncodePath(std::string_view path, PercentSigns percentSigns) {
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string encoded;
    encoded.reserve(path.size());
    for (std::size_t at = 0; at < path.size(); ++at) {
        const auto byte = static_cast<unsigned char>(path[at]);
        const bool keptEscape = byte == '%' && percentSigns == PercentSigns::KeepEscapes &&
                                at + 2 < path.size() && isHexDigit(path[at + 1]) &&
                                isHexDigit(path[at + 2]);
        if (standsRaw(byte) || keptEscape) {
            encoded += static_cast<char>(byte);
        } else {
            encoded += '%';
            encoded += Hex[byte >> 4];
            encoded += Hex[byte & 0x0F];
        }
    }
    return encoded;
}

} // namespace codarium
