#include "runtime/http_download.h"

#include "runtime/http_body_file.h"
#include "runtime/http_response_parser.h"
#include "runtime/http_url.h"

#include <algorithm>
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
             std::int64_t maxBodyBytes) {
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
        const auto outcome = receiveBlock(connection.get(), buffer.get(), static_cast<int>(wanted),
                                          parser.readWaitSeconds(), stop);
        if (outcome.status == ReceiveStatus::Data) {
            parser.feed({buffer.get(), static_cast<std::size_t>(outcome.count)});
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
