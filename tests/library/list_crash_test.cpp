// A list rewritten or sorted by a process that is killed at any step of the
// way: the list is, in full, the old one or the new one, and no other file
// of the store changes.
#include "library/list_file.h"
#include "store_fixture.h"

#include "../platform/kill_at_every_step.h"

namespace codarium::library {
namespace {

using testing::writeFile;
using testsupport::expectOldOrNew;
using testsupport::folderFiles;
using testsupport::FolderFiles;
using testsupport::killAtEverySaveStep;

constexpr const char* List = "Einstellungen/Kategorien.ini";

class CrashConsistency : public testing::StoreTest {
protected:
    void SetUp() override {
        StoreTest::SetUp();
        writeFile("Einstellungen/Andere.ini", "Eins\r\nZwei\r\n");
        writeFile("Codes/Dateien.ini", "Lesen\r\n");
    }
};

TEST_F(CrashConsistency, AListRewriteOrSortKilledAtAnyStepLeavesTheOldListOrTheNewOne) {
    struct Case {
        const char* name;
        const char* old;
        const char* fresh;
        std::function<bool()> operation;
    };
    const Case cases[] = {
        {"rewrite without a line", "Dateien\r\nFenster\r\nNetz\r\nFenster\r\n",
         "Dateien\r\nNetz\r\n",
         [] { return rewriteWithoutLine(List, "Einstellungen/Kategorien.tmp", "Fenster"); }},
        {"sort", "netz\r\nDateien\r\nFenster\r\nalt", "alt\r\nDateien\r\nFenster\r\nnetz\r\n",
         [] { return sortListFile(List); }},
        {"sort of a missing list", nullptr, "", [] { return sortListFile(List); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto reset = [&] {
            std::filesystem::remove(List);
            for (const auto& [name, bytes] : folderFiles(".")) {
                if (name.find(".tmp") != std::string::npos) {
                    std::filesystem::remove(name);
                }
            }
            if (c.old != nullptr) {
                writeFile(List, c.old);
            }
        };
        reset();
        const FolderFiles before = folderFiles(".");
        const FolderFiles rewritten = {{List, c.fresh}};
        const int steps = killAtEverySaveStep(
            reset, [&] { static_cast<void>(c.operation()); },
            [&](int, bool finished) {
                expectOldOrNew(before, rewritten, folderFiles("."), finished);
            });
        EXPECT_GE(steps, 5) << "every step of the save was reached";
    }
}

// A rewrite killed halfway leaves its temporary file beside the list; the
// next rewrite of the same list, whichever kind, clears it, so no killed
// step leaves anything behind for good.
TEST_F(CrashConsistency, TheNextRewriteClearsWhatAKilledRewriteLeft) {
    const struct {
        const char* name;
        std::function<bool()> killed;
        std::function<bool()> next;
    } cases[] = {
        {"rewrite, then sort",
         [] { return rewriteWithoutLine(List, "Einstellungen/Kategorien.tmp", "Fenster"); },
         [] { return sortListFile(List); }},
        {"sort, then rewrite", [] { return sortListFile(List); },
         [] { return rewriteWithoutLine(List, "Einstellungen/Kategorien.tmp", "Netz"); }},
        {"addition, then addition", [] { return addLineSorted(List, "Bilder"); },
         [] { return addLineSorted(List, "Zeichnen"); }},
    };
    const auto temporaries = [] {
        std::vector<std::string> names;
        for (const auto& [name, bytes] : folderFiles(".")) {
            if (name.find(".tmp-") != std::string::npos) {
                names.push_back(name);
            }
        }
        return names;
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        int leftBehind = 0;
        const int steps =
            killAtEverySaveStep([&] { writeFile(List, "Netz\r\nDateien\r\nFenster\r\n"); },
                                [&] { static_cast<void>(c.killed()); },
                                [&](int, bool) {
                                    leftBehind += temporaries().empty() ? 0 : 1;
                                    EXPECT_TRUE(c.next());
                                    EXPECT_EQ(temporaries(), std::vector<std::string>{});
                                });
        EXPECT_GE(steps, 5);
        EXPECT_GE(leftBehind, 2) << "some kills did leave a temporary file to clear";
    }
}

} // namespace
} // namespace codarium::library
