#include "runtime/http_redirect.h"

#include <algorithm>
#include <string>
#include <vector>

namespace codarium {

namespace {

char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The scheme of an absolute reference ("name:" before any "/", "?" or "#"),
// in lower case; empty for a relative one.
std::string schemeOf(std::string_view reference) {
    const auto colon = reference.find(':');
    if (colon == std::string_view::npos || colon == 0 || !isLetter(reference[0])) {
        return {};
    }
    const std::string_view name = reference.substr(0, colon);
    if (name.find_first_of("/?#") != std::string_view::npos) {
        return {};
    }
    std::string scheme;
    for (char c : name) {
        if (!isLetter(c) && !(c >= '0' && c <= '9') && c != '+' && c != '-' && c != '.') {
            return {};
        }
        scheme += lower(c);
    }
    return scheme;
}

// The path with its "." and ".." steps taken out, as a path that starts at
// the root (without its leading "/").
std::string withoutDotSteps(std::string_view path) {
    std::vector<std::string_view> steps;
    std::size_t at = 0;
    bool endsInFolder = false;
    while (at <= path.size()) {
        const auto slash = std::min(path.find('/', at), path.size());
        const std::string_view step = path.substr(at, slash - at);
        const bool last = slash == path.size();
        if (step == "..") {
            if (!steps.empty()) {
                steps.pop_back();
            }
            endsInFolder = last;
        } else if (step == ".") {
            endsInFolder = last;
        } else {
            steps.push_back(step);
            endsInFolder = false;
        }
        at = slash + 1;
    }
    std::string joined;
    for (std::size_t i = 0; i < steps.size(); ++i) {
        if (i > 0) {
            joined += '/';
        }
        joined += steps[i];
    }
    if (endsInFolder && !joined.empty()) {
        joined += '/';
    }
    return joined;
}

// The path resolved, its query kept as it stands.
std::string resolvedPath(std::string_view pathAndQuery) {
    const auto question = pathAndQuery.find('?');
    std::string path = withoutDotSteps(pathAndQuery.substr(0, question));
    if (question != std::string_view::npos) {
        path += pathAndQuery.substr(question);
    }
    return path;
}

bool hasBlankOrControl(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte <= 0x20 || byte == 0x7F;
    });
}

std::optional<HttpUrl> resolve(const HttpUrl& from, std::string_view reference) {
    const std::string scheme = schemeOf(reference);
    if (!scheme.empty()) {
        if (scheme != "http" && scheme != "https") {
            return std::nullopt;
        }
        auto target = splitUrl(reference);
        if (target) {
            target->path = resolvedPath(target->path);
        }
        return target;
    }
    if (reference.starts_with("//")) {
        return resolve(from, std::string(from.secure ? "https:" : "http:") += reference);
    }
    HttpUrl target = from;
    const std::string_view basePath =
        std::string_view(from.path).substr(0, std::min(from.path.find('?'), from.path.size()));
    if (reference.starts_with('/')) {
        target.path = resolvedPath(reference.substr(1));
    } else if (reference.starts_with('?')) {
        target.path = std::string(basePath) += reference;
    } else {
        const auto folderEnd = basePath.rfind('/');
        std::string joined(folderEnd == std::string_view::npos ? std::string_view()
                                                               : basePath.substr(0, folderEnd + 1));
        joined += reference;
        target.path = resolvedPath(joined);
    }
    return target;
}

} // namespace

std::optional<HttpUrl> redirectTarget(const HttpUrl& from, std::string_view location) {
    location = location.substr(0, location.find('#'));
    if (location.empty() || hasBlankOrControl(location)) {
        return std::nullopt;
    }
    auto target = resolve(from, location);
    if (!target || (from.secure && !target->secure)) {
        return std::nullopt;
    }
    return target;
}

} // namespace codarium
