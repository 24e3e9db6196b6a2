#pragma once
// What the upload window shows while a file goes out: the size line, the
// bar's position and the percentage, and the name the file gets on the
// server.
#include <cstdint>
#include <optional>
#include <string>

namespace codarium::online {

// "Größe: " + the size in decimal + " Bytes" (program text).
std::string sizeText(std::int64_t size);

// The bar's position for a transfer state, within its range 0 to size: the
// bytes sent, 0 while negotiating, the whole size once the transfer is done;
// nothing for a failed transfer, whose bar stays where it was.
std::optional<std::int64_t> barPosition(std::int32_t transferState, std::int64_t size);

// position x 100 / size in 64-bit integers, within 0 to 100; 0 for an
// empty size.
int percentOf(std::int64_t position, std::int64_t size);
// The number in decimal followed by " %".
std::string percentText(int percent);

// A local date and time.
struct LocalTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};
LocalTime localNow();

// Day, month, four-digit year, hour, minute, second, each two digits wide
// (the year four), without separators, then ".pb": 31122026090507.pb.
std::string remoteFileName(const LocalTime& time);

} // namespace codarium::online
