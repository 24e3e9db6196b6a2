// Arbitrary response bytes, cut into pieces at arbitrary points, through the
// response parser. The first bytes choose the cuts.
#include "runtime/http_response_parser.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

struct CountingSink : codarium::HttpBodySink {
    bool begun = false;
    std::size_t total = 0;
    bool beginBody() override {
        if (begun) {
            std::abort(); // begun twice
        }
        begun = true;
        return true;
    }
    bool writeBody(std::string_view bytes) override {
        if (!begun || bytes.empty()) {
            std::abort();
        }
        // Touch every byte so that a view outside the input is noticed.
        volatile unsigned char sum = 0;
        for (char c : bytes) {
            sum = static_cast<unsigned char>(sum + static_cast<unsigned char>(c));
        }
        total += bytes.size();
        return true;
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const unsigned cutSeed = data[0];
    const bool orderly = (data[1] & 1) != 0;
    const std::string_view response(reinterpret_cast<const char*>(data + 2), size - 2);

    CountingSink sink;
    codarium::HttpResponseParser parser(sink);
    std::uint32_t state = cutSeed * 2654435761u + 1;
    std::size_t at = 0;
    while (at < response.size()) {
        state = state * 1103515245u + 12345u;
        const std::size_t piece = 1 + (state >> 16) % (cutSeed % 4 == 0 ? 4096 : 16);
        const auto before = parser.state();
        const auto after = parser.feed(response.substr(at, piece));
        using State = codarium::HttpResponseParser::State;
        if ((before == State::Complete || before == State::Redirect || before == State::Failed) &&
            after != before) {
            std::abort(); // an ended response changed state
        }
        at += piece;
    }
    parser.endOfInput(orderly);
    if (parser.state() == codarium::HttpResponseParser::State::Redirect &&
        (sink.begun || parser.location().empty())) {
        std::abort(); // a redirect's body reached the file, or it leads nowhere
    }
    if (sink.total > response.size()) {
        std::abort(); // more body than bytes received
    }
    if (parser.readWaitSeconds() != 1 && parser.readWaitSeconds() != 10) {
        std::abort();
    }
    return 0;
}
