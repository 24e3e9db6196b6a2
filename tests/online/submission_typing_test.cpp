// A code typed into window 2 key by key, as a user types it, on its way to a
// real FTP server: the bytes that arrive are the library's own (CR LF line
// ends, Windows-1252 characters as their bytes), whatever way the characters
// came in: keys, an input method, the clipboard.
#include "submission_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <Qsci/qsciscintillabase.h>

namespace codarium::online::submissiontest {
namespace {

constexpr unsigned int SciPaste = QsciScintillaBase::SCI_PASTE;

// The 27 characters Windows-1252 puts at 0x80 to 0x9F, and their bytes.
constexpr const char* HighCharacters = "€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ";
constexpr const char* HighBytes = "\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E"
                                  "\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9A\x9B\x9C\x9E\x9F";

// Presses and releases a key for every character, Return for a line break.
void typeKeys(QWidget* target, const QString& text) {
    for (const QChar c : text) {
        const bool lineBreak = c == u'\n';
        const int key = lineBreak ? Qt::Key_Return : 0;
        const QString typed = lineBreak ? QStringLiteral("\r") : QString(c);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, typed);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, typed);
        QApplication::sendEvent(target, &press);
        QApplication::sendEvent(target, &release);
    }
}

// A text an input method (a compose sequence, a dead key) hands over whole.
void commitText(QWidget* target, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(target, &event);
}

TEST_F(SubmissionTest, ATypedCodeArrivesInTheLibrarysBytes) {
    ASSERT_TRUE(startServer());
    openDialog();
    QWidget* view = hooks::gadgetObject(SubmissionCodeView);
    QWidget* title = hooks::gadgetObject(TitleField);
    ASSERT_NE(view, nullptr);
    ASSERT_NE(title, nullptr);
    title->setFocus();
    typeKeys(title, QString::fromUtf8("Preis in €"));
    view->setFocus();
    typeKeys(view, QString::fromUtf8("; Zeichen: ") + QString::fromUtf8(HighCharacters) +
                       QString::fromUtf8("\nDebug \"Grüße\"\n"));
    commitText(view, QString::fromUtf8("Preis$ = \"5 €\""));
    typeKeys(view, QStringLiteral("\n"));
    QApplication::clipboard()->setText(QString::fromUtf8("; „eingefügt“ – 3 €"));
    widgets::sendScintilla(SubmissionCodeView, SciPaste);
    runPendingTurns();
    ASSERT_FALSE(widgets::gadgetDisabled(SendButton));

    const std::string code = std::string("; Zeichen: ") + HighBytes +
                             "\r\nDebug \"Gr\xFC\xDF"
                             "e\"\r\nPreis$ = \"5 \x80\"\r\n; \x84"
                             "eingef\xFCgt\x93 \x96 3 \x80";
    EXPECT_EQ(viewer::viewFileBytes(SubmissionCodeView), code);
    ASSERT_TRUE(hooks::clickButton(SendButton));
    ASSERT_TRUE(runUntilUploadEnds());
    const auto files = arrived();
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0].second, code + trailer("", "", "Preis in \x80", ""));
}

TEST_F(SubmissionTest, CopyingFromAViewGivesTheCharactersOfItsBytes) {
    openDialog();
    setCode(std::string("Debug \"") + HighBytes + " \xE4\"");
    widgets::selectAllText(SubmissionCodeView);
    widgets::copyToClipboard(SubmissionCodeView);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(),
              std::string("Debug \"") + HighCharacters + " ä\"");
}

} // namespace
} // namespace codarium::online::submissiontest
