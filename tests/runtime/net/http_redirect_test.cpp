#include "runtime/http_redirect.h"

#include <gtest/gtest.h>

using namespace codarium;

namespace {

// The target as "scheme host port path", or "none".
std::string target(const char* from, const char* location) {
    const auto base = splitUrl(from);
    if (!base) {
        return "bad base";
    }
    const auto to = redirectTarget(*base, location);
    if (!to) {
        return "none";
    }
    return std::string(to->secure ? "https " : "http ") + to->host + " " +
           std::to_string(to->port) + " /" + to->path;
}

} // namespace

TEST(HttpRedirect, ResolvesAbsoluteAndRelativeLocations) {
    struct Case {
        const char* from;
        const char* location;
        const char* expected;
    };
    const Case cases[] = {
        {"http://h/a/b", "https://s.test/x", "https s.test 443 /x"},
        {"http://h/a/b", "HTTP://s.test:81/x?q#f", "http s.test 81 /x?q"},
        {"https://h:8443/a/b", "//s.test/x", "https s.test 443 /x"},
        {"http://h/a/b", "//s.test:9/x", "http s.test 9 /x"},
        {"https://h:8443/a/b?old", "/x/y", "https h 8443 /x/y"},
        {"https://h:8443/a/b?old", "?new", "https h 8443 /a/b?new"},
        {"http://h:8080/a/b/c", "d", "http h 8080 /a/b/d"},
        {"http://h:8080/a/b/c?q=/z", "d/e?r", "http h 8080 /a/b/d/e?r"},
        {"http://h:8080/a/b/c", "../d", "http h 8080 /a/d"},
        {"http://h:8080/a/b/c", "../../../../d", "http h 8080 /d"},
        {"http://h:8080/a/b/c", "./", "http h 8080 /a/b/"},
        {"http://h:8080/a/b/c", "..", "http h 8080 /a/"},
        {"http://h:8080", "d", "http h 8080 /d"},
        {"http://h/a", "/x/./y/../z", "http h 80 /x/z"},
        {"https://h/a", "https://s.test/a/../b", "https s.test 443 /b"},
        {"http://h/a", "  /x\t", "none"}, // blanks around are the parser's to strip
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.from) + " -> " + c.location);
        EXPECT_EQ(target(c.from, c.location), c.expected);
    }
}

TEST(HttpRedirect, RefusesDowngradesOtherSchemesAndLocationsThatWouldBreakTheRequest) {
    const std::pair<const char*, const char*> cases[] = {
        {"https://h/a", "http://h/a"},
        {"https://h/a", "HTTP://h/a"},
        {"http://h/a", "ftp://h/a"},
        {"http://h/a", "javascript:alert(1)"},
        {"http://h/a", "http:/h/a"},
        {"http://h/a", "http://:80/a"},
        {"http://h/a", ""},
        {"http://h/a", "#only-a-fragment"},
        {"http://h/a", "/a b"},
        {"http://h/a", "/a\r\nX-Injected: 1"},
    };
    for (const auto& [from, location] : cases) {
        SCOPED_TRACE(std::string(from) + " -> " + location);
        EXPECT_EQ(target(from, location), "none");
    }
}
