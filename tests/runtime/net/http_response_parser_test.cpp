#include "runtime/http_response_parser.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace codarium;
using State = HttpResponseParser::State;

namespace {

struct MemorySink : HttpBodySink {
    bool begun = false;
    std::string body;
    bool refuseWrites = false;
    bool beginBody() override {
        EXPECT_FALSE(begun);
        begun = true;
        return true;
    }
    bool writeBody(std::string_view bytes) override {
        EXPECT_TRUE(begun);
        EXPECT_FALSE(bytes.empty());
        body += bytes;
        return !refuseWrites;
    }
};

struct Outcome {
    State state;
    std::string body;
    bool begun;
};

// Feeds the response in the given pieces, then ends the input.
Outcome parse(const std::vector<std::string>& pieces, bool orderlyEnd = true) {
    MemorySink sink;
    HttpResponseParser parser(sink);
    for (const auto& piece : pieces) {
        parser.feed(piece);
    }
    parser.endOfInput(orderlyEnd);
    return {parser.state(), sink.body, sink.begun};
}

// The response cut at every position into two pieces, and into single bytes.
std::vector<std::vector<std::string>> everySplit(const std::string& response) {
    std::vector<std::vector<std::string>> splits;
    for (std::size_t cut = 0; cut <= response.size(); ++cut) {
        splits.push_back({response.substr(0, cut), response.substr(cut)});
    }
    std::vector<std::string> bytes;
    for (char c : response) {
        bytes.emplace_back(1, c);
    }
    splits.push_back(bytes);
    return splits;
}

const std::string Chunked = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"
                            "5\r\nhello\r\n6;ext=\"a b\"\r\n world\r\nA\r\n-012345678\r\n0\r\n\r\n";

} // namespace

TEST(HttpResponseParser, EveryCutOfAResponseGivesTheSameBody) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {Chunked, "hello world-012345678"},
        {"HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nabcdeTRAILING", "abcde"},
        {"HTTP/1.1 200 OK\r\n\r\nuntil the end", "until the end"},
        {"HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\n\n\n", "\n\n"},
    };
    for (const auto& [response, body] : cases) {
        for (const auto& pieces : everySplit(response)) {
            const auto outcome = parse(pieces);
            ASSERT_EQ(outcome.state, State::Complete) << response << " in " << pieces.size();
            ASSERT_EQ(outcome.body, body) << response << " in " << pieces.size();
        }
    }
}

TEST(HttpResponseParser, EveryCutOfARedirectGivesItsLocationAndNoBody) {
    const std::string redirect =
        "HTTP/1.0 302 Found\r\nLocation: \t/x?a b \r\ncontent-length:3\r\n\r\nabc";
    for (const auto& pieces : everySplit(redirect)) {
        MemorySink sink;
        HttpResponseParser parser(sink);
        for (const auto& piece : pieces) {
            parser.feed(piece);
        }
        parser.endOfInput(true);
        ASSERT_EQ(parser.state(), State::Redirect) << pieces.size();
        ASSERT_EQ(parser.location(), "/x?a b") << pieces.size();
        ASSERT_FALSE(sink.begun) << pieces.size();
    }
}

TEST(HttpResponseParser, AcceptsOnly200AndTheRedirectCodes) {
    EXPECT_EQ(parse({"HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n"}).state, State::Failed);
    EXPECT_EQ(parse({"HTTP/1.1 404 Not 200 Found\r\n\r\nx"}).state, State::Failed);
    EXPECT_EQ(parse({"HTTP/1.1 2000 OK\r\n\r\nx"}).state, State::Failed);
    EXPECT_EQ(parse({"X-200: HTTP/1.1 200 OK\r\n\r\nx"}).state, State::Failed);
    EXPECT_FALSE(parse({"HTTP/1.1 500 x\r\n\r\nx"}).begun); // nothing created for a refusal
    EXPECT_EQ(parse({"HTTP/1.1 200\r\nContent-Length: 1\r\n\r\nx"}).state, State::Complete);
    struct Case {
        const char* response;
        State state;
    };
    for (const Case c : {
             Case{"HTTP/1.1  302  Found\r\nLOCATION: /y\r\n\r\nx", State::Redirect},
             Case{"HTTP/1.1 301 Moved\r\nLocation: /y\r\n\r\n", State::Redirect},
             Case{"HTTP/1.1 303 See Other\r\nLocation: /y\r\n\r\n", State::Redirect},
             Case{"HTTP/1.1 307 Temporary\r\nLocation: /y\r\n\r\n", State::Redirect},
             Case{"HTTP/1.1 308 Permanent\r\nLocation: /y\r\n\r\n", State::Redirect},
             // Nothing to follow: not the file either.
             Case{"HTTP/1.1 302 Found\r\n\r\nx", State::Failed},
             Case{"HTTP/1.1 302 Found\r\nLocation:  \r\n\r\nx", State::Failed},
             // Not a redirect that says where to go.
             Case{"HTTP/1.1 300 Choices\r\nLocation: /y\r\n\r\n", State::Failed},
             Case{"HTTP/1.1 304 Not Modified\r\nLocation: /y\r\n\r\n", State::Failed},
             Case{"HTTP/1.1 305 Use Proxy\r\nLocation: /y\r\n\r\n", State::Failed},
             // A Location on a 200 is no redirect.
             Case{"HTTP/1.1 200 OK\r\nLocation: /y\r\nContent-Length: 1\r\n\r\nx", State::Complete},
         }) {
        SCOPED_TRACE(c.response);
        const auto outcome = parse({c.response});
        EXPECT_EQ(outcome.state, c.state);
        EXPECT_EQ(outcome.begun, c.state == State::Complete);
    }
}

TEST(HttpResponseParser, ReadsHeaderNamesInAnyCaseAndLengthsWithOrWithoutBlanks) {
    EXPECT_EQ(parse({"HTTP/1.1 200 OK\r\ncOnTeNt-LeNgTh:\t 3\r\n\r\nabcdef"}).body, "abc");
    EXPECT_EQ(parse({"HTTP/1.1 200 OK\r\nContent-Length:1000\r\n\r\n", std::string(1000, 'b')})
                  .body.size(),
              1000u);
    const auto chunked = parse({"HTTP/1.1 200 OK\r\nContent-Length: 2\r\n"
                                "TRANSFER-ENCODING: gzip, Chunked\r\n\r\n3\r\nabc\r\n0\r\n"});
    EXPECT_EQ(chunked.state, State::Complete); // chunked wins over the length
    EXPECT_EQ(chunked.body, "abc");
    // No digits announce an empty body.
    const auto empty = parse({"HTTP/1.1 200 OK\r\nContent-Length: none\r\n\r\nxyz"});
    EXPECT_EQ(empty.state, State::Complete);
    EXPECT_TRUE(empty.begun);
    EXPECT_EQ(empty.body, "");
}

TEST(HttpResponseParser, ABodyThatEndsEarlyFails) {
    EXPECT_EQ(parse({"HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\nabc"}).state, State::Failed);
    EXPECT_EQ(parse({"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n3\r\nabc\r\n"}).state,
              State::Failed);
    EXPECT_EQ(parse({"HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n3\r\nab"}).state,
              State::Failed);
    // A body without an end marker completes only on an orderly end.
    EXPECT_EQ(parse({"HTTP/1.1 200 OK\r\n\r\nabc"}, true).state, State::Complete);
    EXPECT_EQ(parse({"HTTP/1.1 200 OK\r\n\r\nabc"}, false).state, State::Failed);
    // So does a header that never ends.
    EXPECT_EQ(parse({"HTTP/1.1 200 OK\r\nContent-Length: 0\r\n"}).state, State::Failed);
    EXPECT_EQ(parse({""}).state, State::Failed);
}

TEST(HttpResponseParser, AHeaderEndingInItsFinalCrCompletesAtTheEndOfInput) {
    const auto outcome = parse({"HTTP/1.1 200 OK\r\n\r"});
    EXPECT_EQ(outcome.state, State::Complete);
    EXPECT_TRUE(outcome.begun);
    EXPECT_EQ(parse({"HTTP/1.1 200 OK\r\nContent-Length: 0\r\n\r"}).state, State::Complete);
}

TEST(HttpResponseParser, RefusesMalformedChunkFraming) {
    const std::string head = "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n";
    EXPECT_EQ(parse({head + "zz\r\nabc\r\n0\r\n"}).state, State::Failed);     // no size digits
    EXPECT_EQ(parse({head + "2\r\nabc\r\n0\r\n"}).state, State::Failed);      // longer than said
    EXPECT_EQ(parse({head + "FFFFFFFFFFFFFFFFFF\r\n"}).state, State::Failed); // oversized
    EXPECT_EQ(parse({head + "1" + std::string(5000, ';') + "\r\n"}).state, State::Failed);
    // Lower-case hex digits and a bare CR as line end are taken.
    EXPECT_EQ(parse({head + "b\rhello world\r0\r"}).body, "hello world");
}

TEST(HttpResponseParser, HeaderBlocksUpTo16KilobytesAreRead) {
    const std::string status = "HTTP/1.1 200 OK\r\n";
    const std::string length = "Content-Length: 2\r\n";
    const auto headerOf = [&](std::size_t total) {
        // Filler so that the whole block, empty line included, is total bytes.
        const std::size_t filler = total - status.size() - length.size() - 5 - 2 - 2;
        return status + "X-F: " + std::string(filler, 'f') + "\r\n" + length + "\r\n";
    };
    ASSERT_EQ(headerOf(HttpResponseParser::MaxHeaderBytes).size(),
              HttpResponseParser::MaxHeaderBytes);
    for (const std::size_t size : {std::size_t{3000}, HttpResponseParser::MaxHeaderBytes}) {
        const auto outcome =
            parse({headerOf(size).substr(0, 2048), headerOf(size).substr(2048), "ok"});
        EXPECT_EQ(outcome.state, State::Complete) << size;
        EXPECT_EQ(outcome.body, "ok") << size;
    }
    const auto tooLong = parse({headerOf(HttpResponseParser::MaxHeaderBytes + 1) + "ok"});
    EXPECT_EQ(tooLong.state, State::Failed);
    EXPECT_FALSE(tooLong.begun);
    EXPECT_EQ(parse({status + std::string(20000, 'x')}).state, State::Failed);
}

TEST(HttpResponseParser, AFailingWriteFailsTheResponse) {
    MemorySink sink;
    sink.refuseWrites = true;
    HttpResponseParser parser(sink);
    EXPECT_EQ(parser.feed("HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nabc"), State::Failed);
    EXPECT_EQ(parser.feed("de"), State::Failed);
    EXPECT_EQ(sink.body, "abc");
}

TEST(HttpResponseParser, ReadsStopAtTheEndOfAKnownLengthAndWaitLessWhenUnknown) {
    MemorySink sink;
    HttpResponseParser parser(sink);
    EXPECT_EQ(parser.readWaitSeconds(), 10);
    parser.feed("HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n0123456789");
    EXPECT_EQ(parser.mode(), HttpBodyMode::Length);
    EXPECT_EQ(parser.nextReadSize(2048), 90u);
    EXPECT_EQ(parser.nextReadSize(50), 50u);
    EXPECT_EQ(parser.readWaitSeconds(), 10);

    MemorySink quietSink;
    HttpResponseParser quiet(quietSink);
    quiet.feed("HTTP/1.1 200 OK\r\n\r\n");
    EXPECT_EQ(quiet.mode(), HttpBodyMode::UntilQuiet);
    EXPECT_EQ(quiet.readWaitSeconds(), 1);
    EXPECT_EQ(quiet.nextReadSize(2048), 2048u);
}
