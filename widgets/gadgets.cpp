#include "widgets/gadgets.h"

#include "platform/code_page.h"
#include "widgets/fitting_label.h"
#include "widgets/gui_thread.h"
#include "widgets/internal_gadgets.h"
#include "widgets/internal_images.h"
#include "widgets/internal_properties.h"
#include "widgets/internal_text.h"
#include "widgets/internal_window.h"
#include "widgets/object_registry.h"
#include "widgets/scintilla_messages.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <Qsci/qsciscintillabase.h>

namespace codarium::widgets {
namespace {

using detail::ListGadget;
using detail::SplitterGadget;
using detail::TreeGadget;

// Multi-line editors hand out their lines ended by CR LF, as the program's
// texts are; they take CR, LF or CR LF.
std::string fromEditorText(const QString& text) {
    QString s = text;
    s.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return platform::fromQString(s);
}

// A code view's document as program text: its bytes as they stand in code
// page 0, converted from UTF-8 in code page 65001.
std::string scintillaProgramText(QsciScintillaBase* view) {
    const long length = view->SendScintilla(sci::GetLength);
    std::string bytes(static_cast<std::size_t>(length) + 1, '\0');
    view->SendScintilla(sci::GetText, static_cast<unsigned long>(length) + 1, bytes.data());
    bytes.resize(static_cast<std::size_t>(length));
    return view->SendScintilla(sci::GetCodePage) == sci::Utf8CodePage ? platform::fromUtf8(bytes)
                                                                      : bytes;
}

std::string textOf(QWidget* w) {
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        return platform::fromQString(e->text());
    }
    if (auto* e = qobject_cast<QPlainTextEdit*>(w)) {
        return fromEditorText(e->toPlainText());
    }
    if (auto* l = qobject_cast<QLabel*>(w)) {
        const QVariant given = l->property(detail::property::Text);
        return given.isValid() ? given.toByteArray().toStdString()
                               : platform::fromQString(l->text());
    }
    if (auto* s = qobject_cast<QsciScintillaBase*>(w)) {
        return scintillaProgramText(s);
    }
    if (auto* b = qobject_cast<QPushButton*>(w)) {
        return b->property(detail::property::Text).toByteArray().toStdString();
    }
    if (auto* g = qobject_cast<QGroupBox*>(w)) {
        return platform::fromQString(g->title());
    }
    if (auto* c = qobject_cast<QComboBox*>(w)) {
        return platform::fromQString(c->currentText());
    }
    if (auto* t = dynamic_cast<TreeGadget*>(w)) {
        return std::string(t->items().text(t->currentPosition()));
    }
    if (auto* l = dynamic_cast<ListGadget*>(w)) {
        const auto selected = l->selectedItems();
        return selected.isEmpty() ? std::string()
                                  : platform::fromQString(selected.front()->text(0));
    }
    const QVariant v = w->property("text");
    return v.isValid() ? platform::fromQString(v.toString()) : std::string();
}

void setTextOf(QWidget* w, std::string_view text) {
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        e->setText(platform::toQString(text));
    } else if (auto* e = qobject_cast<QPlainTextEdit*>(w)) {
        e->setPlainText(detail::withLineFeeds(text));
    } else if (auto* l = qobject_cast<QLabel*>(w)) {
        l->setProperty(detail::property::Text,
                       QByteArray(text.data(), static_cast<qsizetype>(text.size())));
        l->setText(detail::withLineFeeds(text));
        if (auto* fitting = dynamic_cast<detail::FittingLabel*>(l)) {
            fitting->fitText();
        }
    } else if (auto* b = qobject_cast<QPushButton*>(w)) {
        b->setProperty(detail::property::Text,
                       QByteArray(text.data(), static_cast<qsizetype>(text.size())));
        b->setText(platform::toQString(text).replace(QLatin1Char('&'), QStringLiteral("&&")));
    } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
        g->setTitle(platform::toQString(text));
    } else if (auto* c = qobject_cast<QComboBox*>(w)) {
        c->setCurrentText(platform::toQString(text));
    } else if (w->property("text").isValid()) {
        w->setProperty("text", platform::toQString(text));
    }
}

int stateOf(QWidget* w) {
    if (auto* t = dynamic_cast<TreeGadget*>(w)) {
        return t->currentPosition();
    }
    if (auto* l = dynamic_cast<ListGadget*>(w)) {
        const auto selected = l->selectedItems();
        return selected.isEmpty() ? -1 : l->indexOfTopLevelItem(selected.front());
    }
    if (auto* c = qobject_cast<QComboBox*>(w)) {
        return c->currentIndex();
    }
    if (auto* p = qobject_cast<QProgressBar*>(w)) {
        return p->value();
    }
    if (auto* s = dynamic_cast<SplitterGadget*>(w)) {
        return s->position();
    }
    return 0;
}

void setStateOf(QWidget* w, int state) {
    if (auto* t = dynamic_cast<TreeGadget*>(w)) {
        t->setCurrentIndex(t->indexAtPosition(state));
    } else if (auto* l = dynamic_cast<ListGadget*>(w)) {
        QTreeWidgetItem* item = l->topLevelItem(state);
        l->clearSelection();
        if (item != nullptr) {
            l->setCurrentItem(item);
            item->setSelected(true);
        }
    } else if (auto* c = qobject_cast<QComboBox*>(w)) {
        c->setCurrentIndex(state);
    } else if (auto* p = qobject_cast<QProgressBar*>(w)) {
        p->setValue(state);
    } else if (auto* s = dynamic_cast<SplitterGadget*>(w)) {
        s->setPosition(state);
    }
}

} // namespace

bool isGadget(int gadget) {
    return gadgetWidget(gadget) != nullptr;
}

void freeGadget(int gadget) {
    QWidget* w = gadgetWidget(gadget);
    forgetGadget(gadget);
    delete w;
}

int gadgetWindow(int gadget) {
    QWidget* w = gadgetWidget(gadget);
    return w != nullptr ? detail::windowOfGadgetWidget(w) : -1;
}

std::string gadgetText(int gadget) {
    std::string text;
    runOnGuiThread([&] {
        if (QWidget* w = gadgetWidget(gadget)) {
            text = textOf(w);
        }
    });
    return text;
}

void setGadgetText(int gadget, std::string_view text) {
    runOnGuiThread([&] {
        if (QWidget* w = gadgetWidget(gadget)) {
            setTextOf(w, text);
        }
    });
}

int gadgetState(int gadget) {
    int state = 0;
    runOnGuiThread([&] {
        if (QWidget* w = gadgetWidget(gadget)) {
            state = stateOf(w);
        }
    });
    return state;
}

void setGadgetState(int gadget, int state) {
    runOnGuiThread([&] {
        if (QWidget* w = gadgetWidget(gadget)) {
            setStateOf(w, state);
        }
    });
}

void disableGadget(int gadget, bool disabled) {
    if (QWidget* w = gadgetWidget(gadget)) {
        w->setEnabled(!disabled);
    }
}

bool gadgetDisabled(int gadget) {
    QWidget* w = gadgetWidget(gadget);
    return w != nullptr && !w->isEnabled();
}

void hideGadget(int gadget, bool hidden) {
    if (QWidget* w = gadgetWidget(gadget)) {
        w->setVisible(!hidden);
    }
}

void resizeGadget(int gadget, int x, int y, int width, int height) {
    QWidget* w = gadgetWidget(gadget);
    if (w == nullptr) {
        return;
    }
    const QRect g = w->geometry();
    w->setGeometry(x == Ignore ? g.x() : x, y == Ignore ? g.y() : y,
                   width == Ignore ? g.width() : width, height == Ignore ? g.height() : height);
}

int gadgetX(int gadget) {
    QWidget* w = gadgetWidget(gadget);
    return w != nullptr ? w->x() : 0;
}
int gadgetY(int gadget) {
    QWidget* w = gadgetWidget(gadget);
    return w != nullptr ? w->y() : 0;
}
int gadgetWidth(int gadget) {
    QWidget* w = gadgetWidget(gadget);
    return w != nullptr ? w->width() : 0;
}
int gadgetHeight(int gadget) {
    QWidget* w = gadgetWidget(gadget);
    return w != nullptr ? w->height() : 0;
}

void setActiveGadget(int gadget) {
    if (QWidget* w = gadgetWidget(gadget)) {
        w->setFocus(Qt::OtherFocusReason);
    }
}

void setGadgetFont(int gadget, int font) {
    if (QWidget* w = gadgetWidget(gadget)) {
        w->setFont(detail::fontOf(font));
    }
}

void setGadgetToolTip(int gadget, std::string_view text) {
    if (QWidget* w = gadgetWidget(gadget)) {
        w->setToolTip(platform::toQString(text));
    }
}

} // namespace codarium::widgets
