#include "runtime/http_body_file.h"

#include "platform/paths.h"

namespace codarium {

HttpBodyFile::HttpBodyFile(std::string_view destinationPath, std::int64_t maxBytes)
    : named_(!destinationPath.empty()), maxBytes_(maxBytes),
      file_(std::string(destinationPath), platform::ReplaceMode::ReplaceName) {}

bool HttpBodyFile::beginBody() {
    if (!named_ || begun_) {
        return false;
    }
    begun_ = true;
    return file_.begin().ok();
}

bool HttpBodyFile::writeBody(std::string_view bytes) {
    if (static_cast<std::int64_t>(bytes.size()) > maxBytes_ - file_.written()) {
        return false;
    }
    return file_.write(bytes);
}

bool HttpBodyFile::commit() {
    return file_.commit().ok();
}

} // namespace codarium
