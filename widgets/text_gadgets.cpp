#include "widgets/text_gadgets.h"

#include "platform/code_page.h"
#include "widgets/gadget_host.h"
#include "widgets/gadgets.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace codarium::widgets {

bool textGadget(int gadget, int window, int x, int y, int width, int height, std::string_view text,
                unsigned flags) {
    auto* label = new QLabel();
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
