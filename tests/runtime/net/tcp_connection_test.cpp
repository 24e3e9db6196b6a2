#include "runtime/tcp_connection.h"

#include "local_listener.h"

#include <atomic>
#include <chrono>
#include <ctime>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <utility>
#include <vector>

using namespace codarium;
using codarium::testing::LocalListener;

namespace {

struct Accepted {
    OwnedConnection client;
    int server = -1;
    Accepted() = default;
    Accepted(Accepted&& other) noexcept
        : client(std::move(other.client)), server(std::exchange(other.server, -1)) {}
    ~Accepted() {
        if (server >= 0) {
            ::close(server);
        }
    }
};

Accepted connectTo(const LocalListener& listener, std::string_view host = "127.0.0.1") {
    Accepted pair;
    pair.client.reset(openConnection(host, listener.port()));
    if (pair.client) {
        pair.server = listener.accept();
    }
    return pair;
}

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

TEST(TcpConnection, ExchangesBytesWithALocalServerByAddressOrName) {
    LocalListener listener;
    for (const char* host : {"127.0.0.1", "localhost"}) {
        SCOPED_TRACE(host);
        auto pair = connectTo(listener, host);
        ASSERT_TRUE(pair.client);
        ASSERT_GE(pair.server, 0);
        EXPECT_EQ(peerAddress(pair.client.get()), 0x7F000001u);

        ASSERT_TRUE(sendAll(pair.client.get(), "hello", 5, 10));
        EXPECT_EQ(codarium::testing::receiveText(pair.server, 5), "hello");

        codarium::testing::sendText(pair.server, "world");
        char block[16] = "xxxxxxxxxxxxxxx";
        ASSERT_EQ(receiveWithin(pair.client.get(), block, 10, 10), 5);
        EXPECT_EQ(std::string(block), "world"); // zero byte stored after the block
    }
}

TEST(TcpConnection, FailsToOpenWithoutAListenerOrAHost) {
    EXPECT_EQ(openConnection("127.0.0.1", codarium::testing::unusedPort()), nullptr);
    EXPECT_EQ(openConnection("", 80), nullptr);
    EXPECT_EQ(openConnection(std::string_view("127.0.0.1\0x", 11), 80), nullptr);
}

TEST(TcpConnection, OpensADataConnectionToThePeerOfAnother) {
    LocalListener control;
    LocalListener data;
    auto pair = connectTo(control);
    ASSERT_TRUE(pair.client);
    OwnedConnection second(openConnectionTo(peerAddress(pair.client.get()), data.port()));
    ASSERT_TRUE(second);
    const int server = data.accept();
    ASSERT_GE(server, 0);
    ASSERT_TRUE(sendAll(second.get(), "x", 1, 10));
    EXPECT_EQ(codarium::testing::receiveText(server, 1), "x");
    ::close(server);
}

TEST(TcpConnection, PollTellsNothingFromDataFromAClosedPeer) {
    LocalListener listener;
    auto pair = connectTo(listener);
    ASSERT_TRUE(pair.client);
    EXPECT_EQ(pollConnection(pair.client.get()), PollResult::Nothing);

    codarium::testing::sendText(pair.server, "abc");
    char block[8];
    ASSERT_EQ(receiveWithin(pair.client.get(), block, 2, 10), 2);
    EXPECT_EQ(pollConnection(pair.client.get()), PollResult::DataWaiting);
    ASSERT_EQ(receiveSome(pair.client.get(), block, 8), 1);
    EXPECT_EQ(block[0], 'c');

    ::close(pair.server);
    pair.server = -1;
    for (int i = 0; i < 100 && pollConnection(pair.client.get()) == PollResult::Nothing; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(pollConnection(pair.client.get()), PollResult::Closed);
    EXPECT_EQ(receiveWithin(pair.client.get(), block, 8, 10), 0);
    EXPECT_EQ(block[0], '\0');
}

TEST(TcpConnection, ReceiveTellsAnOrderlyEndFromAReset) {
    LocalListener listener;
    char block[64];
    {
        auto pair = connectTo(listener);
        ASSERT_TRUE(pair.client);
        codarium::testing::sendText(pair.server, "last");
        ::close(pair.server);
        pair.server = -1;
        auto outcome = receiveBlock(pair.client.get(), block, 63, 10);
        ASSERT_EQ(outcome.status, ReceiveStatus::Data);
        EXPECT_EQ(std::string(block, 4), "last");
        EXPECT_EQ(receiveBlock(pair.client.get(), block, 63, 10).status, ReceiveStatus::Closed);
    }
    {
        auto pair = connectTo(listener);
        ASSERT_TRUE(pair.client);
        codarium::testing::resetAndClose(pair.server);
        pair.server = -1;
        EXPECT_EQ(receiveBlock(pair.client.get(), block, 63, 10).status, ReceiveStatus::Failed);
    }
}

TEST(TcpConnection, ReceiveEndsWhenTheLimitRunsOutOrStopIsSet) {
    LocalListener listener;
    auto pair = connectTo(listener);
    ASSERT_TRUE(pair.client);
    char block[8];

    // A limit of 0 seconds still waits until the clock's second changes.
    EXPECT_EQ(receiveBlock(pair.client.get(), block, 7, 0).status, ReceiveStatus::TimedOut);

    StopToken stop{false};
    std::thread setter([&stop] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        stop = true;
    });
    const auto start = std::chrono::steady_clock::now();
    const auto outcome = receiveBlock(pair.client.get(), block, 7, 30, &stop);
    setter.join();
    EXPECT_EQ(outcome.status, ReceiveStatus::Stopped);
    EXPECT_LT(secondsSince(start), 5.0); // far below the 30-second limit
    EXPECT_EQ(receiveWithin(pair.client.get(), block, 7, 30, &stop), 0);
}

TEST(TcpConnection, SendingToAPeerThatDoesNotReadGivesUpAtTheLimit) {
    LocalListener listener;
    auto pair = connectTo(listener);
    ASSERT_TRUE(pair.client);
    const std::vector<char> large(64 * 1024 * 1024, 'z');
    EXPECT_FALSE(sendAll(pair.client.get(), large.data(), static_cast<int>(large.size()), 1));

    StopToken stop{true};
    EXPECT_FALSE(sendAll(pair.client.get(), "x", 1, 10, &stop));
    EXPECT_TRUE(sendAll(pair.client.get(), "", 0, 10));
}

TEST(TcpConnection, SendingToAClosedPeerFailsWithoutKillingTheProcess) {
    LocalListener listener;
    auto pair = connectTo(listener);
    ASSERT_TRUE(pair.client);
    codarium::testing::resetAndClose(pair.server);
    pair.server = -1;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const std::string text(4096, 'p');
    // Without MSG_NOSIGNAL the second send would raise SIGPIPE.
    EXPECT_FALSE(sendAll(pair.client.get(), text.data(), 4096, 1));
    EXPECT_FALSE(sendAll(pair.client.get(), text.data(), 4096, 1));
}

// The workers start the network before their first use of it (the update
// check's tests watch that); what the layer owes them is that a start coming
// from two workers at once, or again later, does no harm: connections made
// afterwards carry bytes both ways.
TEST(TcpConnection, NetworkStartsOnce) {
    // Workers asking at the same moment all come back with the network
    // started, not only the one that started it.
    std::atomic<int> startedOnReturn{0};
    std::vector<std::thread> workers;
    for (int i = 0; i < 4; ++i) {
        workers.emplace_back([&] {
            ensureNetworkStarted();
            startedOnReturn += NetworkStarted.load();
        });
    }
    for (auto& worker : workers) {
        worker.join();
    }
    EXPECT_EQ(startedOnReturn.load(), 4);
    ensureNetworkStarted();
    EXPECT_EQ(NetworkStarted.load(), 1);

    LocalListener listener;
    auto pair = connectTo(listener);
    ASSERT_TRUE(pair.client);
    ASSERT_GE(pair.server, 0);
    ASSERT_TRUE(sendAll(pair.client.get(), "nach", 4, 10));
    EXPECT_EQ(codarium::testing::receiveText(pair.server, 4), "nach");
    codarium::testing::sendText(pair.server, "vor");
    char block[8] = {};
    ASSERT_EQ(receiveWithin(pair.client.get(), block, 3, 10), 3);
    EXPECT_EQ(std::string(block), "vor");
}

// Every network time limit is measured in these seconds: the calendar's, as
// the system clock counts them, advancing with it.
TEST(TcpConnection, TheClockCountsTheSystemsWholeSeconds) {
    const auto before = static_cast<std::int64_t>(std::time(nullptr));
    const auto ours = nowSeconds();
    const auto after = static_cast<std::int64_t>(std::time(nullptr));
    EXPECT_GE(ours, before);
    EXPECT_LE(ours, after);
}
