#include "widgets/text_gadgets.h"

#include "platform/code_page.h"
#include "widgets/fitting_label.h"
#include "widgets/gadget_host.h"
#include "widgets/gadgets.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace codarium::widgets {
namespace {

// Reports focus changes and clicks of one field as its gadget's events.
class FieldEventReporter final : public QObject {
public:
    FieldEventReporter(QObject* field, int gadget) : QObject(field), gadget_(gadget) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::FocusIn:
            postGadgetEvent(gadget_, GadgetEvent::Focus);
            break;
        case QEvent::FocusOut:
            postGadgetEvent(gadget_, GadgetEvent::LostFocus);
            break;
        case QEvent::MouseButtonPress:
            postGadgetEvent(gadget_, GadgetEvent::LeftClick);
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    int gadget_;
};

void reportFocusAndClicks(QWidget* field, QWidget* clickTarget, int gadget, unsigned flags) {
    if ((flags & TextFieldReportsFocus) == 0) {
        return;
    }
    auto* reporter = new FieldEventReporter(field, gadget);
    field->installEventFilter(reporter);
    if (clickTarget != field) {
        clickTarget->installEventFilter(reporter);
    }
}

} // namespace

bool textGadget(int gadget, int window, int x, int y, int width, int height, std::string_view text,
                unsigned flags) {
    auto* label = new detail::FittingLabel();
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(((flags & TextRightAligned) != 0 ? Qt::AlignRight : Qt::AlignLeft) |
                        Qt::AlignTop);
    if (!adoptGadget(gadget, window, label, x, y, width, height)) {
        return false;
    }
    // Through setGadgetText, so line breaks show and the text reads back as given.
    setGadgetText(gadget, text);
    return true;
}

bool stringGadget(int gadget, int window, int x, int y, int width, int height,
                  std::string_view text, unsigned flags) {
    auto* field = new QLineEdit(platform::toQString(text));
    field->setReadOnly((flags & TextFieldReadOnly) != 0);
    if (flags & TextFieldPassword) {
        field->setEchoMode(QLineEdit::Password);
    }
    if (!adoptGadget(gadget, window, field, x, y, width, height)) {
        return false;
    }
    QObject::connect(field, &QLineEdit::textChanged, field,
                     [gadget] { postGadgetEvent(gadget, GadgetEvent::Change); });
    reportFocusAndClicks(field, field, gadget, flags);
    if (flags & TextFieldReportsReturn) {
        QObject::connect(field, &QLineEdit::returnPressed, field,
                         [gadget] { postGadgetEvent(gadget, GadgetEvent::ReturnKey); });
    }
    return true;
}

bool editorGadget(int gadget, int window, int x, int y, int width, int height,
                  std::string_view text, unsigned flags) {
    auto* editor = new QPlainTextEdit();
    if (!adoptGadget(gadget, window, editor, x, y, width, height)) {
        return false;
    }
    // Through setGadgetText, so the text gets the editor's line ends.
    setGadgetText(gadget, text);
    editor->setReadOnly((flags & TextFieldReadOnly) != 0);
    if (flags & TextFieldNoWrap) {
        editor->setLineWrapMode(QPlainTextEdit::NoWrap);
        editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    }
    // Mouse presses go to the editor's viewport, not the editor itself.
    reportFocusAndClicks(editor, editor->viewport(), gadget, flags);
    QObject::connect(editor, &QPlainTextEdit::textChanged, editor,
                     [gadget] { postGadgetEvent(gadget, GadgetEvent::Change); });
    return true;
}

bool buttonGadget(int gadget, int window, int x, int y, int width, int height,
                  std::string_view text) {
    auto* button = new QPushButton();
    button->setAutoDefault(false);
    if (!adoptGadget(gadget, window, button, x, y, width, height)) {
        return false;
    }
    setGadgetText(gadget, text);
    QObject::connect(button, &QPushButton::clicked, button,
                     [gadget] { postGadgetEvent(gadget, GadgetEvent::LeftClick); });
    return true;
}

bool frameGadget(int gadget, int window, int x, int y, int width, int height,
                 std::string_view text) {
    auto* frame = new QGroupBox(platform::toQString(text));
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    return adoptGadget(gadget, window, frame, x, y, width, height);
}

} // namespace codarium::widgets
