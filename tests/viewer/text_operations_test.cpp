// Loading a code file into a view by its byte-order mark, saving it back,
// and the main view's show, clear, copy and select-all.
#include "viewer/code_view_text.h"

#include "view_fixture.h"

#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <Qsci/qsciscintillabase.h>
#include <sys/stat.h>

namespace codarium::viewer::test {
namespace {

constexpr int View = MainCodeView;
constexpr unsigned GetReadOnly = QsciScintillaBase::SCI_GETREADONLY,
                   GetCodePage = QsciScintillaBase::SCI_GETCODEPAGE,
                   GetSelectionStart = QsciScintillaBase::SCI_GETSELECTIONSTART,
                   GetSelectionEnd = QsciScintillaBase::SCI_GETSELECTIONEND;
const std::string Mark = "\xEF\xBB\xBF";

class TextOperations : public ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        ASSERT_NE(createCodeView(View, TestWindow, 0, 0, 400, 300, RecordingPlugin), 0);
    }
    std::intptr_t codePage() { return send(View, GetCodePage); }
    bool readOnly() { return send(View, GetReadOnly) != 0; }
};

TEST_F(TextOperations, Utf8FilesRoundTripWithTheirMark) {
    const std::string bytes = Mark + "; Caf\xC3\xA9\r\nDebug \"\xC3\xA4\xC3\xB6\xC3\xBC\"\r\n";
    const std::string file = writeFile("utf8.pb", bytes);
    EXPECT_EQ(loadFileIntoView(View, file), 1);
    EXPECT_EQ(codePage(), 65001);
    EXPECT_EQ(textEncoding(View), TextEncoding::Utf8);
    EXPECT_EQ(shownText(View), QString::fromUtf8("; Café\r\nDebug \"äöü\"\r\n"));

    EXPECT_TRUE(saveViewToFile(View, path("saved.pb")).ok());
    EXPECT_EQ(readFile(path("saved.pb")), bytes);
}

TEST_F(TextOperations, FilesWithoutMarkRoundTripByteForByte) {
    std::string bytes = "; \xE9\xE4\x80\x9F\xFF\r\n";
    for (int b = 1; b < 256; ++b) {
        bytes += static_cast<char>(b);
    }
    const std::string file = writeFile("plain.pb", bytes);
    send(View, QsciScintillaBase::SCI_SETCODEPAGE, 65001); // a previous UTF-8 code
    EXPECT_EQ(loadFileIntoView(View, file), 1);
    EXPECT_EQ(codePage(), 0);
    EXPECT_EQ(textEncoding(View), TextEncoding::SystemCodePage);
    EXPECT_EQ(viewBytes(View), bytes);
    EXPECT_EQ(shownText(View).left(7), QString::fromLatin1("; \xE9\xE4\x80\x9F\xFF"));

    EXPECT_TRUE(saveViewToFile(View, path("saved.pb")).ok());
    EXPECT_EQ(readFile(path("saved.pb")), bytes) << "no mark in front";
}

TEST_F(TextOperations, AfterAUtf8MarkLatinLettersShowAndOthersBecomeQuestionMarks) {
    const std::string file = writeFile("euro.pb", Mark + "\xC3\xA9 costs 5 \xE2\x82\xAC");
    EXPECT_EQ(loadFileIntoView(View, file), 1);
    EXPECT_EQ(shownText(View), QString::fromUtf8("é costs 5 ?"));
    EXPECT_EQ(viewBytes(View), "\xC3\xA9 costs 5 ?");
}

TEST_F(TextOperations, AMarkOnlyFileEmptiesTheView) {
    setText(View, "previous");
    EXPECT_EQ(loadFileIntoView(View, writeFile("mark.pb", Mark)), 1);
    EXPECT_EQ(textLength(View), 0);
    EXPECT_EQ(codePage(), 65001);
}

TEST_F(TextOperations, AnEmptyOrMissingFileKeepsThePreviousText) {
    send(View, QsciScintillaBase::SCI_SETCODEPAGE, 65001);
    setText(View, "previous");
    EXPECT_EQ(loadFileIntoView(View, writeFile("empty.pb", "")), 0);
    EXPECT_EQ(viewBytes(View), "previous");
    EXPECT_EQ(codePage(), 0) << "the empty file still sets the code page";

    send(View, QsciScintillaBase::SCI_SETCODEPAGE, 65001);
    EXPECT_EQ(loadFileIntoView(View, path("missing.pb")), 0);
    EXPECT_EQ(viewBytes(View), "previous");
    EXPECT_EQ(codePage(), 65001) << "a file that cannot be opened changes nothing";

    // Nor does one that is no regular file; a FIFO is never waited on.
    const std::string fifo = path("fifo.pb");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(loadFileIntoView(View, fifo), 0);
    EXPECT_EQ(loadFileIntoView(View, "/dev/zero"), 0);
    EXPECT_EQ(viewBytes(View), "previous");
    EXPECT_EQ(codePage(), 65001);
}

TEST_F(TextOperations, TheMainViewIsReadOnlyAfterEveryShowAndClear) {
    setReadOnly(View, true); // as the main window keeps it
    const std::string code = writeFile("code.pb", "Debug 1\r\n");
    showCodeFile(code);
    EXPECT_TRUE(readOnly());
    EXPECT_EQ(viewBytes(View), "Debug 1\r\n");

    showCodeFile(path("missing.pb"));
    EXPECT_TRUE(readOnly());
    EXPECT_EQ(viewBytes(View), "Debug 1\r\n");

    showCodeFile(writeFile("empty.pb", ""));
    EXPECT_TRUE(readOnly());
    EXPECT_EQ(viewBytes(View), "Debug 1\r\n");

    clearCodeView();
    EXPECT_TRUE(readOnly());
    EXPECT_EQ(textLength(View), 0);

    setText(View, "typed"); // refused while read-only
    EXPECT_EQ(textLength(View), 0);
}

TEST_F(TextOperations, AZeroByteEndsTheShownText) {
    EXPECT_EQ(loadFileIntoView(View, writeFile("zero.pb", std::string("ab\0cd", 5))), 1);
    EXPECT_EQ(viewBytes(View), "ab");
    EXPECT_EQ(loadFileIntoView(View, writeFile("zero8.pb", Mark + std::string("\xC3\xA9\0cd", 5))),
              1);
    EXPECT_EQ(viewBytes(View), "\xC3\xA9");
    EXPECT_EQ(loadFileIntoView(View, writeFile("nul.pb", std::string(3, '\0'))), 1);
    EXPECT_EQ(textLength(View), 0);
}

TEST_F(TextOperations, InvalidUtf8AfterAMarkIsDecodedWithoutOverrun) {
    // A lead byte without continuation, a cut three-byte sequence, a stray
    // continuation byte, a byte that never starts a sequence, and a lead byte
    // at the very end.
    const std::string file = writeFile("bad.pb", Mark + "\xC3(\xE2\x82x\x80\xF9y\xE2");
    EXPECT_EQ(loadFileIntoView(View, file), 1);
    EXPECT_EQ(viewBytes(View), "?(?xy");
}

TEST_F(TextOperations, Utf16LittleEndianFilesAreShownInTheSystemCodePage) {
    // "Aé€Ж" and a zero character after which nothing more is shown.
    const std::string bytes("\xFF\xFE"
                            "A\0\xE9\0\xAC\x20\x16\x04\0\0Z\0",
                            14);
    EXPECT_EQ(loadFileIntoView(View, writeFile("utf16.pb", bytes)), 1);
    EXPECT_EQ(codePage(), 65001);
    EXPECT_EQ(shownText(View), QString::fromUtf8("Aé\u0080?"))
        << "the euro sign is byte 0x80 in the system code page, shown as U+0080";

    EXPECT_EQ(loadFileIntoView(View, writeFile("odd.pb", std::string("\xFF\xFEH\0i\0!", 7))), 1);
    EXPECT_EQ(shownText(View), QString("Hi!")) << "the odd last byte pairs with the zero after it";
}

TEST_F(TextOperations, ATenMegabyteFileLoadsAndSavesWhole) {
    std::string bytes;
    const std::string line = "  If Value = 42 : Debug \"line\" : EndIf ; comment\r\n";
    while (bytes.size() < 10 * 1024 * 1024) {
        bytes += line;
    }
    const std::string file = writeFile("big.pb", bytes);
    EXPECT_EQ(loadFileIntoView(View, file), 1);
    EXPECT_EQ(textLength(View), static_cast<std::int64_t>(bytes.size()));
    send(View, QsciScintillaBase::SCI_COLOURISE, 0, -1); // style all of it through the highlighter
    EXPECT_EQ(send(View, QsciScintillaBase::SCI_GETENDSTYLED),
              static_cast<std::intptr_t>(bytes.size()));
    EXPECT_EQ(stylesOf(View, 2, 4), "11");
    EXPECT_TRUE(saveViewToFile(View, path("big-saved.pb")).ok());
    EXPECT_TRUE(readFile(path("big-saved.pb")) == bytes);
}

TEST_F(TextOperations, ASaveReplacesTheFileWholeOrSaysWhyNot) {
    EXPECT_FALSE(saveViewToFile(View, path("no/such/folder/x.pb")).failure.empty());

    const std::string kept = writeFile("kept.pb", "old text");
    setText(View, "new text");
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(path("folder.pb"))));
    const auto failed = saveViewToFile(View, path("folder.pb"));
    EXPECT_FALSE(failed.ok()) << "a folder is not replaced by a file";
    EXPECT_TRUE(QFileInfo(QString::fromStdString(path("folder.pb"))).isDir());

    ASSERT_TRUE(saveViewToFile(View, kept).ok());
    EXPECT_EQ(readFile(kept), "new text");
    const auto left = QDir(QString::fromStdString(path(""))).entryList(QDir::Files);
    EXPECT_EQ(left.filter(".tmp").size(), 0) << "no temporary file is left behind";
}

TEST_F(TextOperations, SelectAllAndCopyUseTheWholeText) {
    showCodeFile(writeFile("code.pb", "Procedure A()\r\nEndProcedure"));
    selectAll();
    EXPECT_EQ(send(View, GetSelectionStart), 0);
    EXPECT_EQ(send(View, GetSelectionEnd), textLength(View));
    QGuiApplication::clipboard()->clear();
    copySelection();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString("Procedure A()\r\nEndProcedure"));
}

} // namespace
} // namespace codarium::viewer::test
