// The submission's pure parts: the file's layout, the progress arithmetic,
// the remote name, the temporary path and the account.
#include "online/submission_file.h"
#include "online/submission_server.h"
#include "online/upload_progress.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <unistd.h>

namespace codarium::online {
namespace {

TEST(SubmissionFile, LayoutForEveryKindOfCodeAndDetail) {
    const std::string mark = "\xEF\xBB\xBF";
    struct Case {
        const char* what;
        std::string savedView;
        SubmissionDetails details;
        std::string expected;
    };
    const Case cases[] = {
        {"code page 0, all details",
         "a\r\nb",
         {"Eva", "eva@example.org", "Titel", "Dialoge"},
         "a\r\nb\r\n;Autor: Eva\r\n;E-Mail-Adresse: eva@example.org\r\n;Titel: Titel\r\n"
         ";Kategorie: Dialoge\r\n"},
        {"a code ending in a line break gets one empty line",
         "x\r\n",
         {"a", "b", "c", "d"},
         "x\r\n\r\n;Autor: a\r\n;E-Mail-Adresse: b\r\n;Titel: c\r\n;Kategorie: d\r\n"},
        {"empty details and no category",
         "x",
         {},
         "x\r\n;Autor: \r\n;E-Mail-Adresse: \r\n;Titel: \r\n;Kategorie: \r\n"},
        {"UTF-8 code keeps its mark, details stay code-page bytes",
         mark + "\xC3\xA9",
         {"J\xF6rg", "", "", "Gro\xDF"},
         mark + "\xC3\xA9\r\n;Autor: J\xF6rg\r\n;E-Mail-Adresse: \r\n;Titel: \r\n"
                ";Kategorie: Gro\xDF\r\n"},
        {"an empty code and blanks kept as typed",
         "",
         {" ", "  ", "", " x "},
         "\r\n;Autor:  \r\n;E-Mail-Adresse:   \r\n;Titel: \r\n;Kategorie:  x \r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(submissionFileBytes(c.savedView, c.details), c.expected);
    }
    // Zero bytes inside the code pass through.
    const std::string withZero("a\0b", 3);
    EXPECT_EQ(submissionFileBytes(withZero, {}).substr(0, 5), std::string("a\0b\r\n", 5));
}

TEST(SubmissionFile, LivesInTheTemporaryFolder) {
    const char* saved = std::getenv("TMPDIR");
    const std::string restore = saved != nullptr ? saved : "";
    ::setenv("TMPDIR", "/var/tmp/codarium-test", 1);
    EXPECT_EQ(submissionFilePath(), "/var/tmp/codarium-test/codar_sendcode.pb");
    // A temporary folder named beyond the code page is used as it is named.
    const std::filesystem::path named =
        std::filesystem::path(restore.empty() ? "/tmp" : restore) /
        ("codarium-\xC5\x81ukasz-\xE6\x97\xA5 \xF0\x9F\x98\x80-" + std::to_string(::getpid()));
    std::filesystem::create_directories(named);
    ::setenv("TMPDIR", named.c_str(), 1);
    EXPECT_EQ(submissionFilePath(), (named / "codar_sendcode.pb").string());
    EXPECT_TRUE(writeSubmissionFile(submissionFilePath(), "Debug 1\r\n"));
    EXPECT_EQ(std::filesystem::file_size(named / "codar_sendcode.pb"), 9u);
    std::filesystem::remove_all(named);
    ::unsetenv("TMPDIR");
    EXPECT_EQ(submissionFilePath(), "/tmp/codar_sendcode.pb");
    if (saved != nullptr) {
        ::setenv("TMPDIR", restore.c_str(), 1);
    }
}

TEST(UploadProgress, BarAndPercentageStayInRangeWith64BitArithmetic) {
    struct Case {
        std::int32_t state;
        std::int64_t size;
        std::optional<std::int64_t> bar;
        int percent;
    };
    const Case cases[] = {
        {-1, 51300, 0, 0},                        // negotiating
        {-2, 51300, std::nullopt, 0},             // failed: the bar stays
        {-3, 51300, 51300, 100},                  // done: all of it
        {0, 51300, 0, 0},                         // data starts
        {25650, 51300, 25650, 50},                // half
        {51299, 51300, 51299, 99},                // rounds down
        {51300, 51300, 51300, 100},               // all
        {70000, 51300, 51300, 100},               // more than the size shows 100
        {2000000000, 2100000000, 2000000000, 95}, // x 100 overflows 32 bits
        {5, 0, 0, 0},                             // an empty size divides by nothing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.state);
        const std::optional<std::int64_t> bar = barPosition(c.state, c.size);
        EXPECT_EQ(bar, c.bar);
        EXPECT_EQ(percentOf(bar.value_or(0), c.size), c.percent);
    }
    EXPECT_EQ(percentOf(200, 100), 100);
    EXPECT_EQ(percentOf(-5, 100), 0);
    EXPECT_EQ(percentText(0), "0 %");
    EXPECT_EQ(percentText(100), "100 %");
    EXPECT_EQ(sizeText(0), "Gr\xF6\xDF"
                           "e: 0 Bytes");
    EXPECT_EQ(sizeText(51286), "Gr\xF6\xDF"
                               "e: 51286 Bytes");
}

TEST(UploadProgress, RemoteNameIsTheLocalTimeDayFirst) {
    EXPECT_EQ(remoteFileName({2026, 12, 31, 9, 5, 7}), "31122026090507.pb");
    EXPECT_EQ(remoteFileName({2027, 1, 2, 0, 0, 0}), "02012027000000.pb");
    EXPECT_EQ(remoteFileName({999, 10, 10, 23, 59, 59}), "10100999235959.pb");
    const LocalTime now = localNow();
    EXPECT_GE(now.year, 2024);
    EXPECT_EQ(remoteFileName(now).size(), 17u);
}

TEST(SubmissionServer, TheMakersAccountIsBuiltInAndOnlyATestAimsElsewhere) {
    const SubmissionServer maker = makerServer();
    EXPECT_FALSE(maker.host.empty());
    EXPECT_EQ(maker.port, 21);
    EXPECT_EQ(maker.user, "usr7048k2");
    EXPECT_EQ(maker.password, "KqwTR4nz");
    // No environment variable changes where submissions go.
    ::setenv("CODARIUM_SUBMISSION_HOST", "127.0.0.1", 1);
    EXPECT_EQ(submissionServer().host, maker.host);
    ::unsetenv("CODARIUM_SUBMISSION_HOST");
    submissionServer().host = "127.0.0.1";
    EXPECT_EQ(submissionServer().host, "127.0.0.1");
    submissionServer() = makerServer();
}

} // namespace
} // namespace codarium::online
