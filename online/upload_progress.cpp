#include "online/upload_progress.h"

#include "platform/code_page.h"
#include "runtime/ftp_client.h"

#include <QDateTime>
#include <algorithm>
#include <cstdio>

namespace codarium::online {

std::string sizeText(std::int64_t size) {
    return platform::fromUtf8("Größe: ") + std::to_string(size) + " Bytes";
}

std::optional<std::int64_t> barPosition(std::int32_t transferState, std::int64_t size) {
    const std::int64_t top = std::max<std::int64_t>(size, 0);
    switch (transferState) {
    case TransferDone:
        return top;
    case TransferFailed:
        return std::nullopt;
    default:
        return std::clamp<std::int64_t>(transferState, 0, top);
    }
}

int percentOf(std::int64_t position, std::int64_t size) {
    if (size <= 0) {
        return 0;
    }
    const std::int64_t clamped = std::clamp<std::int64_t>(position, 0, size);
    return static_cast<int>(clamped * 100 / size);
}

std::string percentText(int percent) {
    return std::to_string(percent) + " %";
}

LocalTime localNow() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    return {date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

std::string remoteFileName(const LocalTime& time) {
    char name[96];
    std::snprintf(name, sizeof name, "%02d%02d%04d%02d%02d%02d.pb", time.day, time.month, time.year,
                  time.hour, time.minute, time.second);
    return name;
}

} // namespace codarium::online
