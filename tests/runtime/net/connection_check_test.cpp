// The reachability check of the update: one connect to the address's host
// and port, closed again at once.
#include "runtime/connection_check.h"

#include "local_listener.h"

#include <gtest/gtest.h>
#include <string>

using namespace codarium;
using codarium::testing::LocalListener;

namespace {

std::string addressOn(std::uint16_t port) {
    return "http://127.0.0.1:" + std::to_string(port) + "/codarium";
}

TEST(ServerReachable, OnlyAListenerAtTheAddressWithinTheLimitCounts) {
    LocalListener listener;
    StopToken set{true};
    struct Case {
        const char* what;
        std::string url;
        int limitSeconds;
        const StopToken* stop;
        bool reachable;
    };
    const Case cases[] = {
        {"a listener", addressOn(listener.port()), 5, nullptr, true},
        {"nothing listens", addressOn(codarium::testing::unusedPort()), 5, nullptr, false},
        {"no scheme", "127.0.0.1:" + std::to_string(listener.port()), 5, nullptr, false},
        {"no host", "http://:" + std::to_string(listener.port()), 5, nullptr, false},
        {"stop already set", addressOn(listener.port()), 5, &set, false},
        {"no time to wait", addressOn(listener.port()), 0, nullptr, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(serverReachable(c.url, c.limitSeconds, c.stop), c.reachable);
    }
}

TEST(ServerReachable, TheConnectionIsClosedAgainAtOnce) {
    LocalListener listener;
    ASSERT_TRUE(serverReachable(addressOn(listener.port()), 5));
    const int server = listener.accept();
    ASSERT_GE(server, 0) << "the check made no connection";
    pollfd entry{server, POLLIN, 0};
    ASSERT_EQ(::poll(&entry, 1, 2000), 1) << "the check's connection is still open";
    char byte = 0;
    EXPECT_EQ(::recv(server, &byte, 1, 0), 0) << "the peer sees an orderly end, no bytes";
    ::close(server);
}

} // namespace
