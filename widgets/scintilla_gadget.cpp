#include "widgets/scintilla_gadget.h"

#include "platform/code_page.h"
#include "widgets/gadget_host.h"
#include "widgets/object_registry.h"
#include "widgets/scintilla_messages.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPalette>
#include <QToolTip>
#include <Qsci/qsciscintilla.h>
#include <optional>
#include <string>
#include <utility>

namespace codarium::widgets {
namespace {

// Whether the component's own conversion of typed or pasted text would lose
// characters: outside UTF-8 it takes each character as a Latin-1 byte, while
// the view's bytes are the system code page's, which has more characters at
// 0x80 to 0x9F.
bool beyondLatin1(const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() > 0xFF) {
            return true;
        }
    }
    return false;
}

class ScintillaGadget : public QsciScintilla {
public:
    explicit ScintillaGadget(int number) : number_(number) {
        // Scintilla's window starts in code page 0; the Qt port defaults to UTF-8.
        SendScintilla(sci::SetCodePage, 0UL, 0L);
        // Return types CR LF, as the library's files have it (the Qt port
        // on Linux would type LF).
        SendScintilla(sci::SetEolMode, sci::EolCrLf, 0L);
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
    void setPointerHandlers(TextPointerHandlers handlers) { pointer_ = std::move(handlers); }

protected:
    // Typed text of a code-page view goes in as the system code page's bytes.
    void keyPressEvent(QKeyEvent* event) override {
        const QString text = event->text();
        if (!text.isEmpty() && text.front().isPrint()) {
            if (const std::optional<std::string> bytes = codePageBytes(text)) {
                insertBytes(*bytes);
                event->accept();
                return;
            }
        }
        QsciScintilla::keyPressEvent(event);
    }

    // The same for what an input method hands over (a compose sequence, a
    // dead key): the component first takes away the text it showed while the
    // character was being composed, and shows what is still being composed
    // afterwards.
    void inputMethodEvent(QInputMethodEvent* event) override {
        const std::optional<std::string> bytes = codePageBytes(event->commitString());
        if (!bytes) {
            QsciScintilla::inputMethodEvent(event);
            return;
        }
        QInputMethodEvent composed;
        QsciScintilla::inputMethodEvent(&composed);
        insertBytes(*bytes);
        if (!event->preeditString().isEmpty()) {
            QInputMethodEvent rest(event->preeditString(), event->attributes());
            QsciScintilla::inputMethodEvent(&rest);
        }
        event->accept();
    }

    // Pasted and dropped text, and text copied out of the view, are converted
    // by the system code page as well.
    QByteArray fromMimeData(const QMimeData* source, bool& rectangular) const override {
        QByteArray bytes = QsciScintilla::fromMimeData(source, rectangular);
        if (inCodePage() && source->hasText()) {
            const std::string converted = platform::fromQString(source->text());
            bytes = QByteArray(converted.data(), static_cast<qsizetype>(converted.size()));
        }
        return bytes;
    }
    QMimeData* toMimeData(const QByteArray& text, bool rectangular) const override {
        QMimeData* data = QsciScintilla::toMimeData(text, rectangular);
        if (inCodePage()) {
            data->setText(platform::toQString(
                std::string_view(text.constData(), static_cast<std::size_t>(text.size()))));
        }
        return data;
    }

    void contextMenuEvent(QContextMenuEvent* event) override {
        if (contextMenuHandler_) {
            // Copied: the handler may replace itself while its menu is open.
            auto handler = contextMenuHandler_;
            handler(event->globalPos());
        }
        QsciScintilla::contextMenuEvent(event);
    }

    // Tooltips come to the viewport, which the component leaves alone.
    bool viewportEvent(QEvent* event) override {
        if (event->type() == QEvent::ToolTip && pointer_.toolTip) {
            auto* help = static_cast<QHelpEvent*>(event);
            const std::string text = pointer_.toolTip(positionAt(help->pos()));
            if (text.empty()) {
                QToolTip::hideText();
                event->ignore();
            } else {
                QToolTip::showText(help->globalPos(), platform::toQString(text), viewport());
            }
            return true;
        }
        return QsciScintilla::viewportEvent(event);
    }

    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && event->modifiers() == Qt::ControlModifier &&
            pointer_.ctrlClick) {
            auto handler = pointer_.ctrlClick; // it may replace the handlers
            if (handler(positionAt(event->position().toPoint()))) {
                event->accept();
                return;
            }
        }
        QsciScintilla::mousePressEvent(event);
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
    // The character position nearest to a viewport point, -1 when none is near.
    long positionAt(QPoint point) {
        return SendScintilla(SCI_POSITIONFROMPOINTCLOSE, static_cast<unsigned long>(point.x()),
                             static_cast<long>(point.y()));
    }

    // A query only; SendScintilla has no const form.
    bool inCodePage() const {
        return const_cast<ScintillaGadget*>(this)->SendScintilla(sci::GetCodePage) !=
               sci::Utf8CodePage;
    }

    // The code page's bytes of text the component would convert lossily;
    // nothing when its own conversion keeps every character.
    std::optional<std::string> codePageBytes(const QString& text) const {
        if (!inCodePage() || !beyondLatin1(text)) {
            return std::nullopt;
        }
        return platform::fromQString(text);
    }

    // As typing does: the bytes replace the selection.
    void insertBytes(const std::string& bytes) {
        SendScintilla(sci::ReplaceSel, 0UL, bytes.c_str());
    }

    void styleNeeded(int position) {
        if (callback_) {
            auto callback = callback_;
            callback(number_, StyleNeededNotification, position);
        }
    }

    int number_;
    ScintillaCallback callback_;
    std::function<void(QPoint)> contextMenuHandler_;
    TextPointerHandlers pointer_;
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
        direct.function = reinterpret_cast<ScintillaDirect::Function>(
            view->SendScintilla(sci::GetDirectFunction));
        direct.view = view->SendScintilla(sci::GetDirectPointer);
    }
    return direct;
}

void setScintillaCallback(int number, ScintillaCallback callback) {
    if (auto* view = gadget(number)) {
        view->setCallback(std::move(callback));
    }
}

void copyToClipboard(int number) {
    sendScintilla(number, sci::Copy);
}

void selectAllText(int number) {
    sendScintilla(number, sci::SetSel, 0, -1);
}

void disableOwnPopup(int number) {
    sendScintilla(number, sci::UsePopup, 0, 0);
}

void setContextMenuHandler(int number, std::function<void(QPoint globalPos)> handler) {
    if (auto* view = gadget(number)) {
        view->setContextMenuHandler(std::move(handler));
    }
}

std::intptr_t caretPosition(int number) {
    auto* view = gadget(number);
    return view != nullptr ? view->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS) : 0;
}

void setTextPointerHandlers(int number, TextPointerHandlers handlers) {
    if (auto* view = gadget(number)) {
        view->setPointerHandlers(std::move(handlers));
    }
}

std::int32_t buttonFaceColour() {
    const QColor c = QApplication::palette().color(QPalette::Active, QPalette::Button);
    return static_cast<std::int32_t>(static_cast<unsigned>(c.red()) |
                                     static_cast<unsigned>(c.green()) << 8 |
                                     static_cast<unsigned>(c.blue()) << 16);
}

} // namespace codarium::widgets
