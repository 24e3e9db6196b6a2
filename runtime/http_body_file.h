#pragma once
// The destination of a download: the body goes into a new temporary file
// beside the destination, which replaces the destination only once the body
// is known to be complete. Until then an existing destination is untouched.
#include "runtime/http_response_parser.h"

#include <QFile>
#include <cstdint>
#include <string>
#include <string_view>

namespace codarium {

class HttpBodyFile : public HttpBodySink {
public:
    explicit HttpBodyFile(std::string_view destinationPath);
    // Removes the temporary file unless it was committed.
    ~HttpBodyFile() override;
    HttpBodyFile(const HttpBodyFile&) = delete;
    HttpBodyFile& operator=(const HttpBodyFile&) = delete;

    bool beginBody() override;
    bool writeBody(std::string_view bytes) override;

    // Closes the temporary file and renames it over the destination.
    bool commit();
    std::int64_t written() const { return written_; }

private:
    void discard();

    std::string destination_;
    std::string temporary_; // program path; empty until created
    QFile file_;
    std::int64_t written_ = 0;
    bool committed_ = false;
};

} // namespace codarium
