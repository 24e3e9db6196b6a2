#include "runtime/http_body_file.h"

#include "platform/file_system.h"
#include "platform/paths.h"

#include <QRandomGenerator>
#include <cstdio>

namespace codarium {

namespace {

QString qtPath(const std::string& programPath) {
    return QFile::decodeName(QByteArray::fromStdString(platform::nativePath(programPath)));
}

} // namespace

HttpBodyFile::HttpBodyFile(std::string_view destinationPath) : destination_(destinationPath) {}

HttpBodyFile::~HttpBodyFile() {
    if (!committed_) {
        discard();
    }
}

bool HttpBodyFile::beginBody() {
    if (destination_.empty() || !temporary_.empty()) {
        return false;
    }
    // A fresh name each time, so that two downloads to one destination never
    // share a temporary file.
    for (int attempt = 0; attempt < 8; ++attempt) {
        char suffix[32];
        std::snprintf(suffix, sizeof suffix, ".part-%08x", QRandomGenerator::global()->generate());
        const std::string candidate = destination_ + suffix;
        file_.setFileName(qtPath(candidate));
        if (file_.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
            temporary_ = candidate;
            return true;
        }
        if (!file_.exists()) {
            return false; // not a name clash: the folder cannot take the file
        }
    }
    return false;
}

bool HttpBodyFile::writeBody(std::string_view bytes) {
    if (temporary_.empty()) {
        return false;
    }
    const char* rest = bytes.data();
    auto left = static_cast<qint64>(bytes.size());
    while (left > 0) {
        const qint64 done = file_.write(rest, left);
        if (done <= 0) {
            return false;
        }
        rest += done;
        left -= done;
    }
    written_ += static_cast<std::int64_t>(bytes.size());
    return true;
}

bool HttpBodyFile::commit() {
    if (temporary_.empty() || committed_) {
        return false;
    }
    file_.close();
    if (file_.error() != QFileDevice::NoError ||
        !platform::renameReplacing(temporary_, destination_)) {
        return false;
    }
    committed_ = true;
    return true;
}

void HttpBodyFile::discard() {
    if (temporary_.empty()) {
        return;
    }
    file_.close();
    platform::removeFile(temporary_);
    temporary_.clear();
}

} // namespace codarium
