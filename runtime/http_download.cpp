#include "runtime/http_download.h"

#include "runtime/http_body_file.h"
#include "runtime/http_redirect.h"
#include "runtime/http_response_parser.h"
#include "runtime/http_url.h"

#include <algorithm>
#include <chrono>
#include <limits>
#include <memory>
#include <string>

namespace codarium {

namespace {

constexpr int SendLimitSeconds = 10;
constexpr int HandshakeLimitSeconds = 10;
// The first read is the size of the classic request buffer; later reads use
// the larger block, which keeps bulk transfers from being bound by calls.
constexpr std::size_t FirstReadBytes = 2048;
constexpr std::size_t BlockBytes = 64 * 1024;

// The time of the whole download, shared by every hop of its redirects.
class TimeBudget {
public:
    explicit TimeBudget(int maxSeconds)
        : limited_(maxSeconds > 0), deadline_(Clock::now() + std::chrono::seconds(maxSeconds)) {}

    bool over() const { return limited_ && secondsLeft() <= 0; }
    // The whole seconds left, at least 1; 0 when there is no whole time.
    int left() const {
        return limited_ ? static_cast<int>(std::max<std::int64_t>(secondsLeft(), 1)) : 0;
    }
    // A wait of seconds, cut to what is left of the whole time.
    int cap(int seconds) const {
        return limited_ ? static_cast<int>(std::min<std::int64_t>(seconds, secondsLeft()))
                        : seconds;
    }

private:
    using Clock = std::chrono::steady_clock;
    std::int64_t secondsLeft() const {
        return std::chrono::duration_cast<std::chrono::seconds>(deadline_ - Clock::now()).count();
    }
    bool limited_;
    Clock::time_point deadline_;
};

struct Hop {
    enum class End { Stored, Redirected, Failed };
    End end = End::Failed;
    int stored = 0;       // Stored: the body bytes now at the destination
    std::string location; // Redirected: where the server sent us
};

// One request on a connection of its own; a redirect leaves the
// destination as it was.
Hop fetchOnce(const HttpUrl& target, std::string_view destinationPath, const StopToken* stop,
              std::int64_t maxBodyBytes, const TimeBudget& budget) {
    OwnedConnection connection(openConnection(target.host, target.port, stop, budget.left()));
    if (!connection || budget.over()) {
        return {};
    }
    if (target.secure && startTls(connection.get(), target.host, budget.cap(HandshakeLimitSeconds),
                                  stop) != TlsOutcome::Established) {
        return {};
    }
    const std::string request = buildRequest(target);
    if (request.size() > static_cast<std::size_t>(std::numeric_limits<int>::max()) ||
        !sendAll(connection.get(), request.data(), static_cast<int>(request.size()),
                 budget.cap(SendLimitSeconds), stop)) {
        return {};
    }

    HttpBodyFile file(destinationPath, maxBodyBytes);
    HttpResponseParser parser(file);
    const auto buffer = std::make_unique<char[]>(BlockBytes + 1); // room for the zero byte
    std::size_t wanted = FirstReadBytes;
    while (parser.state() == HttpResponseParser::State::Header ||
           parser.state() == HttpResponseParser::State::Body) {
        // A server that sends just often enough for every read is still
        // held to the whole download's time.
        if (budget.over()) {
            return {};
        }
        const auto outcome = receiveBlock(connection.get(), buffer.get(), static_cast<int>(wanted),
                                          budget.cap(parser.readWaitSeconds()), stop);
        if (outcome.status == ReceiveStatus::Data) {
            parser.feed({buffer.get(), static_cast<std::size_t>(outcome.count)});
        } else if (outcome.status == ReceiveStatus::TimedOut && budget.over()) {
            return {}; // cut short by the limit, not a quiet end of the body
        } else {
            parser.endOfInput(outcome.status == ReceiveStatus::Closed ||
                              outcome.status == ReceiveStatus::TimedOut);
        }
        wanted = parser.nextReadSize(BlockBytes);
    }
    connection.reset();
    if (parser.state() == HttpResponseParser::State::Redirect) {
        return {Hop::End::Redirected, 0, parser.location()};
    }
    if (parser.state() != HttpResponseParser::State::Complete || !file.commit()) {
        return {};
    }
    return {
        Hop::End::Stored,
        static_cast<int>(std::min<std::int64_t>(file.written(), std::numeric_limits<int>::max())),
        {}};
}

} // namespace

int download(std::string_view url, std::string_view destinationPath, const StopToken* stop,
             std::int64_t maxBodyBytes, int maxSeconds) {
    const TimeBudget budget(maxSeconds);
    auto target = splitUrl(url);
    for (int redirects = 0; target && !budget.over(); ++redirects) {
        const Hop hop = fetchOnce(*target, destinationPath, stop, maxBodyBytes, budget);
        if (hop.end != Hop::End::Redirected) {
            return hop.stored;
        }
        if (redirects == MaxRedirects) {
            return 0;
        }
        target = redirectTarget(*target, hop.location);
    }
    return 0;
}

} // namespace codarium
