#pragma once
// The response side of a download: status line, header block and body
// framing, fed with received blocks split anywhere. Body bytes go to a sink
// as they are recognised; the parser itself holds at most the header block.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace codarium {

// Receives the body of an accepted response.
class HttpBodySink {
public:
    virtual ~HttpBodySink() = default;
    // Called once, when the header has ended and before any body byte (also
    // for an empty body). False fails the response.
    virtual bool beginBody() = 0;
    // False fails the response.
    virtual bool writeBody(std::string_view bytes) = 0;
};

enum class HttpBodyMode { Length, Chunked, UntilQuiet };

class HttpResponseParser {
public:
    // The longest header block (status line to the empty line, line ends
    // included) that is accepted.
    static constexpr std::size_t MaxHeaderBytes = 16 * 1024;
    // The body length assumed when none is announced and the body is not
    // chunked; it ends earlier when the connection closes or goes quiet.
    static constexpr std::int64_t UntilQuietLength = 1'000'000'000;

    // Redirect: the header of a 301, 302, 303, 307 or 308 response with a
    // Location has ended; its body is never given to the sink.
    enum class State { Header, Body, Complete, Redirect, Failed };

    explicit HttpResponseParser(HttpBodySink& sink) : sink_(sink) {}

    // Takes the next received bytes. Bytes after a complete body are ignored.
    State feed(std::string_view bytes);
    // No more bytes will come: orderly after a close by the peer or a quiet
    // connection, not after a reset or a cancel. Only a body that needs no
    // end marker can complete this way.
    State endOfInput(bool orderly);

    State state() const { return state_; }
    HttpBodyMode mode() const { return mode_; }
    // The Location of a redirect, blanks around it removed.
    const std::string& location() const { return location_; }
    // The seconds a read may wait for more of the response.
    int readWaitSeconds() const;
    // The most bytes worth receiving next, given a buffer of block bytes:
    // a body of known length is not read past its end.
    std::size_t nextReadSize(std::size_t block) const;

private:
    enum class HeaderScan { NeedMore, Done, Failed };
    enum class ChunkStep { SizeDigits, SizeRest, SizeLineFeed, Data, DataReturn, DataLineFeed };

    HeaderScan scanHeader();
    bool takeStatusLine(std::string_view line);
    void takeHeaderLine(std::string_view line);
    State endHeader(std::string_view firstBytes);
    State startBody(std::string_view firstBytes);
    State feedBody(std::string_view bytes);
    State feedChunked(std::string_view bytes);
    bool write(std::string_view bytes);
    State fail();

    HttpBodySink& sink_;
    State state_ = State::Header;
    HttpBodyMode mode_ = HttpBodyMode::UntilQuiet;

    std::string header_;        // the header bytes received so far
    std::size_t lineStart_ = 0; // where the next unread header line starts
    std::size_t scanFrom_ = 0;  // where the search for its line end resumes
    bool statusSeen_ = false;
    bool redirect_ = false;
    std::string location_;
    bool chunked_ = false;
    std::int64_t announced_ = -1;

    std::int64_t remaining_ = 0; // of the body (length modes) or of the chunk
    ChunkStep chunkStep_ = ChunkStep::SizeDigits;
    int sizeDigits_ = 0;
    std::size_t sizeLineLength_ = 0;
};

} // namespace codarium
