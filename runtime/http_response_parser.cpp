#include "runtime/http_response_parser.h"

#include <algorithm>
#include <limits>

namespace codarium {

namespace {

// Longer chunk-size lines (digits plus extensions) are not a real server's.
constexpr std::size_t MaxChunkSizeLine = 4096;
// Announced lengths are kept below this, so sums of them cannot overflow.
constexpr std::int64_t LengthCap = std::numeric_limits<std::int64_t>::max() / 16;

char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (lower(text[i]) != prefix[i]) {
            return false;
        }
    }
    return true;
}

bool containsNoCase(std::string_view text, std::string_view word) {
    for (std::size_t at = 0; at + word.size() <= text.size(); ++at) {
        if (startsWithNoCase(text.substr(at), word)) {
            return true;
        }
    }
    return false;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

int hexValue(char c) {
    if (isDigit(c)) {
        return c - '0';
    }
    const char l = lower(c);
    return (l >= 'a' && l <= 'f') ? l - 'a' + 10 : -1;
}

} // namespace

HttpResponseParser::State HttpResponseParser::fail() {
    state_ = State::Failed;
    header_.clear();
    header_.shrink_to_fit();
    return state_;
}

int HttpResponseParser::readWaitSeconds() const {
    return (state_ == State::Body && mode_ == HttpBodyMode::UntilQuiet) ? 1 : 10;
}

std::size_t HttpResponseParser::nextReadSize(std::size_t block) const {
    if (state_ == State::Body && mode_ != HttpBodyMode::Chunked && remaining_ > 0 &&
        static_cast<std::uint64_t>(remaining_) < block) {
        return static_cast<std::size_t>(remaining_);
    }
    return block;
}

bool HttpResponseParser::takeStatusLine(std::string_view line) {
    // "HTTP/x.y" then the three-digit code, then the reason phrase (which
    // may contain any digits).
    if (!line.starts_with("HTTP/")) {
        return false;
    }
    const auto blank = line.find(' ');
    if (blank == std::string_view::npos) {
        return false;
    }
    std::string_view rest = line.substr(blank);
    while (!rest.empty() && isBlank(rest.front())) {
        rest.remove_prefix(1);
    }
    if (rest.size() < 3 || !isDigit(rest[0]) || !isDigit(rest[1]) || !isDigit(rest[2]) ||
        (rest.size() > 3 && !isBlank(rest[3]))) {
        return false;
    }
    const std::string_view code = rest.substr(0, 3);
    redirect_ = code == "301" || code == "302" || code == "303" || code == "307" || code == "308";
    return code == "200" || redirect_;
}

void HttpResponseParser::takeHeaderLine(std::string_view line) {
    constexpr std::string_view encoding = "transfer-encoding:";
    constexpr std::string_view length = "content-length:";
    constexpr std::string_view location = "location:";
    if (startsWithNoCase(line, location)) {
        std::string_view value = line.substr(location.size());
        while (!value.empty() && isBlank(value.front())) {
            value.remove_prefix(1);
        }
        while (!value.empty() && isBlank(value.back())) {
            value.remove_suffix(1);
        }
        location_ = std::string(value);
        return;
    }
    if (startsWithNoCase(line, encoding)) {
        if (containsNoCase(line.substr(encoding.size()), "chunked")) {
            chunked_ = true;
        }
        return;
    }
    if (!startsWithNoCase(line, length)) {
        return;
    }
    std::string_view value = line.substr(length.size());
    while (!value.empty() && isBlank(value.front())) {
        value.remove_prefix(1);
    }
    std::int64_t announced = 0;
    for (char c : value) {
        if (!isDigit(c)) {
            break;
        }
        announced = std::min<std::int64_t>(announced * 10 + (c - '0'), LengthCap);
    }
    announced_ = announced;
}

HttpResponseParser::HeaderScan HttpResponseParser::scanHeader() {
    for (;;) {
        const auto cr = header_.find('\r', scanFrom_);
        if (cr == std::string::npos) {
            scanFrom_ = header_.size();
            return HeaderScan::NeedMore;
        }
        if (cr + 1 == header_.size()) {
            // Whether an LF follows (and so belongs to this line end) is not
            // known yet.
            scanFrom_ = cr;
            return HeaderScan::NeedMore;
        }
        const std::size_t next = cr + 1 + (header_[cr + 1] == '\n' ? 1 : 0);
        const std::string_view line = std::string_view(header_).substr(lineStart_, cr - lineStart_);
        lineStart_ = scanFrom_ = next;
        if (!statusSeen_) {
            statusSeen_ = true;
            if (!takeStatusLine(line)) {
                return HeaderScan::Failed;
            }
        } else if (line.empty()) {
            return HeaderScan::Done;
        } else {
            takeHeaderLine(line);
        }
    }
}

HttpResponseParser::State HttpResponseParser::feed(std::string_view bytes) {
    if (state_ == State::Body) {
        return feedBody(bytes);
    }
    while (state_ == State::Header && !bytes.empty()) {
        // One byte beyond the limit is let in to tell whether a final CR is
        // followed by its LF.
        const std::size_t room = MaxHeaderBytes + 1 - header_.size();
        const std::size_t take = std::min(room, bytes.size());
        header_.append(bytes.data(), take);
        bytes.remove_prefix(take);
        switch (scanHeader()) {
        case HeaderScan::Failed:
            return fail();
        case HeaderScan::NeedMore:
            if (header_.size() > MaxHeaderBytes) {
                return fail();
            }
            break;
        case HeaderScan::Done: {
            if (lineStart_ > MaxHeaderBytes) {
                return fail();
            }
            const std::string tail = header_.substr(lineStart_);
            header_.clear();
            header_.shrink_to_fit();
            if (endHeader(tail) == State::Body) {
                feedBody(bytes);
            }
            break;
        }
        }
    }
    return state_;
}

HttpResponseParser::State HttpResponseParser::endHeader(std::string_view firstBytes) {
    if (!redirect_) {
        return startBody(firstBytes);
    }
    // A redirect that names no target has nothing to follow, and its body
    // is not the file that was asked for.
    state_ = location_.empty() ? State::Failed : State::Redirect;
    return state_;
}

HttpResponseParser::State HttpResponseParser::startBody(std::string_view firstBytes) {
    state_ = State::Body;
    if (chunked_) {
        mode_ = HttpBodyMode::Chunked;
        remaining_ = 0;
    } else if (announced_ != -1) {
        mode_ = HttpBodyMode::Length;
        remaining_ = announced_;
    } else {
        mode_ = HttpBodyMode::UntilQuiet;
        remaining_ = UntilQuietLength;
    }
    if (!sink_.beginBody()) {
        return fail();
    }
    if (mode_ == HttpBodyMode::Length && remaining_ == 0) {
        state_ = State::Complete;
        return state_;
    }
    return feedBody(firstBytes);
}

bool HttpResponseParser::write(std::string_view bytes) {
    return bytes.empty() || sink_.writeBody(bytes);
}

HttpResponseParser::State HttpResponseParser::feedBody(std::string_view bytes) {
    if (state_ != State::Body || bytes.empty()) {
        return state_;
    }
    if (mode_ == HttpBodyMode::Chunked) {
        return feedChunked(bytes);
    }
    const auto count = static_cast<std::size_t>(
        std::min<std::uint64_t>(static_cast<std::uint64_t>(remaining_), bytes.size()));
    if (!write(bytes.substr(0, count))) {
        return fail();
    }
    remaining_ -= static_cast<std::int64_t>(count);
    if (remaining_ == 0) {
        state_ = State::Complete;
    }
    return state_;
}

HttpResponseParser::State HttpResponseParser::feedChunked(std::string_view bytes) {
    std::size_t at = 0;
    while (at < bytes.size() && state_ == State::Body) {
        const char c = bytes[at];
        switch (chunkStep_) {
        case ChunkStep::SizeDigits: {
            const int digit = hexValue(c);
            if (digit < 0) {
                if (sizeDigits_ == 0) {
                    return fail();
                }
                chunkStep_ = ChunkStep::SizeRest; // looks at c again
                break;
            }
            if (remaining_ > LengthCap / 16) {
                return fail();
            }
            remaining_ = remaining_ * 16 + digit;
            ++sizeDigits_;
            ++at;
            if (++sizeLineLength_ > MaxChunkSizeLine) {
                return fail();
            }
            break;
        }
        case ChunkStep::SizeRest:
            ++at;
            if (c == '\r') {
                if (remaining_ == 0) {
                    // The last chunk; trailer lines are not read.
                    state_ = State::Complete;
                    return state_;
                }
                chunkStep_ = ChunkStep::SizeLineFeed;
            } else if (++sizeLineLength_ > MaxChunkSizeLine) {
                return fail();
            }
            break;
        case ChunkStep::SizeLineFeed:
            if (c == '\n') {
                ++at;
            }
            chunkStep_ = ChunkStep::Data;
            break;
        case ChunkStep::Data: {
            const auto count = static_cast<std::size_t>(
                std::min<std::uint64_t>(static_cast<std::uint64_t>(remaining_), bytes.size() - at));
            if (!write(bytes.substr(at, count))) {
                return fail();
            }
            at += count;
            remaining_ -= static_cast<std::int64_t>(count);
            if (remaining_ == 0) {
                chunkStep_ = ChunkStep::DataReturn;
            }
            break;
        }
        case ChunkStep::DataReturn:
            if (c != '\r') {
                return fail(); // the chunk was longer than its size said
            }
            ++at;
            chunkStep_ = ChunkStep::DataLineFeed;
            break;
        case ChunkStep::DataLineFeed:
            if (c == '\n') {
                ++at;
            }
            chunkStep_ = ChunkStep::SizeDigits;
            sizeDigits_ = 0;
            sizeLineLength_ = 0;
            break;
        }
    }
    return state_;
}

HttpResponseParser::State HttpResponseParser::endOfInput(bool orderly) {
    if (state_ == State::Header) {
        // A header whose final CR was the last byte: no LF can follow now.
        const bool endsInFinalCr = statusSeen_ && !header_.empty() && header_.back() == '\r' &&
                                   lineStart_ + 1 == header_.size();
        if (!endsInFinalCr || header_.size() > MaxHeaderBytes) {
            return fail();
        }
        header_.clear();
        header_.shrink_to_fit();
        endHeader({});
    }
    if (state_ == State::Body) {
        if (mode_ == HttpBodyMode::UntilQuiet && orderly) {
            state_ = State::Complete;
        } else {
            fail();
        }
    }
    return state_;
}

} // namespace codarium
