// Konfiguration.ini as the program and its updater read it.
#include "runtime/server_config.h"

#include "tests/support/scratch_folder.h"

#include <gtest/gtest.h>

namespace codarium {
namespace {

using testsupport::ScratchFolder;
using testsupport::writeBytes;

TEST(ServerConfigFile, EachKeyComesFromItsGroupAndAMissingOneIsEmpty) {
    struct Case {
        const char* what;
        const char* contents; // nullptr: no file
        ServerConfig expected;
    };
    const Case cases[] = {
        {"no file", nullptr, {}},
        {"all keys",
         "[Konfiguration]\r\nSoftware = Codarium\r\nServer = http://h.invalid\r\n"
         "Verzeichnis = codarium\r\nMaximalesAlter = 30\r\n",
         {"Codarium", "http://h.invalid", "codarium", 30}},
        {"blank values",
         "[Konfiguration]\r\nSoftware =  \r\nServer =    \r\nVerzeichnis = c\r\n",
         {"", "", "c", std::nullopt}},
        {"another group", "[Anders]\r\nSoftware = a\r\nServer = b\r\nVerzeichnis = c\r\n", {}},
        {"no age limit", "[Konfiguration]\r\nMaximalesAlter = 0\r\n", {"", "", "", 0}},
        {"age in words", "[Konfiguration]\r\nMaximalesAlter = viele\r\n", {}},
        {"negative age", "[Konfiguration]\r\nMaximalesAlter = -5\r\n", {}},
        {"age with a tail", "[Konfiguration]\r\nMaximalesAlter = 30 Tage\r\n", {}},
        {"age too large", "[Konfiguration]\r\nMaximalesAlter = 99999999999\r\n", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScratchFolder folder;
        if (c.contents != nullptr) {
            writeBytes(serverConfigPath(folder.path().string()), c.contents);
        }
        const ServerConfig got = readServerConfig(serverConfigPath(folder.path().string()));
        EXPECT_EQ(got.software, c.expected.software);
        EXPECT_EQ(got.server, c.expected.server);
        EXPECT_EQ(got.directory, c.expected.directory);
        EXPECT_EQ(got.maxReleaseAgeDays, c.expected.maxReleaseAgeDays);
    }
}

} // namespace
} // namespace codarium
