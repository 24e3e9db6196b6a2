#include "widgets/windows.h"

#include "platform/code_page.h"
#include "widgets/internal_properties.h"
#include "widgets/internal_window.h"
#include "widgets/object_registry.h"
#include "widgets/window_event.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QResizeEvent>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

namespace codarium::widgets {
namespace detail {

ClientArea::ClientArea(NumberedWindow* owner) : QWidget(owner) {}

void ClientArea::placeBars() {
    auto* owner = static_cast<NumberedWindow*>(parentWidget());
    if (auto* bar = owner->toolBar()) {
        bar->setGeometry(0, 0, width(), bar->sizeHint().height());
        bar->raise();
    }
    if (auto* bar = owner->statusBar()) {
        const int h = bar->sizeHint().height();
        bar->setGeometry(0, height() - h, width(), h);
        bar->raise();
    }
}

void ClientArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placeBars();
}

namespace {

Qt::WindowFlags qtFlags(WindowFlags flags) {
    Qt::WindowFlags f = Qt::Window | Qt::CustomizeWindowHint;
    if (flags & WindowTitleBar) {
        f |= Qt::WindowTitleHint;
    }
    if (flags & WindowSystemMenu) {
        f |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    if (flags & WindowMinimizeGadget) {
        f |= Qt::WindowMinimizeButtonHint;
    }
    if (flags & WindowMaximizeGadget) {
        f |= Qt::WindowMaximizeButtonHint;
    }
    return f;
}

} // namespace

NumberedWindow::NumberedWindow(int number, WindowFlags flags, QWidget* parent)
    : QWidget(parent, qtFlags(flags)), number_(number), flags_(flags),
      layout_(new QVBoxLayout(this)), client_(new ClientArea(this)) {
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    layout_->addWidget(client_, 1);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

NumberedWindow::~NumberedWindow() = default;

void NumberedWindow::setMenuBar(QMenuBar* bar) {
    if (menuBar_ != nullptr && menuBar_ != bar) {
        delete menuBar_.data();
    }
    menuBar_ = bar;
    layout_->setMenuBar(bar);
    if (bar != nullptr) {
        bar->setEnabled(!contentsDisabled_);
    }
}

void NumberedWindow::setToolBar(QToolBar* bar) {
    if (toolBar_ != nullptr && toolBar_ != bar) {
        delete toolBar_.data();
    }
    toolBar_ = bar;
    if (bar != nullptr) {
        bar->setParent(client_);
        bar->show();
    }
    client_->placeBars();
}

void NumberedWindow::setStatusBar(QStatusBar* bar) {
    if (statusBar_ != nullptr && statusBar_ != bar) {
        delete statusBar_.data();
    }
    statusBar_ = bar;
    if (bar != nullptr) {
        bar->setParent(client_);
        bar->show();
    }
    client_->placeBars();
}

void NumberedWindow::setContentsDisabled(bool disabled) {
    contentsDisabled_ = disabled;
    client_->setEnabled(!disabled);
    if (menuBar_ != nullptr) {
        menuBar_->setEnabled(!disabled);
    }
}

void NumberedWindow::closeEvent(QCloseEvent* event) {
    // The program decides what a close request means; Qt never closes a
    // numbered window by itself.
    event->ignore();
    if ((flags_ & WindowNoCloseEntry) == 0) {
        postWindowEvent({.kind = EventKind::CloseWindow, .window = number_});
    }
}

void NumberedWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (event->size() != event->oldSize()) {
        postWindowEvent({.kind = EventKind::SizeWindow, .window = number_});
    }
}

void NumberedWindow::keyPressEvent(QKeyEvent* event) {
    // Fields that act on Return themselves (multi-line text, a list that
    // reports it) take the key before it comes here.
    const bool plainReturn = (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
                             (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plainReturn && defaultGadget_ >= 0) {
        auto* button = qobject_cast<QAbstractButton*>(gadgetWidget(defaultGadget_));
        if (button != nullptr && button->isEnabled() && button->isVisible()) {
            button->click();
            event->accept();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

NumberedWindow* numberedWindow(int number) {
    return dynamic_cast<NumberedWindow*>(windowWidget(number));
}

int windowOfGadgetWidget(const QWidget* gadget) {
    const QVariant v = gadget->property(detail::property::Window);
    return v.isValid() ? v.toInt() : -1;
}

} // namespace detail

using detail::NumberedWindow;
using detail::numberedWindow;

bool openWindow(int window, int x, int y, int innerWidth, int innerHeight, std::string_view title,
                WindowFlags flags, int parent) {
    if (QApplication::instance() == nullptr) {
        return false;
    }
    closeWindow(window);
    QWidget* parentWidget = parent >= 0 ? windowWidget(parent) : nullptr;
    auto* w = new NumberedWindow(window, flags, parentWidget);
    w->setWindowTitle(platform::toQString(title));
    w->resize(innerWidth, innerHeight);
    registerWindow(window, w);

    QPoint topLeft(x, y);
    if ((flags & WindowParentCentered) && parentWidget != nullptr) {
        const QRect p = parentWidget->geometry();
        topLeft = p.center() - QPoint(innerWidth / 2, innerHeight / 2);
    } else if (flags & (WindowScreenCentered | WindowParentCentered)) {
        QScreen* screen =
            parentWidget != nullptr ? parentWidget->screen() : QGuiApplication::primaryScreen();
        if (screen != nullptr) {
            topLeft =
                screen->availableGeometry().center() - QPoint(innerWidth / 2, innerHeight / 2);
        }
    }
    w->move(topLeft);

    if ((flags & WindowInvisible) == 0) {
        if (flags & WindowMaximize) {
            w->showMaximized();
        } else if (flags & WindowMinimize) {
            w->showMinimized();
        } else {
            w->show();
        }
    }
    return true;
}

void closeWindow(int window) {
    QWidget* w = windowWidget(window);
    forgetWindow(window);
    if (w != nullptr) {
        w->hide();
        delete w;
    }
}

bool isWindow(int window) {
    return windowWidget(window) != nullptr;
}

void showWindow(int window, bool visible) {
    if (auto* w = windowWidget(window)) {
        w->setVisible(visible);
    }
}

void bringWindowToFront(int window) {
    if (auto* w = windowWidget(window)) {
        w->show();
        w->raise();
        w->activateWindow();
    }
}

void setWindowTitle(int window, std::string_view title) {
    if (auto* w = windowWidget(window)) {
        w->setWindowTitle(platform::toQString(title));
    }
}

std::string windowTitle(int window) {
    auto* w = windowWidget(window);
    return w != nullptr ? platform::fromQString(w->windowTitle()) : std::string();
}

int windowWidth(int window) {
    auto* w = windowWidget(window);
    return w != nullptr ? w->width() : 0;
}

int windowHeight(int window) {
    auto* w = windowWidget(window);
    return w != nullptr ? w->height() : 0;
}

void resizeWindow(int window, int innerWidth, int innerHeight) {
    if (auto* w = windowWidget(window)) {
        w->resize(innerWidth, innerHeight);
    }
}

void setWindowMinimumSize(int window, int innerWidth, int innerHeight) {
    if (auto* w = windowWidget(window)) {
        w->setMinimumSize(innerWidth, innerHeight);
    }
}

WindowState windowState(int window) {
    auto* w = windowWidget(window);
    if (w == nullptr) {
        return WindowState::Normal;
    }
    const Qt::WindowStates s = w->windowState();
    if (s & Qt::WindowMinimized) {
        return WindowState::Minimized;
    }
    if (s & Qt::WindowMaximized) {
        return WindowState::Maximized;
    }
    return WindowState::Normal;
}

void setWindowState(int window, WindowState state) {
    auto* w = windowWidget(window);
    if (w == nullptr) {
        return;
    }
    switch (state) {
    case WindowState::Normal:
        w->showNormal();
        break;
    case WindowState::Maximized:
        w->showMaximized();
        break;
    case WindowState::Minimized:
        w->showMinimized();
        break;
    }
}

void disableWindow(int window, bool disabled) {
    if (auto* w = numberedWindow(window)) {
        w->setContentsDisabled(disabled);
    }
}

void closeDialog(int window, int parent) {
    disableWindow(parent, false);
    closeWindow(window);
}

bool windowDisabled(int window) {
    auto* w = numberedWindow(window);
    return w != nullptr && w->contentsDisabled();
}

int menuBarLineHeight() {
    if (QApplication::instance() == nullptr) {
        return 0;
    }
    QMenuBar probe;
    probe.addMenu(QStringLiteral("M"));
    return probe.sizeHint().height();
}

int windowMenuBarHeight(int window) {
    auto* w = numberedWindow(window);
    if (w == nullptr || w->menuBar() == nullptr) {
        return 0;
    }
    // The height the window's layout gives the bar (it asks the same), known
    // before the layout has run, so that inner height minus this is the
    // client height.
    QMenuBar* bar = w->menuBar();
    const int h = bar->heightForWidth(w->width());
    return h > 0 ? h : bar->sizeHint().height();
}

} // namespace codarium::widgets
