#include "runtime/ftp_reply.h"

#include <gtest/gtest.h>

using namespace codarium::ftp;

namespace {
// Feeds text in pieces of the given size, as separate receives would bring it.
std::vector<Reply> readAll(std::string_view text, std::size_t piece) {
    ReplyReader reader;
    std::vector<Reply> replies;
    for (std::size_t i = 0; i < text.size(); i += piece) {
        reader.feed(text.substr(i, piece));
        while (auto reply = reader.takeReply()) {
            replies.push_back(*reply);
        }
    }
    return replies;
}
} // namespace

TEST(FtpReplyReader, LinesEndAtAnyRunOfCrAndLfAndEmptyLinesAreDropped) {
    const auto replies = readAll("220 ready\r\n\r\n\n331 more\r\r230 in\n", 64);
    ASSERT_EQ(replies.size(), 3u);
    EXPECT_EQ(replies[0].code, "220");
    EXPECT_EQ(replies[0].lastLine, "220 ready");
    EXPECT_EQ(replies[1].lastLine, "331 more");
    EXPECT_EQ(replies[2].code, "230");
}

TEST(FtpReplyReader, MultiLineRepliesRunToTheLineWithTheCodeAndABlank) {
    const std::string greeting = "220-Welcome\r\n"
                                 "no code on this line\r\n"
                                 "331 a different code does not end it\r\n"
                                 "220-a hyphen does not end it\r\n"
                                 "220 ready\r\n"
                                 "331 password\r\n";
    // Every way of cutting the bytes into receives gives the same replies.
    for (std::size_t piece = 1; piece <= greeting.size(); ++piece) {
        const auto replies = readAll(greeting, piece);
        ASSERT_EQ(replies.size(), 2u) << piece;
        EXPECT_EQ(replies[0].code, "220");
        EXPECT_EQ(replies[0].lastLine, "220 ready");
        EXPECT_EQ(replies[1].lastLine, "331 password");
    }
}

TEST(FtpReplyReader, ALineWithoutItsEndWaitsForMoreOrForTheEndOfInput) {
    ReplyReader reader;
    reader.feed("227 Entering Passive Mode (127,0,");
    EXPECT_FALSE(reader.hasReply());
    reader.feed("0,1,4,1)");
    EXPECT_FALSE(reader.hasReply());
    reader.endOfInput();
    const auto reply = reader.takeReply();
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->lastLine, "227 Entering Passive Mode (127,0,0,1,4,1)");
    EXPECT_FALSE(reader.takeReply());
}

TEST(FtpReplyReader, OverlongLinesAreCutAndAnOpenReplyIsDroppedByClear) {
    ReplyReader reader;
    reader.feed("500 " + std::string(100000, 'x') + "\r\n");
    const auto reply = reader.takeReply();
    ASSERT_TRUE(reply);
    EXPECT_EQ(reply->lastLine.size(), MaxReplyLine);
    EXPECT_EQ(reply->code, "500");

    reader.feed("220-open\r\npart");
    reader.clear();
    reader.feed("200 fresh\r\n");
    const auto fresh = reader.takeReply();
    ASSERT_TRUE(fresh);
    EXPECT_EQ(fresh->lastLine, "200 fresh");
}

TEST(FtpReplyCode, OnlyWholeEntriesOfTheListAreAccepted) {
    EXPECT_TRUE(replyCodeAccepted("125", "125;150"));
    EXPECT_TRUE(replyCodeAccepted("150", "125;150"));
    EXPECT_FALSE(replyCodeAccepted("550", "125;150"));
    EXPECT_FALSE(replyCodeAccepted("25", "125;150")); // a short first line
    EXPECT_FALSE(replyCodeAccepted("512", "125;150"));
    EXPECT_FALSE(replyCodeAccepted("", "200"));
}

TEST(FtpPassiveReply, TheFirstSixNumbersAfterTheCodeGiveAddressAndPort) {
    const auto classic = parsePassiveReply("227 Entering Passive Mode (192,168,0,5,195,80)");
    ASSERT_TRUE(classic);
    EXPECT_EQ(classic->host[0], 192);
    EXPECT_EQ(classic->host[1], 168);
    EXPECT_EQ(classic->host[2], 0);
    EXPECT_EQ(classic->host[3], 5);
    EXPECT_EQ(classic->port, 50000);

    const auto bare = parsePassiveReply("227 Entering Passive Mode 10,1,2,3,4,1");
    ASSERT_TRUE(bare);
    EXPECT_EQ(bare->port, 1025);
    const auto trailing = parsePassiveReply("227 =127,0,0,1,0,21 then 7 and 8");
    ASSERT_TRUE(trailing);
    EXPECT_EQ(trailing->port, 21);
    // The code's own digits are not among the numbers.
    const auto codeOnly = parsePassiveReply("227 1,2,3,4,5,6");
    ASSERT_TRUE(codeOnly);
    EXPECT_EQ(codeOnly->host[0], 1);
    EXPECT_EQ(codeOnly->port, 5 * 256 + 6);
}

TEST(FtpPassiveReply, FewerThanSixNumbersOrOversizedOnesAreRefused) {
    EXPECT_FALSE(parsePassiveReply("227 Entering Passive Mode (127,0,0,1,200)"));
    EXPECT_FALSE(parsePassiveReply("227"));
    EXPECT_FALSE(parsePassiveReply(""));
    EXPECT_FALSE(parsePassiveReply("227 (127,0,0,1,256,1)"));
    EXPECT_FALSE(parsePassiveReply("227 (127,0,0,1,99999999999999999999999,1)"));
}
