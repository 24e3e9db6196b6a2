// The client against a scripted server, for replies a real server will not
// give.
#include "ftp_test_servers.h"

#include "runtime/ftp_client.h"

#include <future>
#include <gtest/gtest.h>
#include <pthread.h>

using namespace codarium;
using namespace codarium::ftptest;

namespace {

class FtpScripted : public ::testing::Test {
protected:
    void TearDown() override { ftpCloseAll(); }

    // Connects under number 1; replyLimit shortens the wait for a reply.
    bool connect(const std::string& scenario, int replyLimit = ftp::DefaultReplyLimitSeconds) {
        return server.startScripted(scenario) &&
               ftpConnect(1, "127.0.0.1", User, Password, server.port(), replyLimit) != 0;
    }

    // Uploads `bytes` and returns the final state.
    std::int32_t upload(const std::string& bytes) {
        const std::string local = server.scratch("local");
        writeFile(local, bytes);
        if (uploadFile(1, local, "remote.bin") != 1) {
            return 0;
        }
        return waitForEnd(1);
    }

    TestServer server;
};

} // namespace

TEST_F(FtpScripted, GreetingsOfSeveralLinesAndRepliesCutAnywhereAreRead) {
    // Every line begins with the code; middle lines carry no code; every
    // reply arrives in pieces of three bytes.
    for (const char* scenario : {"multiline-greeting", "greeting-without-codes", "split-replies"}) {
        SCOPED_TRACE(scenario);
        TestServer local;
        ASSERT_TRUE(local.startScripted(scenario));
        ASSERT_NE(ftpConnect(1, "127.0.0.1", User, Password, local.port()), 0);
        const std::string file = local.scratch("file");
        writeFile(file, patternBytes(10000));
        ASSERT_EQ(uploadFile(1, file, "f.bin"), 1);
        EXPECT_EQ(waitForEnd(1), TransferDone);
        EXPECT_EQ(readFile(local.dataFile()), patternBytes(10000));
        const std::string log = local.log();
        EXPECT_NE(log.find("CMD USER uploader\n"), std::string::npos);
        EXPECT_NE(log.find("CMD PASS s3cret pass\n"), std::string::npos);
        EXPECT_NE(log.find("CMD TYPE I\nCMD PASV\nCMD STOR f.bin\n"), std::string::npos);
        ftpClose(1);
    }
}

TEST_F(FtpScripted, AUserAcceptedWithoutAPasswordIsRefusedWithQuit) {
    EXPECT_FALSE(connect("user-230"));
    EXPECT_TRUE(server.logShows("CMD QUIT"));
    EXPECT_EQ(server.log().find("CMD PASS"), std::string::npos);
    EXPECT_EQ(transferState(1), 0);
}

TEST_F(FtpScripted, PassiveRepliesOfEveryShapeGiveTheDataPort) {
    // Without parentheses, with text after the numbers, spread over two lines.
    for (const char* scenario : {"pasv-bare", "pasv-trailing", "pasv-multiline"}) {
        SCOPED_TRACE(scenario);
        TestServer local;
        ASSERT_TRUE(local.startScripted(scenario));
        ASSERT_NE(ftpConnect(1, "127.0.0.1", User, Password, local.port()), 0);
        const std::string file = local.scratch("file");
        writeFile(file, "shape");
        ASSERT_EQ(uploadFile(1, file, "f.bin"), 1);
        EXPECT_EQ(waitForEnd(1), TransferDone);
        EXPECT_EQ(readFile(local.dataFile()), "shape");
        ftpClose(1);
    }
}

TEST_F(FtpScripted, TheDataConnectionGoesToTheControlPeerWhateverThe227Names) {
    // The reply names 127.0.0.2; the server listens for data on 127.0.0.1
    // only, so the upload succeeds only by going to the control peer.
    ASSERT_TRUE(connect("pasv-other-host"));
    EXPECT_EQ(upload("redirected?"), TransferDone);
    EXPECT_EQ(readFile(server.dataFile()), "redirected?");
}

TEST_F(FtpScripted, FewerThanSixPassiveNumbersFailWithoutStor) {
    ASSERT_TRUE(connect("pasv-short"));
    EXPECT_EQ(upload("never sent"), TransferFailed);
    EXPECT_EQ(server.log().find("CMD STOR"), std::string::npos);
}

TEST_F(FtpScripted, AStorRefusedWith550FailsWithoutWaitingForAClosingReply) {
    // The reply limit is long: waiting for a closing reply that never comes
    // would keep the state at 0 well beyond the wait below.
    ASSERT_TRUE(connect("stor-550"));
    EXPECT_EQ(upload("refused"), TransferFailed);
    EXPECT_TRUE(server.logShows("DATA-CLOSED 0"));
    // Replies stay in step: the next transfer gets as far as STOR again.
    EXPECT_EQ(upload("refused again"), TransferFailed);
    EXPECT_TRUE(server.logShows("DATA-CLOSED 0\nCMD TYPE I\nCMD PASV\nCMD STOR remote.bin\n"));
}

TEST_F(FtpScripted, AClosingReplyThatReportsAFailureIsNoSuccess) {
    ASSERT_TRUE(connect("closing-451"));
    EXPECT_EQ(upload(patternBytes(5000)), TransferFailed);
    EXPECT_EQ(readFile(server.dataFile()), patternBytes(5000));
}

TEST_F(FtpScripted, ASilentServerEndsTheOperationAfterTheReplyLimit) {
    EXPECT_FALSE(connect("silent-greeting", 1));
    EXPECT_EQ(server.log().find("CMD USER"), std::string::npos);

    TestServer quiet;
    ASSERT_TRUE(quiet.startScripted("silent-after-login"));
    ASSERT_NE(ftpConnect(1, "127.0.0.1", User, Password, quiet.port(), 1), 0);
    const std::string local = quiet.scratch("local");
    writeFile(local, "x");
    ASSERT_EQ(uploadFile(1, local, "x"), 1);
    EXPECT_EQ(waitForEnd(1, 10), TransferFailed);
    // A reply may still come late, so the session takes no more transfers.
    EXPECT_EQ(uploadFile(1, local, "x"), 0);
    ftpClose(1);
    EXPECT_TRUE(quiet.logShows("CMD QUIT"));
}

TEST_F(FtpScripted, ACancelBeforeTheDataFlowsEndsWithoutSendingData) {
    // The server takes a second to answer PASV, so the cancel meets state -1.
    ASSERT_TRUE(connect("slow-pasv"));
    const std::string local = server.scratch("local");
    writeFile(local, "must not be sent");
    ASSERT_EQ(uploadFile(1, local, "remote.bin"), 1);
    ASSERT_TRUE(server.logShows("CMD PASV"));
    EXPECT_EQ(transferState(1), TransferNegotiating);
    abortTransfer(1);
    EXPECT_EQ(transferState(1), TransferFailed);
    EXPECT_EQ(server.log().find("CMD STOR"), std::string::npos);
    // The 227 was read, so the session is still in step.
    EXPECT_EQ(upload("sent now"), TransferDone);
    EXPECT_EQ(readFile(server.dataFile()), "sent now");
}

TEST_F(FtpScripted, ATransferThreadThatCannotStartLeavesTheStateFailed) {
    ASSERT_TRUE(connect("plain"));
    const std::string local = server.scratch("local");
    writeFile(local, "later");
    // A default thread stack far beyond any memory makes thread creation fail.
    pthread_attr_t saved, huge;
    ASSERT_EQ(pthread_getattr_default_np(&saved), 0);
    pthread_attr_init(&huge);
    ASSERT_EQ(pthread_attr_setstacksize(&huge, std::size_t{1} << 46), 0);
    ASSERT_EQ(pthread_setattr_default_np(&huge), 0);
    const int started = uploadFile(1, local, "remote.bin");
    pthread_setattr_default_np(&saved);
    pthread_attr_destroy(&huge);
    pthread_attr_destroy(&saved);
    if (started == 1) {
        waitForEnd(1);
        GTEST_SKIP() << "this system starts threads even with a 64 TiB stack";
    }
    EXPECT_EQ(started, 0);
    EXPECT_EQ(transferState(1), TransferFailed);
    EXPECT_EQ(upload("later"), TransferDone);
}

TEST_F(FtpScripted, NamesWithLineEndsCannotSmuggleInCommands) {
    ASSERT_TRUE(server.startScripted("plain"));
    EXPECT_EQ(ftpConnect(1, "127.0.0.1", "uploader\r\nDELE a", Password, server.port()), 0);
    EXPECT_EQ(ftpConnect(1, "127.0.0.1", User, "pass\nDELE b", server.port()), 0);
    ASSERT_NE(ftpConnect(1, "127.0.0.1", User, Password, server.port()), 0);
    const std::string local = server.scratch("local");
    writeFile(local, "x");
    EXPECT_EQ(uploadFile(1, local, "x.bin\r\nDELE c"), 0);
    EXPECT_EQ(uploadFile(1, local, "x.bin\rDELE d"), 0);
    ftpClose(1);
    ASSERT_TRUE(server.logShows("CMD QUIT\nCMD USER uploader\nCMD PASS s3cret pass\nCMD QUIT\n"));
    EXPECT_EQ(server.log().find("DELE"), std::string::npos);
}

TEST_F(FtpScripted, ClosingDoesNotWaitOutASilentServer) {
    // The reply limit is the full default; the close must not sit it out.
    ASSERT_TRUE(connect("silent-after-login"));
    const std::string local = server.scratch("local");
    writeFile(local, "x");
    ASSERT_EQ(uploadFile(1, local, "x"), 1);
    ASSERT_TRUE(server.logShows("CMD TYPE I"));
    auto closed = std::async(std::launch::async, [] { ftpClose(1); });
    ASSERT_EQ(closed.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    EXPECT_EQ(transferState(1), 0);
    EXPECT_TRUE(server.logShows("CMD TYPE I\nCMD QUIT\n"));
}

namespace {

// Sets the flag when it goes out of scope, so that a failed assertion never
// leaves a call waiting on a stalled server behind.
struct StopOnExit {
    StopToken& stop;
    ~StopOnExit() { stop = true; }
};

using Clock = std::chrono::steady_clock;

} // namespace

TEST_F(FtpScripted, AStopEndsTheConnectAndEveryWaitOfTheLoginAtOnce) {
    // Each server stops answering at another point; the reply limit is the
    // full default, so only the stop can end the wait this soon.
    struct Phase {
        const char* scenario;
        const char* reached; // what the log shows once the client waits there
    };
    const Phase phases[] = {
        {"full-backlog", nullptr},      // the connect gets no answer
        {"silent-greeting", nullptr},   // connected, no greeting
        {"silent-at-pass", "CMD PASS"}, // no reply to PASS
    };
    for (const Phase& phase : phases) {
        SCOPED_TRACE(phase.scenario);
        TestServer local;
        ASSERT_TRUE(local.startScripted(phase.scenario));
        StopToken stop{false};
        auto connected = std::async(std::launch::async, [&] {
            return ftpConnect(1, "127.0.0.1", User, Password, local.port(),
                              ftp::DefaultReplyLimitSeconds, &stop);
        });
        const StopOnExit guard{stop};
        if (phase.reached != nullptr) {
            ASSERT_TRUE(local.logShows(phase.reached));
        }
        // Still waiting well into the phase: it really stalls there.
        ASSERT_EQ(connected.wait_for(std::chrono::milliseconds(300)), std::future_status::timeout);
        const auto asked = Clock::now();
        stop = true;
        ASSERT_EQ(connected.wait_for(std::chrono::seconds(1)), std::future_status::ready);
        EXPECT_LT(Clock::now() - asked, std::chrono::seconds(1));
        EXPECT_EQ(connected.get(), 0);
        EXPECT_EQ(transferState(1), 0); // nothing is left under the number
    }
}

TEST_F(FtpScripted, ACancelEndsEveryPhaseOfATransferWithinASecond) {
    struct Phase {
        const char* scenario;
        const char* reached;
        const char* logAfter; // what the log holds after the cancel (nullptr: the
                              // server is stalled and reads nothing more)
    };
    const Phase phases[] = {
        // Negotiating: no STOR went out, so nothing is withdrawn.
        {"silent-after-login", "CMD TYPE I", "CMD TYPE I\nCMD QUIT\n"},
        // Sending: the server takes nothing in.
        {"stall-data", "DATA-FROM", nullptr},
        // Every byte taken, the closing reply never comes: the file is
        // withdrawn.
        {"no-closing-reply", "DATA-CLOSED", "DATA-CLOSED 1048576\nCMD ABOR\nCMD DELE remote.bin\n"},
    };
    for (const Phase& phase : phases) {
        SCOPED_TRACE(phase.scenario);
        TestServer local;
        ASSERT_TRUE(local.startScripted(phase.scenario));
        ASSERT_NE(ftpConnect(1, "127.0.0.1", User, Password, local.port()), 0);
        const std::string file = local.scratch("file");
        writeFile(file, patternBytes(1 << 20));
        ASSERT_EQ(uploadFile(1, file, "remote.bin"), 1);
        ASSERT_TRUE(local.logShows(phase.reached));
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        const std::int32_t before = transferState(1);
        ASSERT_NE(before, TransferFailed);
        ASSERT_NE(before, TransferDone);
        const auto asked = Clock::now();
        cancelTransfer(1);
        EXPECT_LT(Clock::now() - asked, std::chrono::milliseconds(100)); // never waits
        EXPECT_EQ(waitForEnd(1, 1), TransferFailed);
        EXPECT_LT(Clock::now() - asked, std::chrono::seconds(1));
        if (phase.logAfter != nullptr) {
            if (std::string_view(phase.scenario) == "silent-after-login") {
                ftpClose(1); // the QUIT shows that nothing went out before it
            }
            EXPECT_TRUE(local.logShows(phase.logAfter)) << local.log();
        }
        ftpCloseAll();
    }
}
