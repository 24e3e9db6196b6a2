// The client against pyftpdlib, a server nobody here wrote.
#include "ftp_test_servers.h"

#include "runtime/ftp_client.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace codarium;
using namespace codarium::ftptest;

namespace {

class FtpPyftpdlib : public ::testing::Test {
protected:
    void TearDown() override { ftpCloseAll(); }
    TestServer server;
};

} // namespace

TEST_F(FtpPyftpdlib, FilesOfEverySizeArriveByteForByte) {
    ASSERT_TRUE(server.startPyftpdlib());
    ASSERT_NE(ftpConnect(1, "127.0.0.1", User, Password, server.port()), 0);
    EXPECT_EQ(transferState(1), 0);
    // Around the block size, nothing at all, and many blocks; the same
    // connection carries one transfer after another.
    for (const std::size_t size : {0u, 1u, 4096u, 4097u, 65536u, 65537u, 5u * 1024 * 1024}) {
        SCOPED_TRACE(size);
        const std::string bytes = patternBytes(size);
        const std::string local = server.scratch("local-" + std::to_string(size));
        writeFile(local, bytes);
        const std::string remote = "up-" + std::to_string(size) + ".bin";
        ASSERT_EQ(uploadFile(1, local, remote), 1);
        EXPECT_EQ(waitForEnd(1), TransferDone);
        EXPECT_EQ(readFile(server.root() + "/" + remote), bytes);
    }
}

TEST_F(FtpPyftpdlib, AWrongPasswordIsRefusedAndLeavesNoConnection) {
    ASSERT_TRUE(server.startPyftpdlib());
    EXPECT_EQ(ftpConnect(2, "127.0.0.1", User, "wrong", server.port()), 0);
    EXPECT_EQ(transferState(2), 0);
    const std::string local = server.scratch("local");
    writeFile(local, "x");
    EXPECT_EQ(uploadFile(2, local, "x.bin"), 0);
    EXPECT_TRUE(server.logShows("1 QUIT"));
}

TEST_F(FtpPyftpdlib, NumbersNeverConnectedAndMissingNamesGiveNothing) {
    EXPECT_EQ(transferState(7), 0);
    EXPECT_EQ(uploadFile(7, "/etc/hostname", "x"), 0);
    abortTransfer(7); // returns at once
    ftpClose(7);
    ASSERT_TRUE(server.startPyftpdlib());
    ASSERT_NE(ftpConnect(1, "127.0.0.1", User, Password, server.port()), 0);
    EXPECT_EQ(uploadFile(1, "", "x"), 0);
    EXPECT_EQ(uploadFile(1, server.scratch("log"), ""), 0);
    EXPECT_EQ(transferState(1), 0);
}

TEST_F(FtpPyftpdlib, ALocalFileThatCannotBeReadFailsAndTheConnectionStaysUsable) {
    ASSERT_TRUE(server.startPyftpdlib());
    ASSERT_NE(ftpConnect(1, "127.0.0.1", User, Password, server.port()), 0);
    ASSERT_EQ(uploadFile(1, server.scratch("no such file"), "x.bin"), 1);
    EXPECT_EQ(waitForEnd(1), TransferFailed);
    // A folder opens but cannot be read: a read error is no success.
    ASSERT_EQ(uploadFile(1, server.root(), "folder.bin"), 1);
    EXPECT_EQ(waitForEnd(1), TransferFailed);
    // A native name, here beyond the code page, is opened as it stands.
    const std::string local = server.scratch("\xC5\x81ukasz \xC3\x84pfel.txt");
    writeFile(local, "apples");
    ASSERT_EQ(uploadFile(1, local, "a.txt"), 1);
    EXPECT_EQ(waitForEnd(1), TransferDone);
    EXPECT_EQ(readFile(server.root() + "/a.txt"), "apples");
}

TEST_F(FtpPyftpdlib, ConnectingAgainUnderTheSameNumberQuitsTheOldSessionFirst) {
    ASSERT_TRUE(server.startPyftpdlib());
    ASSERT_NE(ftpConnect(1, "127.0.0.1", User, Password, server.port()), 0);
    ASSERT_NE(ftpConnect(1, "127.0.0.1", User, Password, server.port()), 0);
    ASSERT_TRUE(server.logShows("2 PASS"));
    const std::string log = server.log();
    const std::size_t quit = log.find("1 QUIT");
    const std::size_t secondLogin = log.find("2 USER");
    ASSERT_NE(quit, std::string::npos) << log;
    ASSERT_NE(secondLogin, std::string::npos) << log;
    EXPECT_LT(quit, secondLogin);
    // The new session works.
    const std::string local = server.scratch("local");
    writeFile(local, "second");
    ASSERT_EQ(uploadFile(1, local, "second.txt"), 1);
    EXPECT_EQ(waitForEnd(1), TransferDone);
    ftpClose(1);
    EXPECT_EQ(transferState(1), 0);
    EXPECT_TRUE(server.logShows("2 QUIT"));
}

TEST_F(FtpPyftpdlib, ACancelWhileDataFlowsEndsAfterTheCurrentBlock) {
    // The server takes 2 MB a second; the file is large enough to outlast
    // the megabytes that socket buffers take in at once, and small enough
    // that what they hold drains quickly after the cancel.
    ASSERT_TRUE(server.startPyftpdlib(2 * 1024 * 1024));
    ASSERT_NE(ftpConnect(1, "127.0.0.1", User, Password, server.port()), 0);
    const std::string bytes = patternBytes(16u * 1024 * 1024);
    const std::string local = server.scratch("big");
    writeFile(local, bytes);
    ASSERT_EQ(uploadFile(1, local, "big.bin"), 1);
    ASSERT_GE(waitForBytes(1, 64 * 1024), 64 * 1024);
    // A second transfer is refused while this one runs.
    EXPECT_EQ(uploadFile(1, local, "other.bin"), 0);
    abortTransfer(1);
    EXPECT_EQ(transferState(1), TransferFailed);
    // What reached the server was aborted and deleted: no beginning of the
    // file stays there under its name.
    EXPECT_TRUE(server.logShows("1 STOR\n1 ABOR\n1 DELE\n"));
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(server.root() + "/big.bin")));
    // The session is still in step: the next transfer succeeds.
    const std::string small = server.scratch("small");
    writeFile(small, "after the cancel");
    ASSERT_EQ(uploadFile(1, small, "small.txt"), 1);
    EXPECT_EQ(waitForEnd(1), TransferDone);
    EXPECT_EQ(readFile(server.root() + "/small.txt"), "after the cancel");
}

TEST_F(FtpPyftpdlib, ASmallFileCountsWhatTheServerTookAndACancelBeforeItHasAllIsHonoured) {
    // A file small enough to fit into the socket buffers at once, going to a
    // server that takes 16 KB a second: the state follows what the server
    // acknowledged, and a cancel meanwhile keeps the whole file from arriving.
    ASSERT_TRUE(server.startPyftpdlib(16 * 1024));
    ASSERT_NE(ftpConnect(1, "127.0.0.1", User, Password, server.port()), 0);
    const std::string bytes = patternBytes(51200);
    const std::string local = server.scratch("small");
    writeFile(local, bytes);
    ASSERT_EQ(uploadFile(1, local, "small.bin"), 1);
    const std::int32_t flowing = waitForBytes(1, 1);
    EXPECT_GT(flowing, 0);
    EXPECT_LT(flowing, 51200);
    abortTransfer(1);
    EXPECT_EQ(transferState(1), TransferFailed);
    EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(server.root() + "/small.bin")));
    // Left alone, the same file arrives whole.
    ASSERT_EQ(uploadFile(1, local, "whole.bin"), 1);
    EXPECT_EQ(waitForEnd(1), TransferDone);
    EXPECT_EQ(readFile(server.root() + "/whole.bin"), bytes);
}

TEST_F(FtpPyftpdlib, ClosingDuringATransferStopsItAndQuits) {
    ASSERT_TRUE(server.startPyftpdlib(2 * 1024 * 1024));
    ASSERT_NE(ftpConnect(3, "127.0.0.1", User, Password, server.port()), 0);
    const std::string local = server.scratch("big");
    writeFile(local, patternBytes(16u * 1024 * 1024));
    ASSERT_EQ(uploadFile(3, local, "big.bin"), 1);
    ASSERT_GE(waitForBytes(3, 16 * 1024), 16 * 1024);
    ftpClose(3);
    EXPECT_EQ(transferState(3), 0);
    EXPECT_TRUE(server.logShows("1 QUIT"));
}
