// A view's fonts and colours come from the editor's preferences file, with
// the defaults of the editor when the file or a key is missing.
#include "view_fixture.h"

#include <QDir>
#include <QPalette>
#include <Qsci/qsciscintillabase.h>
#include <array>

namespace codarium::viewer::test {
namespace {

constexpr int View = 213;
constexpr int OtherView = 214;

struct StyleReadBack {
    std::intptr_t fore, back, bold, italic, size;
    std::string font;
    bool operator==(const StyleReadBack&) const = default;
};

StyleReadBack readStyle(int view, int style) {
    const auto s = static_cast<std::uintptr_t>(style);
    return {send(view, QsciScintillaBase::SCI_STYLEGETFORE, s),
            send(view, QsciScintillaBase::SCI_STYLEGETBACK, s),
            send(view, QsciScintillaBase::SCI_STYLEGETBOLD, s),
            send(view, QsciScintillaBase::SCI_STYLEGETITALIC, s),
            send(view, QsciScintillaBase::SCI_STYLEGETSIZE, s),
            styleFont(view, style)};
}

std::intptr_t paletteButtonFace() {
    const QColor c = QApplication::palette().color(QPalette::Button);
    return c.red() + c.green() * 256 + c.blue() * 65536;
}

// The editor's defaults for the classes 0 to 12.
constexpr std::array<std::intptr_t, 13> defaultClassColours{
    0, 10289933, 7309386, 738990, 4275251, 15675453, 4194432, 255, 346292, 255, 329652, 0, 8404992};

using Styles = ViewTest;

TEST_F(Styles, WithoutPreferencesFileTheEditorDefaultsApply) {
    ASSERT_NE(createCodeView(View, TestWindow, 0, 0, 400, 300, RecordingPlugin), 0);

    const StyleReadBack base = readStyle(View, 32);
    EXPECT_EQ(base.fore, 0);
    EXPECT_EQ(base.back, 0xFFFFFF);
    EXPECT_EQ(base.font, "courier");
    EXPECT_EQ(base.size, 10);
    EXPECT_EQ(base.bold, 0);
    EXPECT_EQ(base.italic, 0);

    for (int style = 0; style <= 12; ++style) {
        SCOPED_TRACE(style);
        const StyleReadBack s = readStyle(View, style);
        EXPECT_EQ(s.fore, defaultClassColours[static_cast<std::size_t>(style)]);
        EXPECT_EQ(s.back, 0xFFFFFF);
        EXPECT_EQ(s.font, "courier");
        EXPECT_EQ(s.size, 10);
        EXPECT_EQ(s.bold, style == 1 ? 1 : 0);
        EXPECT_EQ(s.italic, style == 4 ? 1 : 0);
    }

    EXPECT_EQ(send(View, QsciScintillaBase::SCI_GETMARGINTYPEN, 0), 1)
        << "margin 0 shows line numbers";
    EXPECT_EQ(send(View, QsciScintillaBase::SCI_GETMARGINWIDTHN, 0), 40);
    EXPECT_EQ(send(View, QsciScintillaBase::SCI_GETMARGINWIDTHN, 1), 5);
    const StyleReadBack margin = readStyle(View, 33);
    EXPECT_EQ(margin.back, paletteButtonFace());
    EXPECT_EQ(margin.fore, 0);
    EXPECT_EQ(margin.size, 10) << "the margin shares the default style's font";
    EXPECT_FALSE(QDir(home_->path()).exists(".purebasic")) << "the editor's folder is not created";
}

TEST_F(Styles, OnlyTheFontSizeChangesWhenOnlyItIsSet) {
    ASSERT_NE(createCodeView(View, TestWindow, 0, 0, 400, 300, RecordingPlugin), 0);
    writeEditorPrefs("[Editor]\r\nEditorFontSize = 14\r\n");
    ASSERT_NE(createCodeView(OtherView, TestWindow, 0, 0, 400, 300, RecordingPlugin), 0);

    for (int style = 0; style <= 33; ++style) {
        SCOPED_TRACE(style);
        StyleReadBack withDefaults = readStyle(View, style);
        const StyleReadBack withSize = readStyle(OtherView, style);
        EXPECT_EQ(withDefaults.size, 10);
        EXPECT_EQ(withSize.size, 14);
        withDefaults.size = withSize.size;
        EXPECT_EQ(withDefaults, withSize);
    }
    EXPECT_EQ(send(OtherView, QsciScintillaBase::SCI_GETMARGINWIDTHN, 0), 40);
    EXPECT_EQ(send(OtherView, QsciScintillaBase::SCI_GETMARGINWIDTHN, 1), 5);
}

TEST_F(Styles, EveryKeyReachesItsStyle) {
    writeEditorPrefs("[Other]\nBackgroundColor = 1\n"
                     "[Editor]\n"
                     "BackgroundColor = 1193046\n" // 0x123456
                     "EditorFontName = DejaVu Sans Mono\n"
                     "EditorFontSize = 12\n"
                     "SelectionFrontColor = 5\n"
                     "SelectionColor = 6\n"
                     "NormalTextColor = 100\n"
                     "BasicKeywordColor = 101\n"
                     "CommentColor = 102\n"
                     "ConstantColor = 103\n"
                     "StringColor = 104\n"
                     "PureKeywordColor = 105\n"
                     "ASMKeywordColor = 106\n"
                     "OperatorColor = 107\n"
                     "StructureColor = 108\n"
                     "NumberColor = 109\n"
                     "PointerColor = 110\n"
                     "SeparatorColor = 111\n"
                     "LabelColor = 112\n"
                     "LineNumberBackColor = 200\n"
                     "LineNumberColor = 201\n");
    const std::string prefs = path(".purebasic/purebasic.prefs");
    const std::string before = readFile(prefs);
    ASSERT_NE(createCodeView(View, TestWindow, 0, 0, 400, 300, RecordingPlugin), 0);

    for (int style = 0; style <= 12; ++style) {
        SCOPED_TRACE(style);
        const StyleReadBack s = readStyle(View, style);
        EXPECT_EQ(s.fore, 100 + style);
        EXPECT_EQ(s.back, 0x123456);
        EXPECT_EQ(s.font, "DejaVu Sans Mono");
        EXPECT_EQ(s.size, 12);
    }
    EXPECT_EQ(readStyle(View, 32).fore, 0) << "the default style is always black";
    EXPECT_EQ(readStyle(View, 33).back, 200);
    EXPECT_EQ(readStyle(View, 33).fore, 201);
    EXPECT_EQ(readFile(prefs), before) << "the editor's file is only read";
}

} // namespace
} // namespace codarium::viewer::test
