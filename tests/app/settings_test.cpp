#include "app/server_config.h"
#include "app/settings.h"
#include "default_settings_bytes.h"
#include "tests/support/scratch_folder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace codarium::app {
namespace {

using testsupport::readBytes;
using testsupport::ScratchFolder;
using testsupport::writeBytes;

constexpr std::string_view DefaultFile = testsupport::DefaultSettingsFile;

TEST(DefaultSettings, FirstStartCreatesTheFoldersAndTheDefaultFile) {
    ScratchFolder appData;
    createDefaultSettings(appData.path().string());
    EXPECT_TRUE(std::filesystem::is_directory(appData / "Marvolt"));
    EXPECT_TRUE(std::filesystem::is_directory(appData / "Marvolt/Codarium"));
    EXPECT_EQ(standardSettingsPath(appData.path().string()),
              appData / "Marvolt/Codarium/Einstellungen.ini");
    EXPECT_EQ(readBytes(appData / "Marvolt/Codarium/Einstellungen.ini"), DefaultFile);
}

TEST(DefaultSettings, AMissingApplicationDataFolderIsCreatedWholeAndPrivate) {
    // As on a new account without ~/.config, or an APPDATA or
    // XDG_CONFIG_HOME that names a folder not made yet.
    ScratchFolder home;
    const std::string appData = home / ".config/nested";
    createDefaultSettings(appData);
    EXPECT_EQ(readBytes(standardSettingsPath(appData)), DefaultFile);
    for (const char* made : {".config", ".config/nested", ".config/nested/Marvolt",
                             ".config/nested/Marvolt/Codarium"}) {
        const auto perms = std::filesystem::status(home.path() / made).permissions();
        EXPECT_EQ(perms & (std::filesystem::perms::group_all | std::filesystem::perms::others_all),
                  std::filesystem::perms::none)
            << made;
    }
}

TEST(DefaultSettings, AnExistingFileIsLeftAlone) {
    ScratchFolder appData;
    std::filesystem::create_directories(appData.path() / "Marvolt/Codarium");
    const std::string own = "[Einstellungen]\r\nFensterbreite = 1024\r\n";
    writeBytes(appData / "Marvolt/Codarium/Einstellungen.ini", own);
    createDefaultSettings(appData.path().string());
    EXPECT_EQ(readBytes(appData / "Marvolt/Codarium/Einstellungen.ini"), own);
}

TEST(ReadSettings, MissingKeysTakeTheirDefaultsAndTextIsNoNumber) {
    ScratchFolder folder;
    writeBytes(folder / "s.ini", "[Einstellungen]\r\nPBPfad = /opt/pb/purebasic\r\n"
                                 "Fensterbreite = 1024\r\nToolBar_Icongroesse = gross\r\n"
                                 "Saut de ligne = 1\r\n");
    AppSettings s;
    ASSERT_TRUE(readSettings(folder / "s.ini", s));
    EXPECT_EQ(s.editorPath, "/opt/pb/purebasic");
    EXPECT_EQ(s.windowWidth, 1024);
    EXPECT_EQ(s.windowHeight, 600);
    EXPECT_EQ(s.windowState, 0);
    EXPECT_EQ(s.splitterPosition, 200);
    EXPECT_EQ(s.toolbarIconSize, 0); // a present key that is not a number
    EXPECT_EQ(s.administratorMode, 0);
    EXPECT_EQ(s.wordWrap, 1);
}

TEST(ReadSettings, AFileThatCannotBeOpenedLeavesTheDefaults) {
    ScratchFolder folder;
    // An entry of that name that is no file: it exists but does not open.
    std::filesystem::create_directory(folder.path() / "Einstellungen.ini");
    AppSettings s;
    EXPECT_FALSE(readSettings(folder / "Einstellungen.ini", s));
    EXPECT_EQ(s.toolbarIconSize, 32);
    EXPECT_EQ(s.windowWidth, 800);
    EXPECT_EQ(s.windowHeight, 600);
    EXPECT_EQ(s.splitterPosition, 200);
    EXPECT_FALSE(readSettings(folder / "fehlt.ini", s));
}

TEST(WriteSettings, EachWindowStateWritesWhatItShould) {
    ScratchFolder folder;
    AppSettings s;
    s.editorPath = "0";
    s.toolbarIconSize = 24;
    s.wordWrap = 1;
    const std::string path = folder / "s.ini";

    writeBytes(path, DefaultFile);
    ASSERT_TRUE(writeSettings(path, s, {WindowSnapshot::State::Normal, 900, 650, 310}));
    AppSettings back;
    ASSERT_TRUE(readSettings(path, back));
    EXPECT_EQ(back.editorPath, "0");
    EXPECT_EQ(back.windowWidth, 900);
    EXPECT_EQ(back.windowHeight, 650);
    EXPECT_EQ(back.windowState, 0);
    EXPECT_EQ(back.splitterPosition, 310);
    EXPECT_EQ(back.toolbarIconSize, 24);
    EXPECT_EQ(back.wordWrap, 1);

    ASSERT_TRUE(writeSettings(path, s, {WindowSnapshot::State::Maximized, 1920, 1080, 250}));
    ASSERT_TRUE(readSettings(path, back));
    EXPECT_EQ(back.windowState, MaximizedWindowState);
    EXPECT_EQ(back.windowWidth, 900);
    EXPECT_EQ(back.windowHeight, 650);
    EXPECT_EQ(back.splitterPosition, 250);

    ASSERT_TRUE(writeSettings(path, s, {WindowSnapshot::State::Minimized, 160, 30, 260}));
    ASSERT_TRUE(readSettings(path, back));
    EXPECT_EQ(back.windowState, MaximizedWindowState);
    EXPECT_EQ(back.windowWidth, 900);
    EXPECT_EQ(back.windowHeight, 650);
    EXPECT_EQ(back.splitterPosition, 260);
}

TEST(WriteSettings, AnUntouchedDefaultRunWritesTheSameBytesBack) {
    ScratchFolder folder;
    writeBytes(folder / "s.ini", DefaultFile);
    ASSERT_TRUE(writeSettings(folder / "s.ini", AppSettings{},
                              {WindowSnapshot::State::Normal, 800, 600, 200}));
    EXPECT_EQ(readBytes(folder / "s.ini"), DefaultFile);
}

TEST(WriteSettings, AMissingFileIsNotCreated) {
    ScratchFolder folder;
    EXPECT_FALSE(writeSettings(folder / "fehlt.ini", AppSettings{}, {}));
    EXPECT_FALSE(std::filesystem::exists(folder / "fehlt.ini"));
}

TEST(ServerConfiguration, AllThreeKeysMustHoldText) {
    ScratchFolder folder;
    const std::string path = folder / "Konfiguration.ini";
    EXPECT_FALSE(checkServerConfig(readServerConfig(path)));

    writeBytes(path, "[Konfiguration]\r\nSoftware = Codarium\r\nServer = http://h.invalid\r\n"
                     "Verzeichnis = codarium\r\n");
    const ServerConfig good = readServerConfig(path);
    EXPECT_EQ(good.server, "http://h.invalid");
    EXPECT_EQ(good.directory, "codarium");
    EXPECT_TRUE(checkServerConfig(good));

    writeBytes(path, "[Konfiguration]\r\nSoftware = Codarium\r\nServer =    \r\n"
                     "Verzeichnis = codarium\r\n");
    EXPECT_FALSE(checkServerConfig(readServerConfig(path)));
    writeBytes(path, "[Konfiguration]\r\nSoftware = Codarium\r\nServer = http://h.invalid\r\n");
    EXPECT_FALSE(checkServerConfig(readServerConfig(path)));
    // The keys belong to their group.
    writeBytes(path, "[Anders]\r\nSoftware = a\r\nServer = b\r\nVerzeichnis = c\r\n");
    EXPECT_FALSE(checkServerConfig(readServerConfig(path)));
}

} // namespace
} // namespace codarium::app
