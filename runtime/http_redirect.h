#pragma once
// Where a redirect leads: its Location resolved against the address that
// answered with it.
#include "runtime/http_url.h"

#include <optional>
#include <string_view>

namespace codarium {

// The most redirects one download follows; the next one fails it.
inline constexpr int MaxRedirects = 5;

// The address a Location names, taken relative to from: an absolute
// http:// or https:// address, "//host/path" with from's scheme, "/path"
// on from's host, "?query" on from's path, or a path relative to from's
// folder; "." and ".." steps are resolved and a "#fragment" is dropped.
// None for an empty Location, another scheme, a blank or control character
// (the Location becomes the request line), and for a step from https to
// plain http, which would hand the rest of the download to anyone on the
// way.
std::optional<HttpUrl> redirectTarget(const HttpUrl& from, std::string_view location);

} // namespace codarium
