// The updater's journal format and the rules by which leftovers of killed
// updates are told from everything else in the program directory.
#include "online/update_install.h"
#include "online/update_journal.h"
#include "online/update_leftovers.h"
#include "platform/update_folder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <sys/wait.h>
#include <unistd.h>

namespace codarium::online {
namespace {

namespace fs = std::filesystem;

UpdateJournal sample() {
    UpdateJournal journal;
    journal.phase = JournalPhase::Replacing;
    journal.timestamp = 1765000000;
    journal.folders = {"Grafiken", "Grafiken/Neu"};
    journal.files = {{"Codes/A|B \xE4.pb", "900150983cd24fb0d6963f7d28e17f72", 3, true},
                     {"Grafiken/Neu/Neu.ico", "0123", 3000, false}};
    return journal;
}

TEST(UpdateJournal, ReadsBackWhatItWroteAndRefusesAnythingElse) {
    const std::string text = journalText(sample());
    const auto back = parseJournal(text);
    ASSERT_TRUE(back);
    EXPECT_EQ(journalText(*back), text);
    EXPECT_EQ(back->files[0].path, "Codes/A|B \xE4.pb") << "a bar in a name stays its own";
    EXPECT_TRUE(back->files[0].hadPrevious);
    EXPECT_EQ(back->files[1].size, 3000);
    EXPECT_EQ(back->phase, JournalPhase::Replacing);
    for (const JournalPhase phase :
         {JournalPhase::Fetching, JournalPhase::Replacing, JournalPhase::RollingBack}) {
        UpdateJournal journal = sample();
        journal.phase = phase;
        EXPECT_EQ(parseJournal(journalText(journal))->phase, phase);
    }

    // Any cut of the text is no journal: the last line is what marks it whole.
    for (std::size_t cut = 0; cut < text.size(); ++cut) {
        EXPECT_FALSE(parseJournal(text.substr(0, cut))) << cut;
    }
    const char* const damaged[] = {
        "Aktualisierungsjournal 2\r\nPhase=Laden\r\nEnde\r\n",
        "Aktualisierungsjournal 1\r\nPhase=Irgendwas\r\nEnde\r\n",
        "Aktualisierungsjournal 1\r\nEnde\r\n",
        "Aktualisierungsjournal 1\r\nPhase=Laden\r\nDatei=2|d|3|a\r\nEnde\r\n",
        "Aktualisierungsjournal 1\r\nPhase=Laden\r\nDatei=1|d|-3|a\r\nEnde\r\n",
        "Aktualisierungsjournal 1\r\nPhase=Laden\r\nDatei=1|d|3|\r\nEnde\r\n",
        "Aktualisierungsjournal 1\r\nPhase=Laden\r\nZeitstempel=12x\r\nEnde\r\n",
        "Aktualisierungsjournal 1\r\nPhase=Laden\r\nEnde\r\nOrdner=a\r\n",
        "Aktualisierungsjournal 1\nPhase=Laden\nEnde\n",
        "Aktualisierungsjournal 1\r\nPhase=Laden\r\nDatei=1|d|3|../../etc/profile\r\nEnde\r\n",
        "Aktualisierungsjournal 1\r\nPhase=Laden\r\nOrdner=/tmp\r\nEnde\r\n",
    };
    for (const char* text : damaged) {
        EXPECT_FALSE(parseJournal(text)) << text;
    }
}

TEST(UpdateLeftovers, TellsTheUpdatersTemporaryFilesFromOthers) {
    const struct {
        const char* name;
        bool updaters;
    } cases[] = {
        {"Codes/A b.pb.aktualisierung.tmp-123-0", true},
        {"Index.ini.tmp-9-41", true},
        {"Index.ini.minisig.tmp-9-1", true},
        {"Aktualisierung.journal.tmp-9-1", true},
        {"Aktualisierung.stand.tmp-9-1", true},
        {"Einstellungen/Kategorien.tmp-123-0", false}, // the library's own
        {"Codes/A.pb.aktualisierung", false},
        {"Codes/A.pb.aktualisierung.tmp-12", false},
        {"Codes/A.pb.aktualisierung.tmp--1", false},
        {"Codes/A.pb.aktualisierung.tmp-1-", false},
        {"Codes/A.pb.aktualisierung.tmp-1-2-3", false},
        {"Codes/A.pb.aktualisierung.tmp-x-2", false},
        {"Notiz.tmp-1-2", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(isUpdaterTemporary(c.name), c.updaters) << c.name;
    }
}

// A release that lists the updater's own files would let a server reset
// the record of the installed release or feed the journal.
TEST(UpdateLeftovers, NoReleaseMayReplaceTheUpdatersOwnFiles) {
    const struct {
        const char* path;
        bool own;
    } cases[] = {
        {"Aktualisierung.journal", true},
        {"Aktualisierung.stand", true},
        {"Codes/A.pb.aktualisierung", true},
        {"Codes/A.pb.vorher", true},
        {"Index.ini.tmp-1-2", true},
        {"Aktualisierung", false},
        {"Aktualisierung.pub", false}, // a new key comes signed by the old one
        {"Codes/Aktualisierung.journal.pb", false},
        {"Codarium", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(updaterOwnPath(c.path), c.own) << c.path;
    }
}

TEST(UpdateLeftovers, RemovesOnlyWhatAKilledUpdateLeft) {
    const fs::path root =
        fs::temp_directory_path() / ("codarium-leftovers-" + std::to_string(::getpid()));
    fs::remove_all(root);
    const auto write = [&](const std::string& name, std::string_view bytes) {
        fs::create_directories((root / name).parent_path());
        std::ofstream(root / name, std::ios::binary) << bytes;
    };
    // A process that has ended, and this one, which runs.
    const int dead = ::fork();
    if (dead == 0) {
        std::_Exit(0);
    }
    ASSERT_GT(dead, 0);
    int status = 0;
    ::waitpid(dead, &status, 0);
    const std::string deadId = std::to_string(dead);
    const std::string liveId = std::to_string(::getpid());

    const std::map<std::string, bool> files = {
        // name, and whether it is still there afterwards
        {"Codes/A b.pb", true},
        {"Codes/A b.pb.aktualisierung.tmp-" + deadId + "-3", false},
        {"Codes/A b.pb.aktualisierung.tmp-" + liveId + "-4", true},
        {"Codes/A b.pb.aktualisierung", false},
        {"Index.ini.tmp-" + deadId + "-0", false},
        {"Index.ini.tmp-" + liveId + "-0", true},
        {"Einstellungen/Kategorien.tmp-" + deadId + "-0", true}, // not the updater's
        {"Codes/Notiz.txt", true},
        {"Codes/Ganz.pb.vorher", true}, // its file is there: left alone
        {"Codes/Ganz.pb", true},
    };
    for (const auto& [name, kept] : files) {
        write(name, name);
    }
    write("Codes/Fehlt.pb.vorher", "die alte Fassung");
    // A link back up, and one to a folder outside holding a fetched copy:
    // the walk neither loops nor reaches outside.
    fs::create_directory_symlink(root, root / "Codes/Schleife");
    const fs::path outside = root.string() + "-draussen";
    fs::create_directories(outside);
    std::ofstream(outside / "X.pb.aktualisierung") << "fremd";
    fs::create_directory_symlink(outside, root / "Draussen");

    // The updater's clearing, which walks the whole tree.
    EXPECT_EQ(cleanUpAfterUpdates(root.string(), LeftoverScope::WholeDirectory), CleanUp::Done);
    for (const auto& [name, kept] : files) {
        EXPECT_EQ(fs::exists(root / name), kept) << name;
    }
    EXPECT_FALSE(fs::exists(root / "Codes/Fehlt.pb.vorher"));
    EXPECT_TRUE(fs::exists(outside / "X.pb.aktualisierung"));
    fs::remove_all(outside);
    std::ifstream restored(root / "Codes/Fehlt.pb");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(restored), {}), "die alte Fassung")
        << "the only copy of a file whose replacement stopped is put back";

    // While another hold is on the directory (an updater at work), nothing
    // is touched.
    write("Codes/B.pb.aktualisierung", "x");
    {
        const platform::FolderHold updater(root.string());
        ASSERT_TRUE(updater.held());
        EXPECT_FALSE(platform::FolderHold(root.string()).held());
        EXPECT_EQ(cleanUpAfterUpdates(root.string()), CleanUp::Busy);
    }
    EXPECT_TRUE(fs::exists(root / "Codes/B.pb.aktualisierung"));
    fs::remove_all(root);
}

// A program start looks only where an update can have written: the top
// level and the folders of the journal it finds. What lies elsewhere (only an
// updater without a journal could have left it) waits for the updater's own
// clearing, which walks everything.
TEST(UpdateLeftovers, AStartClearsTheTopLevelAndTheJournalsFoldersOnly) {
    const fs::path root =
        fs::temp_directory_path() / ("codarium-leftovers-start-" + std::to_string(::getpid()));
    fs::remove_all(root);
    const auto write = [&](const std::string& name, std::string_view bytes) {
        fs::create_directories((root / name).parent_path());
        std::ofstream(root / name, std::ios::binary) << bytes;
    };
    const int dead = ::fork();
    if (dead == 0) {
        std::_Exit(0);
    }
    ASSERT_GT(dead, 0);
    int status = 0;
    ::waitpid(dead, &status, 0);
    const std::string deadId = std::to_string(dead);

    // An updater killed while it fetched: its journal names one file in
    // Codes/Dialoge; a second download there was cut short.
    UpdateJournal journal;
    journal.phase = JournalPhase::Fetching;
    journal.files = {{"Codes/Dialoge/A.pb", "0123", 3, true}};
    write("Codes/Dialoge/A.pb", "alt");
    write("Codes/Dialoge/A.pb.aktualisierung", "neu");
    ASSERT_TRUE(saveJournal(root.string(), journal));
    const struct {
        std::string name;
        bool afterStart;   // still there after the program start
        bool afterUpdater; // still there after the updater's clearing
    } files[] = {
        {"Codes/Dialoge/A.pb", true, true},
        {"Codes/Dialoge/A.pb.aktualisierung", false, false},
        {"Codes/Dialoge/B.pb.aktualisierung.tmp-" + deadId + "-2", false, false},
        {"Index.ini.tmp-" + deadId + "-0", false, false},
        {"Aktualisierung.journal.tmp-" + deadId + "-1", false, false},
        {"Codarium.aktualisierung", false, false},
        {"Codes/Andere/C.pb.aktualisierung", true, false},
        {"Codes/Dialoge/Tief/D.pb.aktualisierung", true, false},
        {"Codes/Andere/C.pb", true, true},
    };
    for (const auto& f : files) {
        if (!fs::exists(root / f.name)) {
            write(f.name, f.name);
        }
    }
    EXPECT_EQ(cleanUpAfterUpdates(root.string()), CleanUp::Done);
    EXPECT_FALSE(journalExists(root.string()));
    for (const auto& f : files) {
        EXPECT_EQ(fs::exists(root / f.name), f.afterStart) << "start: " << f.name;
    }
    // A start with no journal at all clears the top level alone.
    write("Index.ini.minisig.tmp-" + deadId + "-4", "x");
    EXPECT_EQ(cleanUpAfterUpdates(root.string()), CleanUp::Done);
    EXPECT_FALSE(fs::exists(root / ("Index.ini.minisig.tmp-" + deadId + "-4")));
    EXPECT_TRUE(fs::exists(root / "Codes/Andere/C.pb.aktualisierung"));

    EXPECT_EQ(cleanUpAfterUpdates(root.string(), LeftoverScope::WholeDirectory), CleanUp::Done);
    for (const auto& f : files) {
        EXPECT_EQ(fs::exists(root / f.name), f.afterUpdater) << "updater: " << f.name;
    }
    fs::remove_all(root);
}

} // namespace
} // namespace codarium::online
