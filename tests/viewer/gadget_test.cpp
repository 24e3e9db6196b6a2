// The Scintilla gadget of the widget layer: numbers, messages, the right
// button and the context-menu hook.
#include "widgets/gadget_host.h"
#include "widgets/gadgets.h"
#include "widgets/window_event.h"

#include "view_fixture.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QTimer>
#include <Qsci/qsciscintilla.h>

namespace codarium::viewer::test {
namespace {

constexpr int View = 4;
constexpr int SubmissionView = 213;

using Gadget = ViewTest;

QWidget* viewport(int gadget) {
    return widgets::gadgetAs<QsciScintilla>(gadget)->viewport();
}

void sendMouse(QWidget* target, QEvent::Type type, Qt::MouseButton button) {
    const QPointF at(20, 10);
    QMouseEvent event(type, at, target->mapToGlobal(at), button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

TEST_F(Gadget, MessagesGoByNumberAndAnUnknownNumberAnswersZero) {
    ASSERT_TRUE(widgets::createScintillaGadget(View, TestWindow, 5, 6, 300, 200));
    auto* editor = widgets::gadgetAs<QsciScintilla>(View);
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->parentWidget(), widgets::gadgetParentWidget(TestWindow));
    EXPECT_EQ(editor->geometry(), QRect(5, 6, 300, 200));
    EXPECT_EQ(widgets::gadgetWindow(View), TestWindow);
    EXPECT_EQ(widgets::sendScintilla(View, QsciScintillaBase::SCI_GETCODEPAGE), 0)
        << "a new view starts in code page 0";
    EXPECT_EQ(widgets::sendScintilla(View, QsciScintillaBase::SCI_GETLEXER), 0)
        << "the container lexer: styling is ours";

    const char text[] = "Hello";
    widgets::sendScintilla(View, QsciScintillaBase::SCI_SETTEXT, 0,
                           reinterpret_cast<std::intptr_t>(text));
    EXPECT_EQ(widgets::sendScintilla(View, QsciScintillaBase::SCI_GETLENGTH), 5);
    EXPECT_EQ(widgets::sendScintilla(99, QsciScintillaBase::SCI_GETLENGTH), 0);
    EXPECT_EQ(widgets::sendScintilla(99, QsciScintillaBase::SCI_SETTEXT, 0,
                                     reinterpret_cast<std::intptr_t>(text)),
              0);
}

TEST_F(Gadget, TheViewIsAGadgetOfItsWindowLikeAnyOther) {
    ASSERT_TRUE(widgets::createScintillaGadget(SubmissionView, TestWindow, 0, 0, 300, 200));
    EXPECT_EQ(widgets::gadgetWindow(SubmissionView), TestWindow);

    // A disabled window takes no input in its view either; enabled again, it does.
    widgets::disableWindow(TestWindow, true);
    EXPECT_FALSE(widgets::gadgetWidget(SubmissionView)->isEnabled());
    widgets::disableWindow(TestWindow, false);
    EXPECT_TRUE(widgets::gadgetWidget(SubmissionView)->isEnabled());
    widgets::disableGadget(SubmissionView, true);
    EXPECT_TRUE(widgets::gadgetDisabled(SubmissionView));

    // Without its window there is no view.
    EXPECT_FALSE(widgets::createScintillaGadget(View, 77, 0, 0, 300, 200));
    EXPECT_FALSE(widgets::isScintillaGadget(View));
    EXPECT_EQ(widgets::gadgetWindow(View), -1);

    // Closing the window frees the view with its number.
    widgets::closeWindow(TestWindow);
    EXPECT_FALSE(widgets::isGadget(SubmissionView));
    EXPECT_EQ(widgets::sendScintilla(SubmissionView, QsciScintillaBase::SCI_GETLENGTH), 0);
}

TEST_F(Gadget, CreatingUnderAUsedNumberReplacesTheView) {
    ASSERT_TRUE(widgets::createScintillaGadget(SubmissionView, TestWindow, 0, 0, 100, 100));
    QPointer<QWidget> first = widgets::gadgetWidget(SubmissionView);
    ASSERT_TRUE(widgets::createScintillaGadget(SubmissionView, TestWindow, 0, 0, 100, 100));
    EXPECT_NE(widgets::gadgetWidget(SubmissionView), first.data());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
}

TEST_F(Gadget, TheRightButtonsReleaseBecomesARightClickEvent) {
    ASSERT_TRUE(widgets::createScintillaGadget(SubmissionView, TestWindow, 0, 0, 300, 200));
    widgets::clearWindowEvents();
    sendMouse(viewport(SubmissionView), QEvent::MouseButtonRelease, Qt::RightButton);

    const widgets::WindowEvent event = widgets::windowEvent();
    EXPECT_EQ(event.kind, widgets::EventKind::Gadget);
    EXPECT_EQ(event.gadget, SubmissionView);
    EXPECT_EQ(event.window, 2);
    EXPECT_EQ(event.subType, widgets::GadgetEvent::RightClick);
    EXPECT_EQ(widgets::windowEvent().kind, widgets::EventKind::None) << "raised once";

    sendMouse(viewport(SubmissionView), QEvent::MouseButtonPress, Qt::LeftButton);
    sendMouse(viewport(SubmissionView), QEvent::MouseButtonRelease, Qt::LeftButton);
    EXPECT_EQ(widgets::windowEvent().kind, widgets::EventKind::None) << "left clicks stay inside";
}

TEST_F(Gadget, AContextMenuRequestReachesTheHandlerAndNoOwnMenuOpens) {
    ASSERT_TRUE(widgets::createScintillaGadget(View, TestWindow, 0, 0, 300, 200));
    widgets::disableOwnPopup(View);
    std::vector<QPoint> requests;
    widgets::setContextMenuHandler(View, [&](QPoint at) { requests.push_back(at); });

    // Should a menu of the component open anyway, this closes it so that the
    // test fails instead of waiting.
    bool ownMenuOpened = false;
    QTimer guard;
    QObject::connect(&guard, &QTimer::timeout, [&] {
        if (QWidget* popup = QApplication::activePopupWidget()) {
            ownMenuOpened = true;
            popup->close();
        }
    });
    guard.start(200);

    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(10, 10), QPoint(110, 210));
    QApplication::sendEvent(viewport(View), &event);

    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests.front(), QPoint(110, 210));
    EXPECT_FALSE(ownMenuOpened);
}

TEST_F(Gadget, StyleNeededReachesTheGadgetsCallbackWithItsNumber) {
    ASSERT_TRUE(widgets::createScintillaGadget(SubmissionView, TestWindow, 0, 0, 300, 200));
    std::vector<std::tuple<int, int, std::intptr_t>> calls;
    widgets::setScintillaCallback(SubmissionView, [&](int gadget, int code, std::intptr_t at) {
        calls.emplace_back(gadget, code, at);
    });
    const char text[] = "twelve bytes";
    widgets::sendScintilla(SubmissionView, QsciScintillaBase::SCI_SETTEXT, 0,
                           reinterpret_cast<std::intptr_t>(text));
    widgets::sendScintilla(SubmissionView, QsciScintillaBase::SCI_COLOURISE, 0, -1);

    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.back(), std::make_tuple(SubmissionView, 2000, std::intptr_t{12}));
}

} // namespace
} // namespace codarium::viewer::test
