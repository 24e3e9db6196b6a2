// The per-user copy of an installed program directory: when it is made,
// what it holds, and that the installed directory is never written.
#include "app/per_user_program_directory.h"
#include "tests/support/scratch_folder.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace codarium::app {
namespace {

namespace fs = std::filesystem;
using testsupport::EnvironmentGuard;
using testsupport::readBytes;
using testsupport::ScratchFolder;
using testsupport::treeSnapshot;
using testsupport::WorkingDirectoryGuard;
using testsupport::writeBytes;

// An installed program directory as the install rule lays it out, plus the
// files the program writes itself, which must not reach the copy.
struct InstalledDirectory {
    ScratchFolder folder;
    fs::path path = fs::canonical(folder.path());

    InstalledDirectory() {
        writeBytes((path / "Codarium").string(), "executable");
        writeBytes((path / "SyntaxHilighting.so").string(), "plug-in");
        writeBytes((path / "Konfiguration.ini").string(), "[Konfiguration]\r\n");
        writeBytes((path / "MSDNLinks.ini").string(), "[MSDNLinks]\r\n");
        fs::create_directories(path / "Grafiken");
        writeBytes((path / "Grafiken/Suchen.ico").string(), "icon");
        fs::create_directories(path / "Codes/Fenster");
        writeBytes((path / "Codes/Fenster/Fenster \xC3\xB6"
                           "ffnen.pb")
                       .string(),
                   "OpenWindow()");
        fs::create_directories(path / "Einstellungen/Fenster");
        writeBytes((path / "Einstellungen/Kategorien.ini").string(), "Fenster\r\n");
        writeBytes((path / "Einstellungen/Fenster.ini").string(), "Fenster \xC3\xB6"
                                                                  "ffnen\r\n");
        writeBytes((path / "Paketinstallation").string(), "");
        writeBytes((path / "Index.ini").string(), "old index");
        writeBytes((path / "Einstellungen.ini").string(), "[Einstellungen]\r\n");
    }
    std::string operator/(std::string_view name) const { return (path / name).string(); }
};

TEST(PerUserProgramDirectory, InstalledOrUnwritableDirectoriesAreNotUsedAsTheyAre) {
    struct Case {
        bool marker, writable, perUser;
    };
    const Case cases[] = {
        {false, true, false}, // a build or unpacked folder of the user's own
        {false, false, true}, // read-only for this user
        {true, false, true},  // installed, ordinary user
        {true, true, true},   // installed, administrator (passes the permission bits)
    };
    for (const Case& c : cases) {
        EXPECT_EQ(needsPerUserCopy({c.marker, c.writable}), c.perUser)
            << "marker " << c.marker << " writable " << c.writable;
    }
}

TEST(PerUserProgramDirectory, TheLibraryIsCopiedTheProgramsFilesLinkedTheRestLeft) {
    const std::pair<std::string_view, EntryUse> cases[] = {
        {"Codes", EntryUse::CopyOnce},
        {"Einstellungen", EntryUse::CopyOnce},
        {"Codarium", EntryUse::Link},
        {"SyntaxHilighting.so", EntryUse::Link},
        {"Aktualisierung", EntryUse::Link},
        {"Grafiken", EntryUse::Link},
        {"Konfiguration.ini", EntryUse::Link},
        {"MSDNLinks.ini", EntryUse::Link},
        {"Paketinstallation", EntryUse::Leave},
        {"Einstellungen.ini", EntryUse::Leave},
        {"Index.ini", EntryUse::Leave},
        {"codes", EntryUse::Link}, // names are exact, as on the file system
    };
    for (const auto& [name, use] : cases) {
        EXPECT_EQ(entryUse(name), use) << name;
    }
}

TEST(PerUserProgramDirectory, ItLiesUnderAnAbsoluteDataHomeOnly) {
    EXPECT_EQ(perUserProgramDirectory("/home/ute/.local/share"),
              "/home/ute/.local/share/Marvolt/Codarium");
    EXPECT_EQ(perUserProgramDirectory("/daten/"), "/daten/Marvolt/Codarium");
    EXPECT_EQ(perUserProgramDirectory(""), std::nullopt);
    EXPECT_EQ(perUserProgramDirectory(".local/share"), std::nullopt);
}

TEST(PerUserProgramDirectory, MissingLinksAreMadeMovedOnesRenewedTheUsersEntriesKept) {
    struct Case {
        LinkPlace place;
        LinkRepair repair;
    };
    const Case cases[] = {
        {{false, false, ""}, LinkRepair::Create},
        {{true, true, "/usr/lib/codarium/Grafiken"}, LinkRepair::Keep},
        {{true, true, "/usr/local/lib/codarium/Grafiken"}, LinkRepair::Renew},
        {{true, true, ""}, LinkRepair::Renew},
        {{true, false, ""}, LinkRepair::Keep}, // a file or folder the user put there
    };
    for (const Case& c : cases) {
        EXPECT_EQ(linkRepair(c.place, "/usr/lib/codarium/Grafiken"), c.repair) << c.place.target;
    }
}

TEST(PerUserProgramDirectory, TheFirstStartCopiesTheLibraryAndLinksTheProgramsFiles) {
    InstalledDirectory installed;
    const auto before = treeSnapshot(installed.path);
    ScratchFolder home;
    const fs::path dataHome = fs::canonical(home.path()) / "neu/.local/share";
    const std::string perUser = (dataHome / "Marvolt/Codarium").string();

    ASSERT_TRUE(preparePerUserProgramDirectory(installed.path.string(), perUser));

    const fs::path copy(perUser);
    for (const char* name : {"Codes", "Einstellungen"}) {
        EXPECT_FALSE(fs::is_symlink(copy / name)) << name;
        EXPECT_TRUE(fs::is_directory(copy / name)) << name;
    }
    EXPECT_EQ(readBytes((copy / "Codes/Fenster/Fenster \xC3\xB6"
                                "ffnen.pb")
                            .string()),
              "OpenWindow()");
    EXPECT_EQ(readBytes((copy / "Einstellungen/Kategorien.ini").string()), "Fenster\r\n");
    EXPECT_TRUE(fs::is_directory(copy / "Einstellungen/Fenster"));
    for (const char* name :
         {"Codarium", "SyntaxHilighting.so", "Konfiguration.ini", "MSDNLinks.ini", "Grafiken"}) {
        ASSERT_TRUE(fs::is_symlink(copy / name)) << name;
        EXPECT_EQ(fs::read_symlink(copy / name), installed.path / name) << name;
    }
    EXPECT_EQ(readBytes((copy / "Grafiken/Suchen.ico").string()), "icon");
    for (const char* name : {"Paketinstallation", "Index.ini", "Einstellungen.ini"}) {
        EXPECT_FALSE(fs::exists(fs::symlink_status(copy / name))) << name;
    }
    // Only the finished copy is left beside it, no scratch folder.
    EXPECT_EQ(std::distance(fs::directory_iterator(dataHome / "Marvolt"), {}), 1);
    EXPECT_EQ(treeSnapshot(installed.path), before);
}

TEST(PerUserProgramDirectory, LaterStartsKeepTheUsersLibraryAndRepairOnlyTheLinks) {
    InstalledDirectory installed;
    ScratchFolder dataHome;
    const fs::path copy = dataHome.path() / "Marvolt/Codarium";
    ASSERT_TRUE(preparePerUserProgramDirectory(installed.path.string(), copy.string()));

    // The user's work since: a new category, a removed code, an own
    // configuration in place of the link. The installation changed too: a
    // link points elsewhere (the program moved), one is gone, a file is new.
    writeBytes((copy / "Einstellungen/Kategorien.ini").string(), "Fenster\r\nZeichnen\r\n");
    fs::create_directories(copy / "Codes/Zeichnen");
    fs::remove(copy / "Codes/Fenster/Fenster \xC3\xB6"
                      "ffnen.pb");
    fs::remove(copy / "Konfiguration.ini");
    writeBytes((copy / "Konfiguration.ini").string(), "own");
    fs::remove(copy / "Grafiken");
    fs::create_directory_symlink("/nirgends/Grafiken", copy / "Grafiken");
    fs::remove(copy / "MSDNLinks.ini");
    writeBytes(installed / "Aktualisierung", "updater");
    const auto before = treeSnapshot(installed.path);

    ASSERT_TRUE(preparePerUserProgramDirectory(installed.path.string(), copy.string()));

    EXPECT_EQ(readBytes((copy / "Einstellungen/Kategorien.ini").string()),
              "Fenster\r\nZeichnen\r\n");
    EXPECT_TRUE(fs::is_directory(copy / "Codes/Zeichnen"));
    EXPECT_FALSE(fs::exists(copy / "Codes/Fenster/Fenster \xC3\xB6"
                                   "ffnen.pb")); // never copied again
    EXPECT_FALSE(fs::is_symlink(copy / "Konfiguration.ini"));
    EXPECT_EQ(readBytes((copy / "Konfiguration.ini").string()), "own");
    for (const char* name : {"Grafiken", "MSDNLinks.ini", "Aktualisierung"}) {
        ASSERT_TRUE(fs::is_symlink(copy / name)) << name;
        EXPECT_EQ(fs::read_symlink(copy / name), installed.path / name) << name;
    }
    EXPECT_EQ(treeSnapshot(installed.path), before);
}

TEST(PerUserProgramDirectory, AFailedFirstCopyLeavesNoHalfLibraryAndTriesAgainNextTime) {
    InstalledDirectory installed;
    // A code that cannot be read stops the copy.
    fs::create_symlink(installed.path / "fehlt.pb", installed.path / "Codes/Fenster/kaputt.pb");
    ScratchFolder dataHome;
    const fs::path copy = dataHome.path() / "Marvolt/Codarium";

    EXPECT_FALSE(preparePerUserProgramDirectory(installed.path.string(), copy.string()));
    EXPECT_FALSE(fs::exists(copy));
    EXPECT_EQ(std::distance(fs::directory_iterator(dataHome.path() / "Marvolt"), {}), 0);

    fs::remove(installed.path / "Codes/Fenster/kaputt.pb");
    ASSERT_TRUE(preparePerUserProgramDirectory(installed.path.string(), copy.string()));
    EXPECT_EQ(readBytes((copy / "Einstellungen/Kategorien.ini").string()), "Fenster\r\n");
}

TEST(PerUserProgramDirectory, StartUpSwitchesToTheCopyOnlyForAnInstalledDirectory) {
    WorkingDirectoryGuard cwd;
    ScratchFolder home;
    const std::string dataHome = fs::canonical(home.path()).string();
    EnvironmentGuard xdg("XDG_DATA_HOME", dataHome.c_str());
    InstalledDirectory installed;
    const std::string perUser = dataHome + "/Marvolt/Codarium";

    // The user's own writable folder stays the program directory.
    fs::remove(installed.path / "Paketinstallation");
    fs::current_path(installed.path);
    EXPECT_EQ(useProgramDirectory(installed.path.string()), installed.path.string());
    EXPECT_EQ(fs::current_path(), installed.path);
    EXPECT_FALSE(fs::exists(perUser));

    // Installed: the per-user copy becomes the program and working directory.
    writeBytes(installed / "Paketinstallation", "");
    EXPECT_EQ(useProgramDirectory(installed.path.string()), perUser);
    EXPECT_EQ(fs::current_path(), fs::path(perUser));
    EXPECT_TRUE(fs::is_regular_file("Codarium")); // the executable check holds there
    EXPECT_TRUE(fs::is_regular_file("SyntaxHilighting.so"));

    // Without a data home the installed directory is used as it is.
    fs::current_path(installed.path);
    EnvironmentGuard noXdg("XDG_DATA_HOME", nullptr);
    EnvironmentGuard noHome("HOME", nullptr);
    EXPECT_EQ(useProgramDirectory(installed.path.string()), installed.path.string());
    EXPECT_EQ(fs::current_path(), installed.path);
}

} // namespace
} // namespace codarium::app
