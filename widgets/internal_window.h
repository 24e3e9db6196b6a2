#pragma once
// The Qt window behind a window number. Internal to this folder.
#include "widgets/windows.h"

#include <QMenuBar>
#include <QPointer>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWidget>

namespace codarium::widgets::detail {

class NumberedWindow;

// The client area: holds the gadgets at fixed positions and keeps the toolbar
// along its top and the status bar along its bottom edge.
class ClientArea final : public QWidget {
public:
    explicit ClientArea(NumberedWindow* owner);
    void placeBars();

protected:
    void resizeEvent(QResizeEvent* event) override;
};

class NumberedWindow final : public QWidget {
public:
    NumberedWindow(int number, WindowFlags flags, QWidget* parent);
    ~NumberedWindow() override;

    int number() const { return number_; }
    WindowFlags flags() const { return flags_; }
    ClientArea* client() const { return client_; }

    void setMenuBar(QMenuBar* bar);
    QMenuBar* menuBar() const { return menuBar_; }
    void setToolBar(QToolBar* bar);
    QToolBar* toolBar() const { return toolBar_; }
    void setStatusBar(QStatusBar* bar);
    QStatusBar* statusBar() const { return statusBar_; }

    // Disables the contents (menu bar and client area) but not the top-level
    // widget, so that windows owned by this one stay usable.
    void setContentsDisabled(bool disabled);
    bool contentsDisabled() const { return contentsDisabled_; }

    // The button gadget Return clicks when the focused gadget leaves the key
    // alone (-1: none).
    void setDefaultGadget(int gadget) { defaultGadget_ = gadget; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int number_;
    WindowFlags flags_;
    QVBoxLayout* layout_;
    ClientArea* client_;
    QPointer<QMenuBar> menuBar_;
    QPointer<QToolBar> toolBar_;
    QPointer<QStatusBar> statusBar_;
    bool contentsDisabled_ = false;
    int defaultGadget_ = -1;
};

NumberedWindow* numberedWindow(int number); // nullptr when absent

// The window a gadget widget was adopted into (-1 when none).
int windowOfGadgetWidget(const QWidget* gadget);

} // namespace codarium::widgets::detail
