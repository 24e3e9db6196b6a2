#pragma once
// One HTTP/1.1 GET over a plain connection, its body stored in a file.
#include "runtime/tcp_connection.h"

#include <string_view>

namespace codarium {

// The number of body bytes stored at destinationPath (a program path); 0 on
// any failure, which leaves an existing destination as it was, and also for
// an empty body. Redirects are stored, not followed. Blocks the calling
// thread; setting stop makes it give up at once.
int download(std::string_view url, std::string_view destinationPath,
             const StopToken* stop = nullptr);

} // namespace codarium
