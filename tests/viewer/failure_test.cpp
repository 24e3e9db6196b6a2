// Without a usable highlighter no view is created, and everything later done
// to that gadget number is harmless.
#include "viewer/code_view_text.h"
#include "viewer/colouring.h"

#include "view_fixture.h"
#include "widgets/gadget_host.h"

#include <QDir>
#include <Qsci/qsciscintillabase.h>

namespace codarium::viewer::test {
namespace {

using Failure = ViewTest;

void expectNoView(int gadget) {
    EXPECT_EQ(widgets::gadgetWidget(gadget), nullptr);
    EXPECT_FALSE(widgets::isScintillaGadget(gadget));
}

TEST_F(Failure, AMissingOrEntrylessHighlighterCreatesNoView) {
    EXPECT_EQ(createCodeView(MainCodeView, TestWindow, 0, 0, 100, 100, path("nothing.so")), 0);
    expectNoView(MainCodeView);
    EXPECT_EQ(createCodeView(MainCodeView, TestWindow, 0, 0, 100, 100, NoEntryPlugin), 0);
    expectNoView(MainCodeView);
    const std::string notALibrary = writeFile("SyntaxHilighting.so", "plain text, not a library");
    EXPECT_EQ(createCodeView(MainCodeView, TestWindow, 0, 0, 100, 100, notALibrary), 0);
    expectNoView(MainCodeView);
    EXPECT_EQ(createCodeView(MainCodeView, TestWindow, 0, 0, 100, 100, ""), 0);
    expectNoView(MainCodeView);
    EXPECT_TRUE(widgets::gadgetParentWidget(TestWindow)->findChildren<QWidget*>().isEmpty())
        << "nothing was placed in the window";
}

TEST_F(Failure, OperationsOnAViewThatWasNeverCreatedDoNothing) {
    ASSERT_EQ(createCodeView(MainCodeView, TestWindow, 0, 0, 100, 100, NoEntryPlugin), 0);
    const std::string code = writeFile("code.pb", "Debug 1\r\n");
    const std::string saved = writeFile("kept.pb", "keep me");

    setText(MainCodeView, "text");
    setReadOnly(MainCodeView, true);
    setWordWrap(MainCodeView, true);
    EXPECT_EQ(textLength(MainCodeView), 0);
    EXPECT_EQ(textEncoding(MainCodeView), TextEncoding::SystemCodePage);
    EXPECT_EQ(loadFileIntoView(MainCodeView, code), 0);
    EXPECT_FALSE(saveViewToFile(MainCodeView, saved).ok());
    EXPECT_EQ(readFile(saved), "keep me") << "no view, so the file is not cut";
    EXPECT_FALSE(saveViewToFile(MainCodeView, path("new.pb")).ok());
    EXPECT_EQ(readFile(path("new.pb")), "<missing>");
    showCodeFile(code);
    clearCodeView();
    copySelection();
    selectAll();
    widgets::disableOwnPopup(MainCodeView);
    widgets::setContextMenuHandler(MainCodeView, [](QPoint) {});
    codeViewNotification(MainCodeView, 2000, 10);
    expectNoView(MainCodeView);
}

TEST_F(Failure, AFailedCreationKeepsTheLastHighlighter) {
    constexpr int Working = 213;
    ASSERT_NE(createCodeView(Working, TestWindow, 0, 0, 100, 100, RecordingPlugin), 0);
    const auto entry = colouringState().colourFunction;
    ASSERT_EQ(createCodeView(MainCodeView, TestWindow, 0, 0, 100, 100, NoEntryPlugin), 0);
    EXPECT_EQ(colouringState().colourFunction, entry);

    setText(Working, "ab 1\n");
    send(Working, QsciScintillaBase::SCI_COLOURISE, 0, -1);
    EXPECT_EQ(stylesOf(Working, 0, 5), "11090");
}

TEST_F(Failure, ARelativeHighlighterPathIsFoundInTheWorkingDirectory) {
    const QString previous = QDir::currentPath();
    const QFileInfo plugin(QString::fromUtf8(RecordingPlugin));
    ASSERT_TRUE(QDir::setCurrent(plugin.absolutePath()));
    const int created =
        createCodeView(MainCodeView, TestWindow, 0, 0, 100, 100, plugin.fileName().toStdString());
    QDir::setCurrent(previous);
    EXPECT_NE(created, 0);
    EXPECT_TRUE(widgets::isScintillaGadget(MainCodeView));
}

} // namespace
} // namespace codarium::viewer::test
