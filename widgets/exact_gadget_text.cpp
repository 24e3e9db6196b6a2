#include "widgets/exact_gadget_text.h"

#include "widgets/gadgets.h"
#include "widgets/gui_thread.h"
#include "widgets/object_registry.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace codarium::widgets {

platform::ExactCodePageText exactGadgetText(int gadget) {
    std::optional<platform::ExactCodePageText> text;
    runOnGuiThread([&] {
        QWidget* w = gadgetWidget(gadget);
        if (auto* field = qobject_cast<QLineEdit*>(w)) {
            text = platform::fromQStringExactly(field->text());
        } else if (auto* editor = qobject_cast<QPlainTextEdit*>(w)) {
            QString typed = editor->toPlainText();
            typed.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
            text = platform::fromQStringExactly(typed);
        }
    });
    if (!text) {
        text.emplace();
        text->bytes = gadgetText(gadget);
    }
    return *text;
}

} // namespace codarium::widgets
