#include "widgets/scintilla_gadget.h"

#include "widgets/gadget_host.h"
#include "widgets/object_registry.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPalette>
#include <Qsci/qsciscintilla.h>
#include <utility>

namespace codarium::widgets {
namespace {

constexpr unsigned int SetCodePage = 2037;
constexpr unsigned int SetSelection = 2160;
constexpr unsigned int Copy = 2178;
constexpr unsigned int GetDirectFunction = 2184;
constexpr unsigned int GetDirectPointer = 2185;
constexpr unsigned int UsePopup = 2371;

class ScintillaGadget : public QsciScintilla {
public:
    explicit ScintillaGadget(int number) : number_(number) {
        // Scintilla's window starts in code page 0; the Qt port defaults to UTF-8.
        SendScintilla(SetCodePage, 0UL, 0L);
        // Direct: Scintilla expects the text to be styled when the notification returns.
        connect(this, &QsciScintillaBase::SCN_STYLENEEDED, this, &ScintillaGadget::styleNeeded,
                Qt::DirectConnection);
        // Every edit of the text is an event of the view, as in a text field.
        connect(this, &QsciScintilla::textChanged, this, [number] {
            postWindowEvent({.kind = EventKind::Gadget,
                             .window = number / 100, // window n owns gadgets n * 100 + k
                             .gadget = number,
                             .subType = GadgetEvent::Change});
        });
    }

    void setCallback(ScintillaCallback callback) { callback_ = std::move(callback); }
    void setContextMenuHandler(std::function<void(QPoint)> handler) {
        contextMenuHandler_ = std::move(handler);
    }

protected:
    void contextMenuEvent(QContextMenuEvent* event) override {
        if (contextMenuHandler_) {
            // Copied: the handler may replace itself while its menu is open.
            auto handler = contextMenuHandler_;
            handler(event->globalPos());
        }
        QsciScintilla::contextMenuEvent(event);
    }

    // The right button's release belongs to the program, not to the component.
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::RightButton) {
            postGadgetEvent(number_, GadgetEvent::RightClick);
            event->accept();
            return;
        }
        QsciScintilla::mouseReleaseEvent(event);
    }

private:
    void styleNeeded(int position) {
        if (callback_) {
            auto callback = callback_;
            callback(number_, StyleNeededNotification, position);
        }
    }

    int number_;
    ScintillaCallback callback_;
    std::function<void(QPoint)> contextMenuHandler_;
};

ScintillaGadget* gadget(int number) {
    return dynamic_cast<ScintillaGadget*>(gadgetWidget(number));
}

} // namespace

bool createScintillaGadget(int number, int parentWindow, int x, int y, int width, int height) {
    auto* view = new ScintillaGadget(number);
    view->setFrameShape(QFrame::StyledPanel); // the client edge
    return adoptGadget(number, parentWindow, view, x, y, width, height);
}

bool isScintillaGadget(int number) {
    return gadget(number) != nullptr;
}

std::intptr_t sendScintilla(int number, unsigned int message, std::uintptr_t wParam,
                            std::intptr_t lParam) {
    auto* view = gadget(number);
    if (view == nullptr) {
        return 0;
    }
    static_assert(sizeof(unsigned long) == sizeof(std::uintptr_t) &&
                      sizeof(long) == sizeof(std::intptr_t),
                  "Scintilla's message parameters are pointer-sized");
    return view->SendScintilla(message, static_cast<unsigned long>(wParam),
                               static_cast<long>(lParam));
}

ScintillaDirect scintillaDirect(int number) {
    ScintillaDirect direct;
    if (auto* view = gadget(number)) {
        direct.function =
            reinterpret_cast<ScintillaDirect::Function>(view->SendScintilla(GetDirectFunction));
        direct.view = view->SendScintilla(GetDirectPointer);
    }
    return direct;
}

void setScintillaCallback(int number, ScintillaCallback callback) {
    if (auto* view = gadget(number)) {
        view->setCallback(std::move(callback));
    }
}

void copyToClipboard(int number) {
    sendScintilla(number, Copy);
}

void selectAllText(int number) {
    sendScintilla(number, SetSelection, 0, -1);
}

void disableOwnPopup(int number) {
    sendScintilla(number, UsePopup, 0, 0);
}

void setContextMenuHandler(int number, std::function<void(QPoint globalPos)> handler) {
    if (auto* view = gadget(number)) {
        view->setContextMenuHandler(std::move(handler));
    }
}

std::int32_t buttonFaceColour() {
    const QColor c = QApplication::palette().color(QPalette::Active, QPalette::Button);
    return static_cast<std::int32_t>(static_cast<unsigned>(c.red()) |
                                     static_cast<unsigned>(c.green()) << 8 |
                                     static_cast<unsigned>(c.blue()) << 16);
}

} // namespace codarium::widgets
