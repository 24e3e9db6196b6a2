// Colouring: style-needed notifications reach the highlighter with the text
// from the start of the first unstyled line, and its runs become styles.
#include "viewer/colouring.h"

#include "view_fixture.h"

#include <QLibrary>
#include <Qsci/qsciscintillabase.h>

namespace codarium::viewer::test {
namespace {

constexpr int View = 4;
constexpr std::intptr_t GetEndStyled = QsciScintillaBase::SCI_GETENDSTYLED,
                        StartStyling = QsciScintillaBase::SCI_STARTSTYLING,
                        SetStyling = QsciScintillaBase::SCI_SETSTYLING,
                        Colourise = QsciScintillaBase::SCI_COLOURISE;

// What the recording plug-in last saw.
struct Recorder {
    QLibrary library{QString::fromUtf8(RecordingPlugin)};
    int calls() { return fn<int (*)()>("recordedCalls")(); }
    std::string text() { return fn<const char* (*)()>("recordedText")(); }
    std::int32_t length() { return fn<std::int32_t (*)()>("recordedLength")(); }
    bool terminated() { return fn<bool (*)()>("recordedTerminated")(); }

    template <typename F> F fn(const char* name) {
        auto f = reinterpret_cast<F>(library.resolve(name));
        EXPECT_NE(f, nullptr) << name;
        return f;
    }
};

class Colouring : public ViewTest {
protected:
    void SetUp() override {
        ViewTest::SetUp();
        ASSERT_NE(createCodeView(View, TestWindow, 0, 0, 400, 300, RecordingPlugin), 0);
    }
    // Marks the text as styled up to `position`, as Scintilla does after a pass.
    void styledUpTo(std::intptr_t position) {
        send(View, static_cast<unsigned>(StartStyling), 0, 31);
        send(View, static_cast<unsigned>(SetStyling), static_cast<std::uintptr_t>(position), 0);
        ASSERT_EQ(send(View, static_cast<unsigned>(GetEndStyled)), position);
    }
    Recorder recorder;
};

// "abc 12\n" -> letters 1, blank 0, digits 9, line end 0.
TEST_F(Colouring, TheWholeTextIsColouredThroughTheNotifications) {
    setText(View, "abc 12 ;note\nx = 7\n");
    const int before = recorder.calls();
    send(View, static_cast<unsigned>(Colourise), 0, -1);

    EXPECT_GT(recorder.calls(), before);
    EXPECT_EQ(stylesOf(View, 0, 19), "1110990222220"
                                     "100090");
    EXPECT_EQ(send(View, static_cast<unsigned>(GetEndStyled)), 19);
}

TEST_F(Colouring, ANotificationMidLineRestartsAtTheLineStart) {
    setText(View, "first line\nsecond 22 line\nthird\n");
    styledUpTo(15); // inside "second"
    const int before = recorder.calls();

    codeViewNotification(View, 2000, 26);

    ASSERT_EQ(recorder.calls(), before + 1);
    EXPECT_EQ(recorder.text(), "second 22 line\n");
    EXPECT_EQ(recorder.length(), 15);
    EXPECT_TRUE(recorder.terminated());
    EXPECT_EQ(stylesOf(View, 11, 26), "111111099011110");
    EXPECT_EQ(stylesOf(View, 0, 11), "00000000000") << "the line above stays as it was";
    EXPECT_EQ(send(View, static_cast<unsigned>(GetEndStyled)), 26);
    EXPECT_EQ(colouringState().view, View);
    EXPECT_TRUE(colouringState().textCopy.empty()) << "the copy is freed after the pass";
}

TEST_F(Colouring, AnEndAtTheStartGivesTheHighlighterNothingToColour) {
    setText(View, "one\ntwo\n");
    styledUpTo(4);
    const int before = recorder.calls();

    codeViewNotification(View, 2000, 4);

    ASSERT_EQ(recorder.calls(), before + 1);
    EXPECT_EQ(recorder.length(), 0);
    EXPECT_EQ(recorder.text(), "");
    EXPECT_TRUE(recorder.terminated());
}

TEST_F(Colouring, OtherNotificationsOnlyNameTheView) {
    constexpr int Other = 213;
    ASSERT_NE(createCodeView(Other, TestWindow, 0, 0, 200, 100, RecordingPlugin), 0);
    setText(View, "abc\n");
    const int before = recorder.calls();

    codeViewNotification(Other, 2001, 4); // character added: not acted on

    EXPECT_EQ(recorder.calls(), before);
    EXPECT_EQ(colouringState().view, Other);
}

TEST_F(Colouring, RunsOutsideTheTextAreCutToIt) {
    constexpr int Stray = 214;
    ASSERT_NE(createCodeView(Stray, TestWindow, 0, 0, 200, 100, StrayPlugin), 0);
    setText(Stray, "aaaa\nbbbbbb\ncccc\n");
    send(Stray, static_cast<unsigned>(StartStyling), 0, 31);
    send(Stray, static_cast<unsigned>(SetStyling), 17, 3);
    send(Stray, static_cast<unsigned>(StartStyling), 7, 31); // first unstyled inside "bbbbbb"

    codeViewNotification(Stray, 2000, 12);

    // Only the requested stretch (5 to 12) takes the clipped run's class 5.
    EXPECT_EQ(stylesOf(Stray, 0, 17), "33333"
                                      "5555555"
                                      "33333");
}

TEST_F(Colouring, EachViewIsStyledByItsOwnNotifications) {
    constexpr int Other = 213;
    ASSERT_NE(createCodeView(Other, TestWindow, 0, 0, 200, 100, RecordingPlugin), 0);
    setText(View, "aaa\n");
    setText(Other, "111\n");
    send(Other, static_cast<unsigned>(Colourise), 0, -1);
    send(View, static_cast<unsigned>(Colourise), 0, -1);

    EXPECT_EQ(stylesOf(View, 0, 4), "1110");
    EXPECT_EQ(stylesOf(Other, 0, 4), "9990");
}

} // namespace
} // namespace codarium::viewer::test
