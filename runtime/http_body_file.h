#pragma once
// The destination of a download: the body goes into a new temporary file
// beside the destination, which replaces the destination only once the body
// is known to be complete. Until then an existing destination is untouched.
// The destination's name is replaced as it is: a symbolic link there is
// replaced, never written through.
#include "platform/atomic_save.h"
#include "runtime/http_response_parser.h"

#include <cstdint>
#include <string_view>

namespace codarium {

class HttpBodyFile : public HttpBodySink {
public:
    // A body longer than maxBytes fails the response as soon as it is
    // longer, so that a server that never stops sending fills neither the
    // disk nor the time.
    HttpBodyFile(std::string_view destinationPath, std::int64_t maxBytes);
    // The temporary file is removed unless it was committed.
    ~HttpBodyFile() override = default;
    HttpBodyFile(const HttpBodyFile&) = delete;
    HttpBodyFile& operator=(const HttpBodyFile&) = delete;

    bool beginBody() override;
    bool writeBody(std::string_view bytes) override;

    // Flushes the temporary file and renames it over the destination.
    bool commit();
    std::int64_t written() const { return file_.written(); }

private:
    bool named_;
    std::int64_t maxBytes_;
    bool begun_ = false;
    platform::FileReplacement file_;
};

} // namespace codarium
