#include "widgets/gadget_host.h"

#include "widgets/gadgets.h"
#include "widgets/internal_gadgets.h"
#include "widgets/internal_properties.h"
#include "widgets/internal_window.h"
#include "widgets/object_registry.h"

#include <QPalette>

namespace codarium::widgets {

QWidget* gadgetParentWidget(int window) {
    auto* w = detail::numberedWindow(window);
    return w != nullptr ? w->client() : nullptr;
}

bool adoptGadget(int gadget, int window, QWidget* widget, int x, int y, int width, int height) {
    QWidget* parent = gadgetParentWidget(window);
    if (parent == nullptr) {
        delete widget;
        return false;
    }
    freeGadget(gadget);
    widget->setParent(parent);
    widget->setProperty(detail::property::Window, window);
    widget->setProperty(detail::property::Gadget, gadget);
    const QSize natural = widget->sizeHint();
    widget->setGeometry(x, y, width > 0 ? width : natural.width(),
                        height > 0 ? height : natural.height());
    // Gadgets created later lie above earlier ones (a frame stays behind the
    // gadgets placed on it), so the bars are kept on top again.
    widget->show();
    if (auto* w = detail::numberedWindow(window)) {
        w->client()->placeBars();
    }
    registerGadget(gadget, widget);
    return true;
}

void postGadgetEvent(int gadget, GadgetEvent subType) {
    QWidget* w = gadgetWidget(gadget);
    const int window = w != nullptr ? detail::windowOfGadgetWidget(w) : -1;
    postWindowEvent(
        {.kind = EventKind::Gadget, .window = window, .gadget = gadget, .subType = subType});
}

namespace detail {
void keepSelectionVisible(QWidget* w) {
    QPalette p = w->palette();
    p.setColor(QPalette::Inactive, QPalette::Highlight,
               p.color(QPalette::Active, QPalette::Highlight));
    p.setColor(QPalette::Inactive, QPalette::HighlightedText,
               p.color(QPalette::Active, QPalette::HighlightedText));
    w->setPalette(p);
}

int gadgetNumberOf(const QWidget* widget) {
    const QVariant v = widget->property(detail::property::Gadget);
    return v.isValid() ? v.toInt() : -1;
}
} // namespace detail

} // namespace codarium::widgets
