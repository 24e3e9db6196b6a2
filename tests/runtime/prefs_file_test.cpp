#include "runtime/prefs_file.h"

#include "tests/support/scratch_folder.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace codarium {
namespace {

using testsupport::entryCount;
using testsupport::readBytes;
using testsupport::runUnprivileged;
using testsupport::ScratchFolder;
using testsupport::writeBytes;

ino_t inodeOf(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_ino;
}

TEST(PrefsFile, RewriteAfterOneChangeUsesTheCanonicalFormat) {
    ScratchFolder dir;
    const std::string path = dir.file("a.ini");
    writeBytes(path, "; Kopf\r\n\r\n  [Einstellungen]  Rest\r\nPBPfad=C:\\PB\r\n\tSpalte =  3  \r\n"
                     ";ohne\r\n\n\n[Leer\rSchluessel\r\nk = a=b;c\n");
    PrefsFile prefs;
    ASSERT_TRUE(prefs.openFile(path));
    ASSERT_TRUE(prefs.selectGroup("Einstellungen"));
    prefs.writeString("Spalte", "4");
    prefs.close();
    EXPECT_EQ(readBytes(path), "; Kopf\r\n[Einstellungen]\r\nPBPfad = C:\\PB\r\nSpalte = 4\r\n"
                               "; ohne\r\n[Leer]\r\nSchluessel = \r\nk = a=b;c\r\n");
    EXPECT_EQ(entryCount(dir.path()), 1) << "no temporary file is left behind";
}

TEST(PrefsFile, ReadsValuesTrimmedAndWholeAfterTheFirstEquals) {
    ScratchFolder dir;
    const std::string path = dir.file("a.ini");
    writeBytes(path, "top = 1\n[G]\n  k1 \t=\t  a = b ; c \t \nk2\n=nokey\n[Open group\nx=y\n");
    PrefsFile prefs;
    ASSERT_TRUE(prefs.openFile(path));
    EXPECT_EQ(prefs.readString("top", "d"), "1");
    EXPECT_EQ(prefs.readString("k1", "d"), "d") << "top section ends at the first group";
    ASSERT_TRUE(prefs.selectGroup("G"));
    EXPECT_EQ(prefs.readString("k1", "d"), "a = b ; c");
    EXPECT_EQ(prefs.readString("k2", "d"), "");
    EXPECT_EQ(prefs.readString("", "d"), "nokey");
    EXPECT_EQ(prefs.readString("top", "d"), "d");
    ASSERT_TRUE(prefs.selectGroup("Open group"));
    EXPECT_EQ(prefs.readString("x", "d"), "y");
    ASSERT_TRUE(prefs.selectGroup(""));
    EXPECT_EQ(prefs.readString("top", "d"), "1");
}

TEST(PrefsFile, NamesMatchIgnoringAsciiCaseAndWriteKeepsTheCallersSpelling) {
    ScratchFolder dir;
    const std::string path = dir.file("a.ini");
    writeBytes(path, "[EINSTELLUNGEN]\r\npbpfad = alt\r\n[\xC4rger]\r\n\xE4k = 1\r\n");
    PrefsFile prefs;
    ASSERT_TRUE(prefs.openFile(path));
    ASSERT_TRUE(prefs.selectGroup("Einstellungen"));
    EXPECT_EQ(prefs.readString("PBPfad", ""), "alt");
    prefs.writeString("PBPfad", "neu");
    // Only A-Z fold: the capital A with diaeresis is another letter.
    EXPECT_FALSE(prefs.selectGroup("\xE4rger"));
    ASSERT_TRUE(prefs.selectGroup("\xC4RGER"));
    EXPECT_EQ(prefs.readString("\xC4K", "none"), "none");
    EXPECT_EQ(prefs.readString("\xE4K", "none"), "1");
    prefs.close();
    EXPECT_EQ(readBytes(path), "[EINSTELLUNGEN]\r\nPBPfad = neu\r\n[\xC4rger]\r\n\xE4k = 1\r\n");
}

TEST(PrefsFile, DuplicateKeysUseTheFirst) {
    ScratchFolder dir;
    const std::string path = dir.file("a.ini");
    writeBytes(path, "[K]\nServer = a\nServer = b\n");
    PrefsFile prefs;
    ASSERT_TRUE(prefs.openFile(path));
    ASSERT_TRUE(prefs.selectGroup("K"));
    EXPECT_EQ(prefs.readString("Server", ""), "a");
    prefs.writeString("Server", "a much longer value than before");
    EXPECT_EQ(prefs.readString("Server", ""), "a much longer value than before");
    prefs.close();
    EXPECT_EQ(readBytes(path), "[K]\r\nServer = a much longer value than before\r\nServer = b\r\n");
}

TEST(PrefsFile, NewKeysGoToTheEndOfTheirSection) {
    ScratchFolder dir;
    const std::string path = dir.file("a.ini");
    writeBytes(path, "[A]\na = 1\n; about B\n[B]\nb = 2\n");
    PrefsFile prefs;
    ASSERT_TRUE(prefs.openFile(path));
    prefs.writeString("top", "t"); // the list begins with a group
    ASSERT_TRUE(prefs.selectGroup("A"));
    prefs.writeInteger("n", -42);
    ASSERT_TRUE(prefs.selectGroup("B"));
    prefs.writeInteger("m", 2147483647);
    prefs.close();
    EXPECT_EQ(readBytes(path), "top = t\r\n[A]\r\na = 1\r\n; about B\r\nn = -42\r\n[B]\r\nb = 2\r\n"
                               "m = 2147483647\r\n");

    writeBytes(path, "x = 1\n;c\n[A]\n");
    ASSERT_TRUE(prefs.openFile(path));
    prefs.writeString("y", "2");
    prefs.close();
    EXPECT_EQ(readBytes(path), "x = 1\r\n; c\r\ny = 2\r\n[A]\r\n");
}

TEST(PrefsFile, MissingGroupReadsDefaultsAndFirstWriteAppendsIt) {
    ScratchFolder dir;
    const std::string path = dir.file("a.ini");
    writeBytes(path, "[A]\r\na = 1\r\n");
    PrefsFile prefs;
    ASSERT_TRUE(prefs.openFile(path));
    ASSERT_TRUE(prefs.selectGroup("A"));
    EXPECT_FALSE(prefs.selectGroup("Neu"));
    EXPECT_EQ(prefs.readString("a", "default"), "default") << "the old group is not used";
    EXPECT_EQ(prefs.readInteger("a", 7), 7);
    prefs.writeString("k", "v");
    prefs.writeString("l", "w");
    EXPECT_EQ(prefs.readString("k", ""), "v");
    prefs.close();
    EXPECT_EQ(readBytes(path), "[A]\r\na = 1\r\n[Neu]\r\nk = v\r\nl = w\r\n");
}

TEST(PrefsFile, ReadIntegerTakesTheLeadingNumber) {
    ScratchFolder dir;
    const std::string path = dir.file("a.ini");
    writeBytes(path, "digits = 12abc\nletters = x12\nempty =\nneg = -7\nplus = +5 \n"
                     "big = 99999999999\nsmall = -99999999999\nsign = -\n");
    PrefsFile prefs;
    ASSERT_TRUE(prefs.openFile(path));
    EXPECT_EQ(prefs.readInteger("digits", -1), 12);
    EXPECT_EQ(prefs.readInteger("letters", -1), 0);
    EXPECT_EQ(prefs.readInteger("empty", -1), 0);
    EXPECT_EQ(prefs.readInteger("missing", -1), -1);
    EXPECT_EQ(prefs.readInteger("neg", 0), -7);
    EXPECT_EQ(prefs.readInteger("plus", 0), 5);
    EXPECT_EQ(prefs.readInteger("big", 0), 2147483647);
    EXPECT_EQ(prefs.readInteger("small", 0), -2147483647 - 1);
    EXPECT_EQ(prefs.readInteger("sign", 3), 0);
}

TEST(PrefsFile, Utf8FilesConvertBothWays) {
    ScratchFolder dir;
    const std::string path = dir.file("u.ini");
    writeBytes(path, "\xEF\xBB\xBF[Gr\xC3\xBC\xC3\x9F"
                     "e]\nname = \xC3\xA4 \xE2\x82\xAC\n");
    PrefsFile prefs;
    ASSERT_TRUE(prefs.openFile(path));
    ASSERT_TRUE(prefs.selectGroup("Gr\xFC\xDF"
                                  "e"));
    EXPECT_EQ(prefs.readString("name", ""), "\xE4 ?");
    prefs.writeString("\xF6l", "\xE9t\xE9");
    prefs.close();
    EXPECT_EQ(readBytes(path), "\xEF\xBB\xBF\r\n[Gr\xC3\xBC\xC3\x9F"
                               "e]\r\nname = \xC3\xA4 \xE2\x82\xAC\r\n"
                               "\xC3\xB6l = \xC3\xA9t\xC3\xA9\r\n");
    ASSERT_TRUE(prefs.openFile(path));
    ASSERT_TRUE(prefs.selectGroup("GR\xFC\xDF"
                                  "E"));
    EXPECT_EQ(prefs.readString("\xF6L", ""), "\xE9t\xE9");
}

TEST(PrefsFile, EightBitFilesPassBytesThrough) {
    ScratchFolder dir;
    const std::string path = dir.file("a.ini");
    writeBytes(path, "k = \xC3\xA4\n");
    PrefsFile prefs;
    ASSERT_TRUE(prefs.openFile(path));
    EXPECT_EQ(prefs.readString("k", ""), "\xC3\xA4");
    prefs.writeString("l", "\xE4");
    prefs.close();
    EXPECT_EQ(readBytes(path), "k = \xC3\xA4\r\nl = \xE4\r\n");
}

TEST(PrefsFile, PathsRoundTripExactlyAndOnlyThoseBeyondTheCodePageMakeTheFileUtf8) {
    const std::string before = "; Kopf\r\n[Einstellungen]\r\nName = M\xFCller \x80\r\n";
    const struct {
        const char* path;  // native, UTF-8
        const char* bytes; // the whole file afterwards
    } cases[] = {
        // Every character in the code page: the file stays in it, byte for
        // byte as writeString of the code-page text would leave it.
        {"/home/anna/pb", "; Kopf\r\n[Einstellungen]\r\nName = M\xFCller \x80\r\n"
                          "PBPfad = /home/anna/pb\r\n"},
        {"/home/M\xC3\xBCller/\xE2\x82\xAC",
         "; Kopf\r\n[Einstellungen]\r\nName = M\xFCller \x80\r\n"
         "PBPfad = /home/M\xFCller/\x80\r\n"},
        // Beyond it: the whole file becomes UTF-8 with its mark.
        {"/home/\xC5\x81ukasz/pb",
         "\xEF\xBB\xBF\r\n; Kopf\r\n[Einstellungen]\r\n"
         "Name = M\xC3\xBCller \xC2\x80\r\nPBPfad = /home/\xC5\x81ukasz/pb\r\n"},
        {"/\xE6\x97\xA5 \xF0\x9F\x98\x80/pb", "\xEF\xBB\xBF\r\n; Kopf\r\n[Einstellungen]\r\n"
                                              "Name = M\xC3\xBCller \xC2\x80\r\n"
                                              "PBPfad = /\xE6\x97\xA5 \xF0\x9F\x98\x80/pb\r\n"},
    };
    for (const auto& c : cases) {
        ScratchFolder dir;
        const std::string path = dir.file("Einstellungen.ini");
        writeBytes(path, before);
        PrefsFile prefs;
        ASSERT_TRUE(prefs.openFile(path));
        ASSERT_TRUE(prefs.selectGroup("Einstellungen"));
        prefs.writePath("PBPfad", c.path);
        EXPECT_EQ(prefs.readPath("PBPfad", ""), c.path) << "before close: " << c.path;
        prefs.close();
        EXPECT_EQ(readBytes(path), c.bytes) << c.path;

        // Read back at the next start: the path whole, the other text as
        // before, and a second write changes nothing more.
        ASSERT_TRUE(prefs.openFile(path));
        ASSERT_TRUE(prefs.selectGroup("Einstellungen"));
        EXPECT_EQ(prefs.readPath("PBPfad", ""), c.path);
        EXPECT_EQ(prefs.readString("Name", ""), "M\xFCller \x80") << c.path;
        prefs.writePath("PBPfad", c.path);
        prefs.close();
        EXPECT_EQ(readBytes(path), c.bytes) << c.path;
    }
}

TEST(PrefsFile, PathsIntoAGroupNotYetWrittenAndMissingKeys) {
    ScratchFolder dir;
    const std::string path = dir.file("neu.ini");
    writeBytes(path, "a = \xE4\r\n");
    PrefsFile prefs;
    ASSERT_TRUE(prefs.openFile(path));
    EXPECT_FALSE(prefs.selectGroup("Gr\xFC\xDF"
                                   "e"));
    EXPECT_EQ(prefs.readPath("PBPfad", "/vorgabe"), "/vorgabe");
    prefs.writePath("PBPfad", "/\xD0\x9F");
    prefs.close();
    EXPECT_EQ(readBytes(path), "\xEF\xBB\xBF\r\na = \xC3\xA4\r\n[Gr\xC3\xBC\xC3\x9F"
                               "e]\r\nPBPfad = /\xD0\x9F\r\n");
    ASSERT_TRUE(prefs.openFile(path));
    EXPECT_EQ(prefs.readString("a", ""), "\xE4");
    ASSERT_TRUE(prefs.selectGroup("Gr\xFC\xDF"
                                  "e"));
    EXPECT_EQ(prefs.readPath("PBPfad", ""), "/\xD0\x9F");
}

TEST(PrefsFile, EmptyFilesOpenAndGainTheirFirstLine) {
    ScratchFolder dir;
    const std::string path = dir.file("e.ini");
    writeBytes(path, "");
    PrefsFile prefs;
    ASSERT_TRUE(prefs.openFile(path));
    EXPECT_EQ(prefs.readString("k", "d"), "d");
    prefs.writeString("k", "");
    prefs.close();
    EXPECT_EQ(readBytes(path), "k = \r\n");

    // Only the mark: UTF-8 with nothing in it.
    writeBytes(path, "\xEF\xBB\xBF");
    ASSERT_TRUE(prefs.openFile(path));
    prefs.writeInteger("n", 0);
    prefs.close();
    EXPECT_EQ(readBytes(path), "\xEF\xBB\xBF\r\nn = 0\r\n");
}

TEST(PrefsFile, UnchangedFilesAreLeftAlone) {
    ScratchFolder dir;
    const std::string path = dir.file("a.ini");
    writeBytes(path, "k=v\n\n");
    const ino_t before = inodeOf(path);
    {
        PrefsFile prefs;
        ASSERT_TRUE(prefs.openFile(path));
        EXPECT_EQ(prefs.readString("k", ""), "v");
    } // destructor closes
    EXPECT_EQ(readBytes(path), "k=v\n\n");
    EXPECT_EQ(inodeOf(path), before);
}

TEST(PrefsFile, CreateFileEmptiesTheFileAtClose) {
    ScratchFolder dir;
    const std::string path = dir.file("a.ini");
    writeBytes(path, "old = 1\n");
    PrefsFile prefs;
    ASSERT_TRUE(prefs.createFile(path));
    EXPECT_EQ(prefs.readString("old", "gone"), "gone");
    prefs.close();
    EXPECT_EQ(readBytes(path), "") << "an emptied 8-bit file has no bytes at all";

    ASSERT_TRUE(prefs.createFile(dir.file("new.ini")));
    EXPECT_TRUE(testsupport::exists(dir.file("new.ini"))) << "created at once";
    EXPECT_FALSE(prefs.selectGroup("S"));
    prefs.writeString("a", "b");
    prefs.close();
    EXPECT_EQ(readBytes(dir.file("new.ini")), "[S]\r\na = b\r\n");
    EXPECT_FALSE(prefs.createFile(dir.file("missing/x.ini")));
}

TEST(PrefsFile, OpeningAnotherFileClosesTheFirst) {
    ScratchFolder dir;
    writeBytes(dir.file("1.ini"), "");
    writeBytes(dir.file("2.ini"), "k = 2\n");
    PrefsFile prefs;
    ASSERT_TRUE(prefs.openFile(dir.file("1.ini")));
    prefs.writeString("k", "1");
    ASSERT_TRUE(prefs.openFile(dir.file("2.ini")));
    EXPECT_EQ(readBytes(dir.file("1.ini")), "k = 1\r\n");
    EXPECT_EQ(prefs.readString("k", ""), "2");
}

TEST(PrefsFile, FailedOpenKeepsThePathAndCreatesItWhenWritten) {
    ScratchFolder dir;
    const std::string path = dir.file("later.ini");
    PrefsFile prefs;
    EXPECT_FALSE(prefs.openFile(path));
    EXPECT_TRUE(prefs.selectGroup(""));
    EXPECT_FALSE(prefs.selectGroup("G"));
    EXPECT_EQ(prefs.readString("k", "d"), "d");
    prefs.writeString("k", "v");
    EXPECT_FALSE(testsupport::exists(path)) << "nothing reaches the disk before close";
    prefs.close();
    EXPECT_EQ(readBytes(path), "[G]\r\nk = v\r\n");

    // Failed and never written: nothing is created.
    EXPECT_FALSE(prefs.openFile(dir.file("never.ini")));
    prefs.close();
    EXPECT_FALSE(testsupport::exists(dir.file("never.ini")));
}

TEST(PrefsFile, NothingOpenMeansNoEffect) {
    PrefsFile prefs;
    EXPECT_FALSE(prefs.selectGroup(""));
    EXPECT_EQ(prefs.readString("k", "d"), "d");
    EXPECT_EQ(prefs.readInteger("k", 5), 5);
    prefs.writeString("k", "v");
    prefs.close();
    prefs.close();
}

// The next three run their PrefsFile part in a child that permissions bind;
// a result of 0 means every check inside it held.
TEST(PrefsFile, UnreadableFileIsNeverReplacedThroughThePendingPath) {
    ScratchFolder dir;
    const std::string path = dir.file("secret.ini");
    writeBytes(path, "keep = me\n");
    ::chmod(path.c_str(), 0);
    EXPECT_EQ(runUnprivileged(dir.path(),
                              [&] {
                                  PrefsFile prefs;
                                  if (prefs.openFile(path)) {
                                      return 1;
                                  }
                                  prefs.writeString("k", "v");
                                  prefs.close();
                                  return 0;
                              }),
              0);
    EXPECT_EQ(readBytes(path), "keep = me\n");
    EXPECT_EQ(entryCount(dir.path()), 1);
}

TEST(PrefsFile, ReadOnlyFileDiscardsChanges) {
    ScratchFolder dir;
    const std::string path = dir.file("ro.ini");
    writeBytes(path, "k=v\n");
    ::chmod(path.c_str(), 0444);
    EXPECT_EQ(runUnprivileged(dir.path(),
                              [&] {
                                  PrefsFile prefs;
                                  if (!prefs.openFile(path) || prefs.readString("k", "") != "v") {
                                      return 1;
                                  }
                                  prefs.writeString("k", "changed");
                                  // Changes live in memory until close.
                                  if (prefs.readString("k", "") != "changed") {
                                      return 2;
                                  }
                                  prefs.close();
                                  return 0;
                              }),
              0);
    EXPECT_EQ(readBytes(path), "k=v\n");
    EXPECT_EQ(entryCount(dir.path()), 1);
}

TEST(PrefsFile, FolderWithoutWritePermissionKeepsTheOldFileWhole) {
    ScratchFolder dir;
    const std::string sub = dir.file("locked");
    ASSERT_EQ(::mkdir(sub.c_str(), 0700), 0);
    const std::string path = sub + "/a.ini";
    writeBytes(path, "[S]\nk=v\n");
    ::chmod(path.c_str(), 0600); // the file itself stays writable
    ::chmod(sub.c_str(), 0500);
    EXPECT_EQ(runUnprivileged(dir.path(),
                              [&] {
                                  PrefsFile prefs;
                                  if (!prefs.openFile(path) || !prefs.selectGroup("S") ||
                                      prefs.readString("k", "") != "v") {
                                      return 1;
                                  }
                                  prefs.writeString("k", "new");
                                  prefs.close();
                                  return 0;
                              }),
              0);
    EXPECT_EQ(readBytes(path), "[S]\nk=v\n");
    EXPECT_EQ(entryCount(sub), 1);
}

TEST(PrefsFile, FullDiskLeavesTheOldFileWhole) {
    ScratchFolder dir;
    const std::string path = dir.file("a.ini");
    const std::string original = "[S]\r\nk = v\r\n";
    writeBytes(path, original);
    // A file-size limit stands in for a full disk: writes past it fail with
    // EFBIG. It is set in a child so that the test process keeps no limit.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        struct rlimit limit {
            64, 64
        };
        ::setrlimit(RLIMIT_FSIZE, &limit);
        PrefsFile prefs;
        if (!prefs.openFile(path) || !prefs.selectGroup("S")) {
            ::_exit(2);
        }
        prefs.writeString("k", std::string(1000, 'x'));
        prefs.close();
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(readBytes(path), original);
    EXPECT_EQ(entryCount(dir.path()), 1) << "the partial temporary file is removed";
}

TEST(PrefsFile, ReplacementKeepsPermissionsAndSymbolicLinks) {
    ScratchFolder dir;
    const std::string real = dir.file("real.ini");
    const std::string link = dir.file("link.ini");
    writeBytes(real, "k = 1\n");
    ::chmod(real.c_str(), 0640);
    ASSERT_EQ(::symlink("real.ini", link.c_str()), 0);
    PrefsFile prefs;
    ASSERT_TRUE(prefs.openFile(link));
    prefs.writeString("k", "2");
    prefs.close();
    struct stat st {};
    ASSERT_EQ(::lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    EXPECT_EQ(readBytes(real), "k = 2\r\n");
    ASSERT_EQ(::stat(real.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(PrefsFile, ZeroBytesAreKeptAsText) {
    ScratchFolder dir;
    const std::string path = dir.file("a.ini");
    writeBytes(path, std::string_view("a = x\0y\nb = 2\n", 14));
    PrefsFile prefs;
    ASSERT_TRUE(prefs.openFile(path));
    EXPECT_EQ(prefs.readString("a", ""), std::string_view("x\0y", 3));
    prefs.writeString("b", "3");
    prefs.close();
    EXPECT_EQ(readBytes(path), std::string_view("a = x\0y\r\nb = 3\r\n", 16));
}

TEST(PrefsFile, FolderAndFifoDoNotOpen) {
    ScratchFolder dir;
    PrefsFile prefs;
    EXPECT_FALSE(prefs.openFile(dir.path().string()));
    const std::string fifo = dir.file("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(prefs.openFile(fifo)); // returns at once instead of waiting for a writer
    prefs.writeString("k", "v");
    prefs.close();
    struct stat st {};
    ASSERT_EQ(::lstat(fifo.c_str(), &st), 0);
    EXPECT_TRUE(S_ISFIFO(st.st_mode)) << "the pending path never replaces what is there";
}

TEST(PrefsFile, LargeFileRoundTripsThroughOneChange) {
    ScratchFolder dir;
    const std::string path = dir.file("big.ini");
    std::string text;
    for (int g = 0; g < 100; ++g) {
        text += "[G" + std::to_string(g) + "]\r\n";
        for (int k = 0; k < 100; ++k) {
            text += "Key" + std::to_string(k) + " = " + std::to_string(g * k) + "\r\n";
        }
    }
    writeBytes(path, text);
    PrefsFile prefs;
    ASSERT_TRUE(prefs.openFile(path));
    ASSERT_TRUE(prefs.selectGroup("g57"));
    EXPECT_EQ(prefs.readInteger("key33", -1), 57 * 33);
    prefs.writeInteger("Key33", 1);
    prefs.close();
    const std::string changed = "Key33 = " + std::to_string(57 * 33) + "\r\n";
    std::string expected = text;
    const auto at = expected.find(changed, expected.find("[G57]"));
    expected.replace(at, changed.size(), "Key33 = 1\r\n");
    EXPECT_EQ(readBytes(path), expected);
}

} // namespace
} // namespace codarium
