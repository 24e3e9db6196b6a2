#pragma once
// One HTTP/1.1 GET, over TLS for an https:// address, its body stored in a
// file; redirects are followed.
#include "runtime/tcp_connection.h"

#include <cstdint>
#include <string_view>

namespace codarium {

// The longest body a download takes unless its caller expects less.
inline constexpr std::int64_t DownloadLimitBytes = 1'000'000'000;

// The number of body bytes stored at destinationPath (a native path); 0 on
// any failure, which leaves an existing destination as it was, and also for
// an empty body. A body longer than maxBodyBytes is a failure, noticed as
// soon as it is longer, and so is a download that takes longer than
// maxSeconds in all (when above 0; each read has its own limit anyway).
// Up to MaxRedirects redirects (301, 302, 303, 307, 308) are followed, each
// hop on a new connection within the same time and size limits; a redirect
// without a usable Location, one more than that, or one from https to http
// is a failure, and a redirect's own body is never stored. A certificate
// that does not check out is a failure like any other. Blocks the calling
// thread; setting stop makes it give up at once.
int download(std::string_view url, std::string_view destinationPath,
             const StopToken* stop = nullptr, std::int64_t maxBodyBytes = DownloadLimitBytes,
             int maxSeconds = 0);

} // namespace codarium
