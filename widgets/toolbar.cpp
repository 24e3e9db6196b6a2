#include "widgets/toolbar.h"

#include "platform/code_page.h"
#include "widgets/internal_bars.h"
#include "widgets/internal_images.h"
#include "widgets/internal_properties.h"
#include "widgets/internal_window.h"
#include "widgets/layer_tables.h"
#include "widgets/window_event.h"

namespace codarium::widgets {
namespace detail {
namespace {
std::map<int, ToolBarRecord>& toolBars() {
    return layerTables().toolBars;
}
} // namespace

ToolBarRecord* toolBarRecord(int toolbar) {
    const auto it = toolBars().find(toolbar);
    return it == toolBars().end() || it->second.bar == nullptr ? nullptr : &it->second;
}

QAction* toolBarButton(int toolbar, int command) {
    ToolBarRecord* r = toolBarRecord(toolbar);
    if (r == nullptr) {
        return nullptr;
    }
    const auto it = r->buttons.find(command);
    return it == r->buttons.end() ? nullptr : it->second.data();
}

} // namespace detail

using namespace detail;

bool createToolBar(int toolbar, int window, int iconSize) {
    auto* w = numberedWindow(window);
    if (w == nullptr) {
        return false;
    }
    const int size = iconSize > 0 ? iconSize : 32;
    auto* bar = new QToolBar(w->client());
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(size, size));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    w->setToolBar(bar);
    ToolBarRecord& r = toolBars()[toolbar];
    r = ToolBarRecord{};
    r.window = window;
    r.iconSize = size;
    r.bar = bar;
    return true;
}

bool isToolBar(int toolbar) {
    return toolBarRecord(toolbar) != nullptr;
}

void addToolBarImageButton(int toolbar, int command, int image) {
    ToolBarRecord* r = toolBarRecord(toolbar);
    if (r == nullptr) {
        return;
    }
    QAction* action = r->bar->addAction(iconOf(image), QString());
    action->setProperty(detail::property::Command, command);
    action->setProperty(detail::property::Image, image);
    const int window = r->window;
    QObject::connect(action, &QAction::triggered, action, [window, command] {
        postWindowEvent({.kind = EventKind::Menu, .window = window, .command = command});
    });
    r->buttons[command] = action;
    if (auto* w = numberedWindow(window)) {
        w->client()->placeBars();
    }
}

void addToolBarSeparator(int toolbar) {
    if (ToolBarRecord* r = toolBarRecord(toolbar)) {
        r->bar->addSeparator();
    }
}

void setToolBarToolTip(int toolbar, int command, std::string_view text) {
    if (QAction* a = toolBarButton(toolbar, command)) {
        a->setToolTip(platform::toQString(text));
        a->setProperty(detail::property::ToolTip,
                       QByteArray(text.data(), static_cast<qsizetype>(text.size())));
        // An image-only button has no text of its own for a screen reader.
        ToolBarRecord* r = toolBarRecord(toolbar);
        if (QWidget* button = r->bar->widgetForAction(a)) {
            button->setAccessibleName(platform::toQString(text));
        }
    }
}

std::string toolBarToolTip(int toolbar, int command) {
    QAction* a = toolBarButton(toolbar, command);
    return a != nullptr ? a->property(detail::property::ToolTip).toByteArray().toStdString()
                        : std::string();
}

void disableToolBarButton(int toolbar, int command, bool disabled) {
    if (QAction* a = toolBarButton(toolbar, command)) {
        a->setEnabled(!disabled);
    }
}

bool toolBarButtonDisabled(int toolbar, int command) {
    QAction* a = toolBarButton(toolbar, command);
    return a != nullptr && !a->isEnabled();
}

int toolBarIconSize(int toolbar) {
    ToolBarRecord* r = toolBarRecord(toolbar);
    return r != nullptr ? r->iconSize : 0;
}

int toolBarHeight(int toolbar) {
    ToolBarRecord* r = toolBarRecord(toolbar);
    return r != nullptr ? r->bar->sizeHint().height() : 0;
}

} // namespace codarium::widgets
