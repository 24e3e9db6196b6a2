#include "runtime/http_download.h"

#include "runtime/http_body_file.h"
#include "runtime/http_response_parser.h"
#include "runtime/http_url.h"

#include <algorithm>
#include <chrono>
#include <limits>
#include <memory>

namespace codarium {

namespace {

constexpr int SendLimitSeconds = 10;
// The first read is the size of the classic request buffer; later reads use
// the larger block, which keeps bulk transfers from being bound by calls.
constexpr std::size_t FirstReadBytes = 2048;
constexpr std::size_t BlockBytes = 64 * 1024;

} // namespace

int download(std::string_view url, std::string_view destinationPath, const StopToken* stop,
             std::int64_t maxBodyBytes, int maxSeconds) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(maxSeconds);
    const auto target = splitUrl(url);
    if (!target) {
        return 0;
    }
    OwnedConnection connection(openConnection(target->host, target->port, stop));
    if (!connection) {
        return 0;
    }
    const std::string request = buildRequest(*target);
    if (request.size() > static_cast<std::size_t>(std::numeric_limits<int>::max()) ||
        !sendAll(connection.get(), request.data(), static_cast<int>(request.size()),
                 SendLimitSeconds, stop)) {
        return 0;
    }

    HttpBodyFile file(destinationPath, maxBodyBytes);
    HttpResponseParser parser(file);
    const auto buffer = std::make_unique<char[]>(BlockBytes + 1); // room for the zero byte
    std::size_t wanted = FirstReadBytes;
    while (parser.state() == HttpResponseParser::State::Header ||
           parser.state() == HttpResponseParser::State::Body) {
        int waitSeconds = parser.readWaitSeconds();
        if (maxSeconds > 0) {
            // A server that sends just often enough for every read is still
            // held to the whole download's time.
            const auto left =
                std::chrono::duration_cast<std::chrono::seconds>(deadline - Clock::now()).count();
            if (left <= 0) {
                return 0;
            }
            waitSeconds = static_cast<int>(std::min<std::int64_t>(waitSeconds, left));
        }
        const auto outcome = receiveBlock(connection.get(), buffer.get(), static_cast<int>(wanted),
                                          waitSeconds, stop);
        if (outcome.status == ReceiveStatus::Data) {
            parser.feed({buffer.get(), static_cast<std::size_t>(outcome.count)});
        } else if (outcome.status == ReceiveStatus::TimedOut && maxSeconds > 0 &&
                   Clock::now() >= deadline) {
            return 0; // cut short by the limit, not a quiet end of the body
        } else {
            parser.endOfInput(outcome.status == ReceiveStatus::Closed ||
                              outcome.status == ReceiveStatus::TimedOut);
        }
        wanted = parser.nextReadSize(BlockBytes);
    }
    connection.reset();
    if (parser.state() != HttpResponseParser::State::Complete || !file.commit()) {
        return 0;
    }
    return static_cast<int>(
        std::min<std::int64_t>(file.written(), std::numeric_limits<int>::max()));
}

} // namespace codarium
