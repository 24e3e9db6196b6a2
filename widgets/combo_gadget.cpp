#include "widgets/combo_gadget.h"

#include "platform/code_page.h"
#include "widgets/gadget_host.h"
#include "widgets/object_registry.h"

#include <QComboBox>

namespace codarium::widgets {

bool comboBoxGadget(int gadget, int window, int x, int y, int width, int height) {
    auto* c = new QComboBox();
    c->setEditable(false);
    if (!adoptGadget(gadget, window, c, x, y, width, height)) {
        return false;
    }
    QObject::connect(c, &QComboBox::currentIndexChanged, c,
                     [gadget] { postGadgetEvent(gadget, GadgetEvent::Change); });
    return true;
}

void addComboItem(int gadget, std::string_view text) {
    if (auto* c = gadgetAs<QComboBox>(gadget)) {
        // Adding to an empty list must not pick the entry by itself.
        const QSignalBlocker quiet(c);
        const int before = c->currentIndex();
        c->addItem(platform::toQString(text));
        c->setCurrentIndex(before);
    }
}

void clearCombo(int gadget) {
    if (auto* c = gadgetAs<QComboBox>(gadget)) {
        c->clear();
    }
}

int comboItemCount(int gadget) {
    auto* c = gadgetAs<QComboBox>(gadget);
    return c != nullptr ? c->count() : 0;
}

std::string comboItemText(int gadget, int index) {
    auto* c = gadgetAs<QComboBox>(gadget);
    if (c == nullptr || index < 0 || index >= c->count()) {
        return {};
    }
    return platform::fromQString(c->itemText(index));
}

int selectedComboItem(int gadget) {
    auto* c = gadgetAs<QComboBox>(gadget);
    return c != nullptr ? c->currentIndex() : -1;
}

void setSelectedComboItem(int gadget, int index) {
    if (auto* c = gadgetAs<QComboBox>(gadget)) {
        c->setCurrentIndex(index >= 0 && index < c->count() ? index : -1);
    }
}

} // namespace codarium::widgets
