// Native paths against library text: what comes from the system stays its
// own bytes, and library names are converted once where they join a folder.
#include "platform/code_page.h"
#include "platform/paths.h"

#include <QTemporaryDir>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>

namespace codarium::platform {
namespace {

namespace fs = std::filesystem;

// UTF-8 names beyond Windows-1252, as users' names and folders are.
constexpr const char* Lukasz = "\xC5\x81ukasz";
constexpr const char* Programs =
    "\xD0\x9F\xD1\x80\xD0\xBE\xD0\xB3\xD1\x80\xD0\xB0\xD0\xBC\xD0\xBC\xD1\x8B";
constexpr const char* Japanese = "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E";
constexpr const char* Emoji = "Ordner \xF0\x9F\x98\x80";

// Sets (or unsets, for nullptr) an environment variable for one test and
// puts the old value back.
class EnvironmentValue {
public:
    EnvironmentValue(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            old_ = old;
        }
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~EnvironmentValue() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }
    EnvironmentValue(const EnvironmentValue&) = delete;
    EnvironmentValue& operator=(const EnvironmentValue&) = delete;

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(Paths, StandardFoldersKeepTheSystemsBytes) {
    for (const char* name : {Lukasz, Programs, Japanese, Emoji}) {
        const std::string home = std::string("/home/") + name;
        EnvironmentValue h("HOME", home.c_str());
        {
            EnvironmentValue a("APPDATA", nullptr);
            EnvironmentValue x("XDG_CONFIG_HOME", nullptr);
            EnvironmentValue d("XDG_DATA_HOME", nullptr);
            EnvironmentValue t("TMPDIR", (home + "/tmp").c_str());
            EXPECT_EQ(applicationDataFolder(), home + "/.config");
            EXPECT_EQ(dataHomeFolder(), home + "/.local/share");
            EXPECT_EQ(tempFolder(), home + "/tmp");
            EXPECT_EQ(environmentValue("HOME"), home);
        }
        {
            EnvironmentValue a("APPDATA", nullptr);
            EnvironmentValue x("XDG_CONFIG_HOME", (home + "/konfig").c_str());
            EnvironmentValue d("XDG_DATA_HOME", (home + "/daten").c_str());
            EXPECT_EQ(applicationDataFolder(), home + "/konfig");
            EXPECT_EQ(dataHomeFolder(), home + "/daten");
        }
        EnvironmentValue a("APPDATA", (home + "/AppData").c_str());
        EXPECT_EQ(applicationDataFolder(), home + "/AppData");
    }
}

TEST(Paths, LibraryNamesAreConvertedOnlyWhereTheyJoinAFolder) {
    const std::string folder = std::string("/home/") + Lukasz + "/Codes";
    const struct {
        const char* libraryName; // Windows-1252
        const char* native;      // UTF-8
    } cases[] = {
        {"Fenster", "Fenster"},
        {"\xC4pfel", "\xC3\x84pfel"},                 // Äpfel
        {"Preis \x80 neu", "Preis \xE2\x82\xAC neu"}, // the euro sign at 0x80
        {"\x8A\x9F", "\xC5\xA0\xC5\xB8"},             // Š and Ÿ
    };
    for (const auto& c : cases) {
        EXPECT_EQ(joinLibraryName(folder, c.libraryName), folder + "/" + c.native) << c.native;
        EXPECT_EQ(joinLibraryName("", c.libraryName), c.native) << c.native;
        EXPECT_EQ(nativeFormOf(c.libraryName), c.native) << c.native;
        EXPECT_EQ(libraryFormOf(c.native), c.libraryName) << c.native;
        EXPECT_TRUE(fitsLibraryText(c.native)) << c.native;
    }
    // The native folder itself is never converted, whatever it holds.
    EXPECT_EQ(joinPath(folder, "\xC3\x84pfel"), folder + "/\xC3\x84pfel");
    EXPECT_EQ(joinPath(folder + "/", "a"), folder + "/a");
}

TEST(Paths, NativeTextBeyondTheCodePageIsNoLibraryText) {
    for (const char* native : {Lukasz, Programs, Japanese, Emoji, "\xC4"}) {
        EXPECT_FALSE(fitsLibraryText(native)) << native;
        EXPECT_NE(nativeFormOf(libraryFormOf(native)), native) << native;
    }
    EXPECT_EQ(libraryFormOf(Lukasz), "?ukasz");
}

TEST(Paths, WidgetTextOfAPathIsItsUtf8NotLibraryText) {
    for (const char* native : {Lukasz, Programs, Japanese, Emoji, "\xC3\x84pfel"}) {
        const QString shown = pathToQString(native);
        EXPECT_EQ(shown, QString::fromUtf8(native)) << native;
        EXPECT_EQ(pathFromQString(shown), native) << native;
    }
    // The library's conversion would read the same bytes as Windows-1252.
    EXPECT_NE(toQString("\xC3\x84pfel"), pathToQString("\xC3\x84pfel"));
}

TEST(Paths, WorkingFolderAndFoldersBeyondTheCodePage) {
    QTemporaryDir scratch;
    const std::string old = currentDirectory();
    for (const char* name : {Lukasz, Programs, Japanese, Emoji}) {
        const fs::path dir = fs::canonical(scratch.path().toStdString()) / name;
        fs::create_directories(dir);
        ASSERT_TRUE(setCurrentDirectory(dir.string())) << name;
        EXPECT_EQ(currentDirectory(), dir.string());
        EXPECT_EQ(directoryOf(joinPath(currentDirectory(), "Codarium")), dir.string());
    }
    ASSERT_TRUE(setCurrentDirectory(old));
}

} // namespace
} // namespace codarium::platform
