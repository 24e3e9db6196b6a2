#include "widgets/status_bar.h"

#include "platform/code_page.h"
#include "widgets/internal_bars.h"
#include "widgets/internal_window.h"
#include "widgets/layer_tables.h"

#include <QAccessible>

namespace codarium::widgets {
namespace detail {
namespace {
std::map<int, StatusBarRecord>& statusBars() {
    return layerTables().statusBars;
}
} // namespace

StatusBarRecord* statusBarRecord(int statusBar) {
    const auto it = statusBars().find(statusBar);
    return it == statusBars().end() || it->second.bar == nullptr ? nullptr : &it->second;
}

} // namespace detail

using namespace detail;

bool createStatusBar(int statusBar, int window) {
    auto* w = numberedWindow(window);
    if (w == nullptr) {
        return false;
    }
    auto* bar = new QStatusBar(w->client());
    bar->setSizeGripEnabled(false);
    auto* field = new QLabel(bar);
    field->setTextFormat(Qt::PlainText);
    bar->addWidget(field, 1);
    w->setStatusBar(bar);
    StatusBarRecord& r = statusBars()[statusBar];
    r.window = window;
    r.bar = bar;
    r.field = field;
    return true;
}

bool isStatusBar(int statusBar) {
    return statusBarRecord(statusBar) != nullptr;
}

void setStatusBarText(int statusBar, int field, std::string_view text) {
    StatusBarRecord* r = statusBarRecord(statusBar);
    if (r != nullptr && field == 0 && r->field != nullptr) {
        const QString shown = platform::toQString(text);
        if (shown == r->field->text()) {
            return;
        }
        r->field->setText(shown);
        // Screen readers announce the new text as the field's name changing.
        r->field->setAccessibleName(shown);
        QAccessibleEvent changed(r->field, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

std::string statusBarText(int statusBar, int field) {
    StatusBarRecord* r = statusBarRecord(statusBar);
    if (r == nullptr || field != 0 || r->field == nullptr) {
        return {};
    }
    return platform::fromQString(r->field->text());
}

int statusBarHeight(int statusBar) {
    StatusBarRecord* r = statusBarRecord(statusBar);
    return r != nullptr ? r->bar->sizeHint().height() : 0;
}

} // namespace codarium::widgets
