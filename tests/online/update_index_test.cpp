#include "online/file_fingerprint.h"
#include "online/update_index.h"
#include "online/update_texts.h"
#include "platform/code_page.h"
#include "tests/support/scratch_folder.h"

#include <QCryptographicHash>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace codarium::online {
namespace {

using codarium::testsupport::ScratchFolder;
using codarium::testsupport::writeBytes;

TEST(IndexSize, ReadsTheNumberRulesOfASizeLine) {
    struct Case {
        const char* line;
        std::int32_t size;
    };
    const Case cases[] = {
        {"5000", 5000},
        {" \t 42", 42},
        {"+7", 7},
        {"-12", -12},
        {"12abc", 12},
        {"$1F", 31},
        {"$ff", 255},
        {"%101", 5},
        {"%102", 2},
        {"-$10", -16},
        {"", 0},
        {"abc", 0},
        {" + 5", 0}, // a blank after the sign ends the digits
        {"++5", 0},
        {"4294967297", 1},         // only the low 32 bits
        {"2147483648", INT32_MIN}, // wraps into the sign
        {"$FFFFFFFF", -1},
        {"\r", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(indexSize(c.line), c.size) << '"' << c.line << '"';
    }
}

TEST(ReleasePaths, EitherSeparatorAndNothingOutsideTheProgramDirectory) {
    EXPECT_EQ(releasePath("Codes\\Dialoge\\Datei.pb"), "Codes/Dialoge/Datei.pb");
    EXPECT_EQ(releasePath("Grafiken/Banner.png"), "Grafiken/Banner.png");
    for (const char* safe :
         {"Codarium", "Codes\\A\\b.pb", "Codes/A/b.pb", "a..b/c", "..a/b", "a/b.."}) {
        EXPECT_TRUE(safeReleasePath(safe)) << safe;
    }
    for (const char* unsafe : {"", "/etc/passwd", "\\Windows\\x", "C:\\x", "c:x", "..", "../x",
                               "a/../../x", "a\\..\\x", "a/.."}) {
        EXPECT_FALSE(safeReleasePath(unsafe)) << unsafe;
    }
}

TEST(FileFingerprint, DigestsInLowerCaseHexAcrossBlockBoundaries) {
    ScratchFolder folder;
    FingerprintBuffer buffer;
    writeBytes(folder.file("empty"), "");
    writeBytes(folder.file("abc"), "abc");
    EXPECT_EQ(fileFingerprint(folder.file("empty"), buffer), "d41d8cd98f00b204e9800998ecf8427e");
    EXPECT_EQ(fileFingerprint(folder.file("abc"), buffer), "900150983cd24fb0d6963f7d28e17f72");
    EXPECT_EQ(fileFingerprint(folder.file("missing"), buffer), "");
    EXPECT_EQ(fileFingerprint(folder.path().string(), buffer), "")
        << "a folder cannot be read as a file";

    for (std::size_t size : {FingerprintBlockSize - 1, FingerprintBlockSize,
                             FingerprintBlockSize + 1, 2 * FingerprintBlockSize + 7}) {
        std::string bytes(size, '\0');
        for (std::size_t i = 0; i < size; ++i) {
            bytes[i] = static_cast<char>((i * 31 + i / 4096) & 0xFF);
        }
        writeBytes(folder.file("big"), bytes);
        const QByteArray whole =
            QCryptographicHash::hash(QByteArrayView(bytes.data(), static_cast<qsizetype>(size)),
                                     QCryptographicHash::Md5)
                .toHex();
        EXPECT_EQ(fileFingerprint(folder.file("big"), buffer), whole.toStdString()) << size;
    }
}

TEST(UpdateIndex, GroupsOfThreeAndAGroupCutShort) {
    ScratchFolder folder;
    writeBytes(folder.file("Index.ini"),
               "Codarium\r\n0123\r\n10\r\nCodes\\A\\b.pb\r\nabcd\r\n$10\r\nLetzte.txt");
    const auto entries = readUpdateIndex(folder.file("Index.ini"));
    ASSERT_TRUE(entries);
    ASSERT_EQ(entries->size(), 3u);
    EXPECT_EQ((*entries)[0].path, "Codarium");
    EXPECT_EQ((*entries)[0].digest, "0123");
    EXPECT_EQ((*entries)[0].size, "10");
    EXPECT_EQ((*entries)[1].path, "Codes\\A\\b.pb");
    EXPECT_EQ((*entries)[1].size, "$10");
    EXPECT_EQ((*entries)[2].path, "Letzte.txt");
    EXPECT_EQ((*entries)[2].digest, "");
    EXPECT_EQ((*entries)[2].size, "");
    EXPECT_FALSE(readUpdateIndex(folder.file("missing.ini")));
    writeBytes(folder.file("Leer.ini"), "");
    ASSERT_TRUE(readUpdateIndex(folder.file("Leer.ini")));
    EXPECT_TRUE(readUpdateIndex(folder.file("Leer.ini"))->empty());
}

TEST(UpdateSize, ChangedMissingUnsafeAndUpperCaseEntriesCount) {
    ScratchFolder program;
    FingerprintBuffer buffer;
    ::mkdir(program.file("Codes").c_str(), 0755);
    ::mkdir(program.file("Codes/A").c_str(), 0755);
    writeBytes(program.file("same.txt"), "abc");
    writeBytes(program.file("Codes/A/b.pb"), "abc");
    writeBytes(program.file("changed.txt"), "abd");
    const std::string abc = "900150983cd24fb0d6963f7d28e17f72";
    const std::vector<IndexEntry> entries = {
        {"same.txt", abc, "1"},
        {"Codes\\A\\b.pb", abc, "2"},                           // Windows separators
        {"changed.txt", abc, "4"},                              // differs
        {"missing.txt", abc, "8"},                              // not there
        {"same.txt", "900150983CD24FB0D6963F7D28E17F72", "16"}, // upper case never matches
        {"../same.txt", abc, "32"},                             // never read: counts as changed
        {"Letzte.txt", "", ""},                                 // a group with only a path line
    };
    EXPECT_EQ(updateSize(entries, program.path().string(), buffer), 4 + 8 + 16 + 32);
    EXPECT_FALSE(fileChanged(entries[0], program.path().string(), buffer));
    EXPECT_FALSE(fileChanged(entries[1], program.path().string(), buffer));
    EXPECT_TRUE(fileChanged(entries[6], program.path().string(), buffer));

    const std::vector<IndexEntry> wrapping = {{"a", "", "2147483647"}, {"b", "", "1"}};
    EXPECT_EQ(updateSize(wrapping, program.path().string(), buffer), INT32_MIN)
        << "a signed 32-bit sum";

    StopToken stop{true};
    EXPECT_FALSE(updateSize(entries, program.path().string(), buffer, &stop));
}

TEST(UpdateTexts, KilobytesFrom1024OnAndBytesBelow) {
    const std::string tail = platform::fromUtf8(
        "\rUm die Software aktualisieren zu können, muss die Software vorher beendet werden."
        "\rMöchten Sie diese Software jetzt beenden und aktualisieren?");
    const std::string head = platform::fromUtf8("Neue Version vorhanden.\rUpdate-Größe: ");
    EXPECT_EQ(updateQuestionText(5000), head + "4 KB" + tail);
    EXPECT_EQ(updateQuestionText(1023), head + "1023 Bytes" + tail);
    EXPECT_EQ(updateQuestionText(1024), head + "1 KB" + tail);
    EXPECT_EQ(updateQuestionText(2047), head + "1 KB" + tail);
    EXPECT_EQ(updateQuestionText(1), head + "1 Bytes" + tail);
    EXPECT_EQ(head.find('\n'), std::string::npos) << "lines end with CR alone";
    EXPECT_EQ(noConnectionText(), "Fehler beim \xDC"
                                  "berpr\xFC"
                                  "fen der Internetverbindung.");
}

} // namespace
} // namespace codarium::online
