#include "runtime/text_file.h"

#include "platform/paths.h"
#include "runtime/buffered_file.h"
#include "runtime/text_lines.h"

#include "tests/support/scratch_folder.h"

#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace codarium {
namespace {

using testsupport::readBytes;
using testsupport::ScratchFolder;
using testsupport::writeBytes;
namespace tf = textfile;

// Closes the numbers a test used even when an assertion ends it early.
struct CloseAllAtEnd {
    ~CloseAllAtEnd() { tf::closeAll(); }
};

std::vector<std::string> allLines(tf::FileId f) {
    std::vector<std::string> lines;
    while (!tf::atEnd(f)) {
        lines.push_back(tf::readLine(f));
    }
    return lines;
}

std::vector<std::string> linesOf(ScratchFolder& dir, std::string_view bytes) {
    const std::string path = dir.file("lines.txt");
    writeBytes(path, bytes);
    EXPECT_NE(tf::openRead(1, path), 0);
    auto lines = allLines(1);
    tf::close(1);
    // The same bytes split in memory give the same lines.
    EXPECT_EQ(tf::splitLines(bytes), lines);
    return lines;
}

using Lines = std::vector<std::string>;

TEST(TextFile, ReadLineEndsAtCrLfCrLfAndZero) {
    CloseAllAtEnd guard;
    ScratchFolder dir;
    EXPECT_EQ(linesOf(dir, "a\r\nb"), (Lines{"a", "b"}));
    EXPECT_EQ(linesOf(dir, "a\n\rb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(linesOf(dir, "a\r\rb\n"), (Lines{"a", "", "b"}));
    EXPECT_EQ(linesOf(dir, "a\r\n"), (Lines{"a"})) << "no extra line after the last CR LF";
    EXPECT_EQ(linesOf(dir, "x\r"), (Lines{"x"}));
    EXPECT_EQ(linesOf(dir, std::string_view("ab\0cd\r\n", 7)), (Lines{"ab", "cd"}));
    EXPECT_EQ(linesOf(dir, "\n\n"), (Lines{"", ""}));
    EXPECT_EQ(linesOf(dir, ""), (Lines{}));
}

TEST(TextFile, LongLinesAndLineEndsAcrossBufferBoundaries) {
    CloseAllAtEnd guard;
    ScratchFolder dir;
    const std::string longLine(10000, 'q');
    EXPECT_EQ(linesOf(dir, longLine + "\r\nnext"), (Lines{longLine, "next"}));
    // CR as the last byte of one block and LF as the first of the next, at
    // every offset around the block size.
    for (std::size_t n = tf::kBufferSize - 5; n <= tf::kBufferSize + 5; ++n) {
        const std::string first(n, 'a');
        EXPECT_EQ(linesOf(dir, first + "\r\nb\r"), (Lines{first, "b"})) << n;
        EXPECT_EQ(linesOf(dir, first + "\rb"), (Lines{first, "b"})) << n;
    }
}

// The line rule taken one byte at a time, to compare the block scan with.
Lines referenceLines(std::string_view bytes) {
    Lines lines;
    std::size_t i = 0;
    while (i < bytes.size()) {
        std::string line;
        while (i < bytes.size() && bytes[i] != '\r' && bytes[i] != '\n' && bytes[i] != '\0') {
            line += bytes[i++];
        }
        if (i < bytes.size()) {
            const char end = bytes[i++];
            if (end == '\r' && i < bytes.size() && bytes[i] == '\n') {
                ++i;
            }
        }
        lines.push_back(line);
    }
    return lines;
}

TEST(TextFile, RandomLineEndsSplitAsTheByteRuleSays) {
    CloseAllAtEnd guard;
    ScratchFolder dir;
    const std::string path = dir.file("random.txt");
    std::uint32_t state = 12345;
    const char alphabet[] = {'a', 'b', '\r', '\n', '\0', 'c', 'd', 'e'};
    for (int round = 0; round < 4; ++round) {
        std::string bytes;
        const std::size_t size = 2 * tf::kBufferSize + static_cast<std::size_t>(round) * 37;
        for (std::size_t i = 0; i < size; ++i) {
            state = state * 1103515245u + 12345u;
            // Runs of letters of random length between the line ends.
            const unsigned r = (state >> 16) % 64;
            bytes += r < 4 ? alphabet[2 + r % 3] : alphabet[(r % 5 == 0) ? 0 : 5 + r % 3];
        }
        writeBytes(path, bytes);
        const Lines expected = referenceLines(bytes);
        EXPECT_EQ(tf::splitLines(bytes), expected) << round;
        ASSERT_NE(tf::openRead(1, path), 0);
        EXPECT_EQ(allLines(1), expected) << round;
        ASSERT_NE(tf::openRead(1, path), 0);
        Lines reused;
        std::string line = "left over";
        while (!tf::atEnd(1)) {
            tf::readLine(1, line);
            reused.push_back(line);
        }
        EXPECT_EQ(reused, expected) << round;
    }
}

// A file opened to be read gets a buffer of its own size (within bounds):
// the line rule must not depend on it, nor on the file growing meanwhile.
TEST(TextFile, ReadBufferFollowsTheFileSizeAndAGrowingFileReadsWhole) {
    EXPECT_EQ(tf::readBufferSize(0), 4096u);
    EXPECT_EQ(tf::readBufferSize(5000), 5001u);
    EXPECT_EQ(tf::readBufferSize(tf::kBufferSize - 2), tf::kBufferSize - 1);
    EXPECT_EQ(tf::readBufferSize(tf::kBufferSize - 1), tf::kBufferSize);
    EXPECT_EQ(tf::readBufferSize(std::int64_t{1} << 40), tf::kBufferSize);

    CloseAllAtEnd guard;
    ScratchFolder dir;
    // CR LF pairs split at each end of the sized buffers.
    for (const std::size_t n : {std::size_t{4094}, std::size_t{4095}, std::size_t{4096},
                                std::size_t{5000}, tf::kBufferSize - 2, tf::kBufferSize}) {
        const std::string first(n, 'a');
        EXPECT_EQ(linesOf(dir, first + "\r\nb"), (Lines{first, "b"})) << n;
        EXPECT_EQ(linesOf(dir, first + "\r"), (Lines{first})) << n;
    }
    // Lines appended after the open, longer than the buffer it got.
    const std::string path = dir.file("growing.txt");
    writeBytes(path, "one\r\n");
    ASSERT_NE(tf::openRead(1, path), 0);
    EXPECT_EQ(tf::readLine(1), "one");
    const std::string longLine(3 * tf::kBufferSize + 7, 'g');
    ASSERT_NE(tf::openUpdate(2, path), 0);
    tf::seek(2, tf::length(2));
    tf::writeText(2, longLine + "\r\ntwo\r");
    tf::close(2);
    EXPECT_EQ(allLines(1), (Lines{longLine, "two"}));
}

TEST(TextFile, ReadLineAtTheEndKeepsThePosition) {
    CloseAllAtEnd guard;
    ScratchFolder dir;
    const std::string path = dir.file("a.txt");
    writeBytes(path, "ab\r\n");
    ASSERT_NE(tf::openRead(2, path), 0);
    EXPECT_EQ(tf::readLine(2), "ab");
    EXPECT_EQ(tf::position(2), 4);
    EXPECT_TRUE(tf::atEnd(2));
    EXPECT_EQ(tf::readLine(2), "");
    EXPECT_EQ(tf::position(2), 4);
    EXPECT_TRUE(tf::atEnd(2));
}

TEST(TextFile, OpenFailuresLeaveTheNumberFree) {
    CloseAllAtEnd guard;
    ScratchFolder dir;
    EXPECT_EQ(tf::openRead(1, dir.file("missing.txt")), 0);
    EXPECT_EQ(tf::openRead(1, dir.path().string()), 0) << "a folder is not a file";
    EXPECT_EQ(tf::create(1, dir.file("no/such/folder.txt")), 0);
    EXPECT_EQ(tf::openRead(-5, dir.file("missing.txt")), 0);

    // Reusing a number closes (and flushes) the file that held it, even when
    // the new open fails.
    const std::string path = dir.file("w.txt");
    ASSERT_NE(tf::create(1, path), 0);
    tf::writeLine(1, "kept");
    EXPECT_EQ(tf::openRead(1, dir.file("missing.txt")), 0);
    EXPECT_EQ(readBytes(path), "kept\r\n");
    EXPECT_EQ(tf::writeLine(1, "lost"), 0) << "the number is free";
    EXPECT_TRUE(tf::atEnd(1));
}

TEST(TextFile, OnlyRegularFilesOpenAndAFifoNeverBlocks) {
    ScratchFolder dir;
    const std::string fifo = dir.file("Code.pb");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    // In a child bounded by an alarm: a blocking open would hang for good.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::alarm(10);
        int refused = 0;
        refused += tf::openRead(1, fifo) == 0;
        refused += tf::openRead(tf::AnyFile, fifo) == 0;
        refused += tf::openUpdate(2, fifo) == 0;
        refused += tf::create(3, fifo) == 0;
        refused += tf::openRead(1, "/dev/zero") == 0;
        refused += tf::openUpdate(1, "/dev/null") == 0;
        refused += tf::atEnd(1) && tf::atEnd(2) && tf::atEnd(3);
        ::_exit(refused == 7 ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "the open waited on the FIFO";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "a file that is not a regular one was opened";
}

TEST(TextFile, OpenUpdateCreatesAMissingFile) {
    CloseAllAtEnd guard;
    ScratchFolder dir;
    const std::string path = dir.file("new.txt");
    ASSERT_NE(tf::openUpdate(3, path), 0);
    EXPECT_TRUE(tf::atEnd(3));
    EXPECT_EQ(tf::length(3), 0);
    tf::close(3);
    EXPECT_TRUE(testsupport::exists(path));

    // Existing contents stay; appending is seek to length.
    writeBytes(path, "one\r\n");
    ASSERT_NE(tf::openUpdate(3, path), 0);
    tf::seek(3, tf::length(3));
    tf::writeLine(3, "two");
    tf::close(3);
    EXPECT_EQ(readBytes(path), "one\r\ntwo\r\n");
}

TEST(TextFile, CreateTruncatesAndWriteLineEndsInCrLf) {
    CloseAllAtEnd guard;
    ScratchFolder dir;
    const std::string path = dir.file("a.txt");
    writeBytes(path, "old contents that must go");
    ASSERT_NE(tf::create(1, path), 0);
    EXPECT_EQ(tf::writeLine(1, ""), 2);
    EXPECT_EQ(tf::writeLine(1, "a"), 3);
    EXPECT_EQ(tf::writeText(1, ""), 0);
    EXPECT_EQ(tf::writeText(1, "bc"), 2);
    EXPECT_EQ(tf::writeBytes(1, nullptr, 5), 0);
    EXPECT_EQ(tf::writeBytes(1, "xyz", 0), 0);
    EXPECT_EQ(tf::length(1), 7) << "length counts what is still buffered";
    tf::close(1);
    EXPECT_EQ(readBytes(path), "\r\na\r\nbc");
}

TEST(TextFile, BufferedWritesKeepTheLogicalPosition) {
    CloseAllAtEnd guard;
    ScratchFolder dir;
    const std::string path = dir.file("a.txt");
    ASSERT_NE(tf::create(1, path), 0);
    tf::writeText(1, "hello");
    EXPECT_EQ(tf::position(1), 5);
    EXPECT_EQ(tf::length(1), 5);
    EXPECT_EQ(tf::position(1), 5);
    tf::writeText(1, " world");
    EXPECT_EQ(tf::position(1), 11);
    tf::seek(1, 0);
    EXPECT_EQ(tf::position(1), 0);
    tf::writeText(1, "J");
    EXPECT_EQ(tf::position(1), 1);
    tf::seek(1, 6);
    EXPECT_EQ(tf::readLine(1), "world");
    EXPECT_EQ(tf::position(1), 11);
    // A big write after a small buffered one keeps their order.
    const std::string big(tf::kBufferSize + 1000, 'B');
    tf::writeText(1, "s");
    tf::writeText(1, big);
    tf::writeText(1, "e");
    const auto written = static_cast<std::int64_t>(11 + big.size() + 2);
    EXPECT_EQ(tf::position(1), written);
    EXPECT_EQ(tf::length(1), written);
    tf::close(1);
    EXPECT_EQ(readBytes(path), "Jello worlds" + big + "e");
}

TEST(TextFile, WritingAfterReadingContinuesAtTheLogicalPosition) {
    CloseAllAtEnd guard;
    ScratchFolder dir;
    const std::string path = dir.file("a.txt");
    writeBytes(path, "line1\r\nline2\r\nline3\r\n");
    ASSERT_NE(tf::openUpdate(1, path), 0);
    EXPECT_EQ(tf::readLine(1), "line1");
    EXPECT_EQ(tf::position(1), 7) << "not the end of the read-ahead";
    tf::writeText(1, "X");
    EXPECT_EQ(tf::position(1), 8);
    // Reading after writing goes on behind the written bytes.
    EXPECT_EQ(tf::readLine(1), "ine2");
    tf::close(1);
    EXPECT_EQ(readBytes(path), "line1\r\nXine2\r\nline3\r\n");
}

TEST(TextFile, ReadBytesMixesWithLinesAndLargeReads) {
    CloseAllAtEnd guard;
    ScratchFolder dir;
    const std::string path = dir.file("a.bin");
    std::string data;
    const auto total = static_cast<std::int64_t>(3 * tf::kBufferSize);
    for (std::int64_t i = 0; i < total; ++i) {
        data += static_cast<char>('a' + i % 26);
    }
    data.replace(3, 2, "\r\n");
    writeBytes(path, data);
    ASSERT_NE(tf::openRead(1, path), 0);
    EXPECT_EQ(tf::readLine(1), "abc");
    std::string chunk(10, '\0');
    EXPECT_EQ(tf::readBytes(1, chunk.data(), 10), 10);
    EXPECT_EQ(chunk, data.substr(5, 10));
    std::string rest(static_cast<std::size_t>(total) + 100, '\0');
    const std::int64_t n = tf::readBytes(1, rest.data(), total + 100);
    EXPECT_EQ(n, total - 15);
    rest.resize(static_cast<std::size_t>(n));
    EXPECT_EQ(rest, data.substr(15));
    EXPECT_TRUE(tf::atEnd(1));
    EXPECT_EQ(tf::readBytes(1, chunk.data(), 10), 0);
    EXPECT_EQ(tf::readBytes(1, chunk.data(), -1), 0);
}

TEST(TextFile, DetectBomRecognisesAndSkipsMarks) {
    CloseAllAtEnd guard;
    ScratchFolder dir;
    const std::string path = dir.file("a.txt");
    struct Case {
        std::string bytes;
        TextEncoding encoding;
        std::int64_t position;
    };
    const Case cases[] = {
        {"\xEF\xBB\xBFx", TextEncoding::Utf8, 3},      {"\xEF\xBB\xBF", TextEncoding::Utf8, 3},
        {"x", TextEncoding::SystemCodePage, 0},        {"", TextEncoding::SystemCodePage, 0},
        {"\xFF\xFEy\0", TextEncoding::Utf16Le, 2},     {"\xFE\xFF", TextEncoding::Utf16Be, 2},
        {"\xEF\xBB", TextEncoding::SystemCodePage, 0}, {"abcd", TextEncoding::SystemCodePage, 0},
    };
    for (const Case& c : cases) {
        writeBytes(path, c.bytes);
        ASSERT_NE(tf::openRead(1, path), 0);
        EXPECT_EQ(tf::detectBom(1), c.encoding) << c.bytes;
        EXPECT_EQ(tf::position(1), c.position) << c.bytes;
    }
    writeBytes(path, "ab\xEF\xBB\xBFz");
    ASSERT_NE(tf::openRead(1, path), 0);
    tf::seek(1, 2);
    EXPECT_EQ(tf::detectBom(1), TextEncoding::Utf8);
    EXPECT_EQ(tf::readLine(1), "z");
}

TEST(TextFile, WriteBomWritesOnlyTheUtf8Mark) {
    CloseAllAtEnd guard;
    ScratchFolder dir;
    const std::string path = dir.file("a.txt");
    ASSERT_NE(tf::create(1, path), 0);
    EXPECT_EQ(tf::writeBom(1, TextEncoding::SystemCodePage), 0);
    EXPECT_EQ(tf::writeBom(1, TextEncoding::Utf8), 3);
    tf::writeLine(1, "x");
    tf::close(1);
    EXPECT_EQ(readBytes(path), "\xEF\xBB\xBFx\r\n");
}

TEST(TextFile, AnyFileHandsOutDistinctHandles) {
    CloseAllAtEnd guard;
    ScratchFolder dir;
    const tf::FileId a = tf::create(tf::AnyFile, dir.file("a.txt"));
    const tf::FileId b = tf::create(tf::AnyFile, dir.file("b.txt"));
    const tf::FileId big = 100000;
    ASSERT_NE(a, 0);
    ASSERT_NE(b, 0);
    EXPECT_NE(a, b);
    ASSERT_NE(tf::create(big, dir.file("c.txt")), 0);
    ASSERT_NE(tf::create(1, dir.file("d.txt")), 0);
    tf::writeLine(a, "A");
    tf::writeLine(b, "B");
    tf::writeLine(big, "C");
    tf::writeLine(1, "D");
    tf::close(a);
    EXPECT_EQ(tf::writeLine(a, "after close"), 0);
    tf::close(b);
    tf::close(big);
    tf::close(1);
    EXPECT_EQ(readBytes(dir.file("a.txt")), "A\r\n");
    EXPECT_EQ(readBytes(dir.file("b.txt")), "B\r\n");
    EXPECT_EQ(readBytes(dir.file("c.txt")), "C\r\n");
    EXPECT_EQ(readBytes(dir.file("d.txt")), "D\r\n");
}

TEST(TextFile, ThreadsUseTheTableTogether) {
    CloseAllAtEnd guard;
    ScratchFolder dir;
    constexpr int kThreads = 4;
    constexpr int kRounds = 50;
    std::vector<std::thread> threads;
    std::vector<int> failures(kThreads, 0);
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            const std::string path = dir.file("t" + std::to_string(t) + ".txt");
            for (int round = 0; round < kRounds; ++round) {
                // Half the threads use fixed numbers, half take handles.
                tf::FileId f = t % 2 == 0 ? 10 + t : tf::AnyFile;
                const tf::FileId opened = tf::create(f, path);
                if (opened == 0) {
                    ++failures[static_cast<std::size_t>(t)];
                    continue;
                }
                if (f == tf::AnyFile) {
                    f = opened;
                }
                for (int i = 0; i < 100; ++i) {
                    tf::writeLine(f, std::to_string(t * 1000 + i));
                }
                tf::seek(f, 0);
                for (int i = 0; i < 100; ++i) {
                    if (tf::readLine(f) != std::to_string(t * 1000 + i)) {
                        ++failures[static_cast<std::size_t>(t)];
                    }
                }
                tf::close(f);
            }
        });
    }
    for (auto& th : threads) {
        th.join();
    }
    EXPECT_EQ(failures, std::vector<int>(kThreads, 0));
}

TEST(TextFile, OpenFilesAreFlushedAtProcessEnd) {
    ScratchFolder dir;
    const std::string numbered = dir.file("n.txt");
    const std::string handled = dir.file("h.txt");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (tf::create(7, numbered) == 0) {
            ::_exit(2);
        }
        const tf::FileId h = tf::create(tf::AnyFile, handled);
        tf::writeLine(7, "numbered");
        tf::writeLine(h, "handle");
        std::exit(0); // runs the static destructors, unlike _exit
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(readBytes(numbered), "numbered\r\n");
    EXPECT_EQ(readBytes(handled), "handle\r\n");
}

TEST(TextFile, CloseAllFlushesEveryFile) {
    ScratchFolder dir;
    ASSERT_NE(tf::create(1, dir.file("1.txt")), 0);
    const tf::FileId h = tf::create(tf::AnyFile, dir.file("2.txt"));
    ASSERT_NE(h, 0);
    tf::writeText(1, "one");
    tf::writeText(h, "two");
    tf::closeAll();
    EXPECT_EQ(readBytes(dir.file("1.txt")), "one");
    EXPECT_EQ(readBytes(dir.file("2.txt")), "two");
    EXPECT_EQ(tf::writeText(1, "x"), 0);
    EXPECT_EQ(tf::writeText(h, "x"), 0);
}

TEST(TextFile, NativePathsReachTheFileSystemUnchanged) {
    CloseAllAtEnd guard;
    ScratchFolder dir;
    // Names beyond Windows-1252 (Polish, Cyrillic, Japanese, an emoji) stay whole.
    const std::string native =
        dir.path().string() +
        "/\xC5\x81ukasz \xD0\x9F\xD1\x80\xD0\xBE \xE6\x97\xA5 \xF0\x9F\x98\x80.txt";
    ASSERT_NE(tf::create(1, native), 0);
    tf::close(1);
    EXPECT_TRUE(testsupport::exists(native));
    // A library name is converted once, where it joins the native folder.
    ASSERT_NE(tf::create(1, platform::joinLibraryName(dir.path().string(), "Gr\xFC\xDF"
                                                                           "e \x80.txt")),
              0);
    tf::close(1);
    EXPECT_TRUE(
        testsupport::exists(dir.path().string() + "/Gr\xC3\xBC\xC3\x9F" + "e \xE2\x82\xAC.txt"));
}

} // namespace
} // namespace codarium
