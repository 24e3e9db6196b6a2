#include "gui_fixture.h"
#include "widgets/fonts.h"
#include "widgets/gadgets.h"
#include "widgets/progress_gadget.h"
#include "widgets/test_hooks.h"
#include "widgets/text_gadgets.h"
#include "widgets/windows.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <algorithm>

namespace codarium::widgets {
namespace {

using testsupport::drainEvents;

class FieldTest : public testsupport::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        ASSERT_TRUE(openWindow(20, 0, 0, 600, 400, "Haupt", MainWindowFlags));
    }
};

int count(const std::vector<WindowEvent>& events, int gadget, GadgetEvent type) {
    int n = 0;
    for (const WindowEvent& e : events) {
        n += e.kind == EventKind::Gadget && e.gadget == gadget && e.subType == type;
    }
    return n;
}

TEST_F(FieldTest, TheReturnReportingFieldTellsReturnAndEveryEdit) {
    ASSERT_TRUE(stringGadget(1, 20, 0, 0, 500, 20, "", TextFieldReportsReturn));
    ASSERT_TRUE(stringGadget(7, 20, 0, 30, 500, 20, "", 0));
    drainEvents();
    ASSERT_TRUE(testing::typeIntoField(1, "Fen"));
    ASSERT_TRUE(testing::pressReturn(1));
    auto events = drainEvents();
    EXPECT_EQ(count(events, 1, GadgetEvent::Change), 3);
    EXPECT_EQ(count(events, 1, GadgetEvent::ReturnKey), 1);
    // Return inserts nothing.
    EXPECT_EQ(gadgetText(1), "Fen");

    ASSERT_TRUE(testing::typeIntoField(7, "x"));
    ASSERT_TRUE(testing::pressReturn(7));
    events = drainEvents();
    EXPECT_EQ(count(events, 7, GadgetEvent::Change), 1);
    EXPECT_EQ(count(events, 7, GadgetEvent::ReturnKey), 0);
}

// Fields built to report focus tell every focus change and click; others
// only their edits.
TEST_F(FieldTest, FocusReportingFieldsTellFocusChangesAndClicks) {
    ASSERT_TRUE(stringGadget(709, 20, 0, 0, 200, 20, "", TextFieldReportsFocus));
    ASSERT_TRUE(editorGadget(608, 20, 0, 30, 300, 100, "", TextFieldReportsFocus));
    ASSERT_TRUE(stringGadget(1, 20, 0, 140, 200, 20, ""));
    drainEvents();
    QWidget* command = testing::gadgetObject(709);
    QFocusEvent in(QEvent::FocusIn), out(QEvent::FocusOut);
    QApplication::sendEvent(command, &in);
    QApplication::sendEvent(command, &out);
    ASSERT_TRUE(testing::clickIntoGadget(709));
    ASSERT_TRUE(testing::clickIntoGadget(608));
    ASSERT_TRUE(testing::clickIntoGadget(1));
    QApplication::sendEvent(testing::gadgetObject(1), &in);
    const auto events = drainEvents();
    EXPECT_GE(count(events, 709, GadgetEvent::Focus), 1);
    EXPECT_GE(count(events, 709, GadgetEvent::LostFocus), 1);
    EXPECT_EQ(count(events, 709, GadgetEvent::LeftClick), 1);
    EXPECT_EQ(count(events, 608, GadgetEvent::LeftClick), 1);
    EXPECT_EQ(count(events, 709, GadgetEvent::Change), 0);
    for (const WindowEvent& e : events) {
        EXPECT_NE(e.gadget, 1) << static_cast<int>(e.subType);
    }
}

TEST_F(FieldTest, ReadOnlyAndDisabledFieldsTakeNoTyping) {
    ASSERT_TRUE(stringGadget(109, 20, 100, 190, 280, 20, "/opt/pb/purebasic", TextFieldReadOnly));
    EXPECT_FALSE(testing::typeIntoField(109, "x"));
    EXPECT_EQ(gadgetText(109), "/opt/pb/purebasic");
    ASSERT_TRUE(stringGadget(1, 20, 0, 0, 500, 20, ""));
    disableGadget(1, true);
    EXPECT_TRUE(gadgetDisabled(1));
    EXPECT_FALSE(testing::typeIntoField(1, "x"));
}

TEST_F(FieldTest, MultiLineTextComesBackWithCrLf) {
    ASSERT_TRUE(editorGadget(212, 20, 0, 0, 300, 100, "Wichtig:\r\tPunkt eins\r\nzwei"));
    EXPECT_EQ(gadgetText(212), "Wichtig:\r\n\tPunkt eins\r\nzwei");
    ASSERT_TRUE(editorGadget(213, 20, 0, 0, 300, 100, "", TextFieldReadOnly));
    EXPECT_FALSE(testing::typeIntoField(213, "x"));
}

TEST_F(FieldTest, GeometryAndTextOfLabelsButtonsAndFrames) {
    ASSERT_TRUE(frameGadget(1001, 20, 10, 10, 480, 70));
    ASSERT_TRUE(textGadget(102, 20, 10, 60, 480, 20, "Die Anwendung wurde zum ersten Mal"));
    ASSERT_TRUE(buttonGadget(2, 20, 500, 0, 100, 20, "A&B"));
    EXPECT_EQ(gadgetText(102), "Die Anwendung wurde zum ersten Mal");
    EXPECT_EQ(gadgetText(2), "A&B");
    resizeGadget(2, 450, Ignore, Ignore, 25);
    EXPECT_EQ(gadgetX(2), 450);
    EXPECT_EQ(gadgetY(2), 0);
    EXPECT_EQ(gadgetWidth(2), 100);
    EXPECT_EQ(gadgetHeight(2), 25);
    EXPECT_EQ(gadgetWindow(2), 20);
    freeGadget(2);
    EXPECT_FALSE(isGadget(2));
    EXPECT_EQ(gadgetText(2), "");
}

TEST_F(FieldTest, ALabelTooLongForItsBoxShrinksWithinLimitsAndOtherwiseOffersItsWording) {
    const QFont given = QApplication::font();
    const qreal floor = std::max(given.pointSizeF() * 0.75, std::min(given.pointSizeF(), 7.0));
    const std::string word = "E-Mail-Adresse:";
    std::string sentence = "Beim Abbrechen dieser Konfiguration wird jedoch die Funktion ''Code in "
                           "PureBasic \xF6"
                           "ffnen'' deaktiviert. ";
    sentence += sentence + sentence; // three lines or more, even at the smallest size
    // Nine tenths of the width the word needs at the given size.
    const int tight = QFontMetrics(given).horizontalAdvance(QString::fromStdString(word)) * 9 / 10;
    ASSERT_TRUE(textGadget(1, 20, 10, 10, 480, 20, "Autor:"));
    ASSERT_TRUE(textGadget(2, 20, 10, 40, tight, 20, word));
    ASSERT_TRUE(textGadget(3, 20, 10, 70, 480, 20, sentence));
    const auto label = [](int gadget) {
        return static_cast<QLabel*>(testing::gadgetObject(gadget));
    };
    const auto fits = [&](int gadget) {
        return label(gadget)->heightForWidth(gadgetWidth(gadget)) <= gadgetHeight(gadget);
    };

    const struct {
        int gadget;
        bool shrunk, atFloor, fits;
    } cases[] = {{1, false, false, true}, {2, true, false, true}, {3, true, true, false}};
    for (const auto& c : cases) {
        const qreal size = label(c.gadget)->font().pointSizeF();
        EXPECT_EQ(size < given.pointSizeF(), c.shrunk) << c.gadget;
        // Half-point steps stop at the first size not below the floor.
        EXPECT_EQ(size >= floor && size < floor + 0.5, c.atFloor) << c.gadget;
        EXPECT_EQ(fits(c.gadget), c.fits) << c.gadget;
        // Only a text still cut off carries its wording as a tool tip.
        EXPECT_EQ(label(c.gadget)->toolTip(), c.fits ? QString() : label(c.gadget)->text());
    }
    EXPECT_EQ(gadgetText(3), sentence);

    // A roomier box, a shorter text or a bigger given font: fitted afresh.
    resizeGadget(2, Ignore, Ignore, 2 * tight, Ignore);
    EXPECT_EQ(label(2)->font().pointSizeF(), given.pointSizeF());
    setGadgetText(3, "Kurz");
    EXPECT_EQ(label(3)->font().pointSizeF(), given.pointSizeF());
    EXPECT_EQ(label(3)->toolTip(), QString());
    resizeGadget(1, Ignore, Ignore, Ignore, 60);
    ASSERT_TRUE(loadFont(1, "", 14));
    setGadgetFont(1, 1);
    EXPECT_EQ(label(1)->font().pointSizeF(), 14.0);
    freeFont(1);

    // A tool tip the program gave is kept even when the text is cut off.
    setGadgetToolTip(3, "Hilfe");
    setGadgetText(3, sentence);
    EXPECT_EQ(label(3)->toolTip(), "Hilfe");
}

TEST_F(FieldTest, WorkersSetTextAndProgressThroughTheGuiThread) {
    ASSERT_TRUE(textGadget(304, 20, 0, 0, 300, 20, ""));
    ASSERT_TRUE(progressBarGadget(305, 20, 0, 30, 300, 20, 0, 0));
    ASSERT_TRUE(stringGadget(204, 20, 0, 60, 300, 20, "Autor"));
    // An empty range shows an empty bar, not Qt's busy animation.
    EXPECT_EQ(progressMaximum(305), 0);
    EXPECT_EQ(progressValue(305), 0);
    EXPECT_FALSE(progressIsMarquee(305));
    std::string readBack;
    ASSERT_TRUE(testsupport::runOnWorker([&] {
        setGadgetText(304, "Gr\xF6\xDF"
                           "e: 1234 Bytes");
        setProgressRange(305, 0, 1234);
        setProgressValue(305, 617);
        readBack = gadgetText(204);
    }));
    EXPECT_EQ(gadgetText(304), "Gr\xF6\xDF"
                               "e: 1234 Bytes");
    EXPECT_EQ(progressMaximum(305), 1234);
    EXPECT_EQ(progressValue(305), 617);
    EXPECT_EQ(readBack, "Autor");
    setProgressValue(305, 5000);
    EXPECT_EQ(progressValue(305), 1234);

    ASSERT_TRUE(progressBarGadget(1004, 20, 60, 50, 420, 20, 0, 100, ProgressStyle::Marquee));
    EXPECT_TRUE(progressIsMarquee(1004));
}

} // namespace
} // namespace codarium::widgets
