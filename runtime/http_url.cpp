#include "runtime/http_url.h"

#include <algorithm>

namespace codarium {

namespace {

bool hasControlCharacter(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || byte == 0x7F;
    });
}

// The value of the leading decimal digits, kept to 16 bits as the port field
// is.
std::uint16_t leadingPort(std::string_view text) {
    unsigned value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            break;
        }
        value = (value * 10 + static_cast<unsigned>(c - '0')) & 0xFFFFu;
    }
    return static_cast<std::uint16_t>(value);
}

bool isHttps(std::string_view scheme) {
    constexpr std::string_view https = "https";
    if (scheme.size() != https.size()) {
        return false;
    }
    for (std::size_t i = 0; i < https.size(); ++i) {
        const char c = scheme[i];
        if ((c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c) != https[i]) {
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<HttpUrl> splitUrl(std::string_view url) {
    const auto schemeEnd = url.find("://");
    if (schemeEnd == std::string_view::npos || hasControlCharacter(url)) {
        return std::nullopt;
    }
    const std::string_view rest = url.substr(schemeEnd + 3);
    const auto slash = rest.find('/');
    std::string_view authority = rest.substr(0, slash);
    if (const auto at = authority.find('@'); at != std::string_view::npos) {
        authority.remove_prefix(at + 1);
    }
    HttpUrl parts;
    parts.secure = isHttps(url.substr(0, schemeEnd));
    parts.port = parts.defaultPort();
    const auto colon = authority.find(':');
    parts.host = std::string(authority.substr(0, colon));
    if (parts.host.empty()) {
        return std::nullopt;
    }
    if (colon != std::string_view::npos && colon + 1 < authority.size()) {
        parts.port = leadingPort(authority.substr(colon + 1));
    }
    if (slash != std::string_view::npos) {
        parts.path = std::string(rest.substr(slash + 1));
    }
    return parts;
}

std::string buildRequest(const HttpUrl& url) {
    std::string request;
    request.reserve(url.path.size() + url.host.size() + 80);
    request += "GET /";
    request += url.path;
    request += " HTTP/1.1\r\nAccept: */*\r\nHost: ";
    request += url.host;
    if (url.port != url.defaultPort()) {
        request += ':';
        request += std::to_string(url.port);
    }
    request += "\r\nConnection: close\r\n\r\n";
    return request;
}

} // namespace codarium
