#include "widgets/application_style.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QStyleFactory>
#include <optional>

namespace codarium::widgets {
namespace {

// Qt reads a standard icon's picture file when the icon is made, and finds
// the file's format by asking every installed image plug-in whether it reads
// it; that loads all of them (TIFF, WebP, MNG, ... with their libraries).
// Each menu and tool bar makes its overflow arrow at once, though the arrow
// shows only when the window is too narrow for the bar, so every start paid
// for a picture hardly ever seen. This engine asks the base style for the
// real icon the first time the icon is drawn or measured.
class DeferredStandardIcon final : public QIconEngine {
public:
    DeferredStandardIcon(QStyle* base, QStyle::StandardPixmap which) : base_(base), which_(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return icon().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    // The arrows always exist; answering this must not load them.
    bool isNull() override { return made_ && made_->isNull(); }
    QString key() const override { return QStringLiteral("DeferredStandardIcon"); }
    QIconEngine* clone() const override { return new DeferredStandardIcon(*this); }

private:
    const QIcon& icon() {
        if (!made_) {
            made_ = base_ ? base_->standardIcon(which_) : QIcon();
        }
        return *made_;
    }

    QPointer<QStyle> base_;
    QStyle::StandardPixmap which_;
    std::optional<QIcon> made_;
};

bool madeWhenDrawn(QStyle::StandardPixmap which) {
    return which == QStyle::SP_ToolBarHorizontalExtensionButton ||
           which == QStyle::SP_ToolBarVerticalExtensionButton;
}

} // namespace

ApplicationStyle::ApplicationStyle(QStyle* base)
    : QProxyStyle(base ? base : QStyleFactory::create(QApplication::style()->name())) {}

QIcon ApplicationStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                                     const QWidget* widget) const {
    // Right-to-left arrows depend on the option or widget, which do not live
    // until the icon is drawn; the program's texts run left to right.
    if (madeWhenDrawn(which) && QGuiApplication::layoutDirection() == Qt::LeftToRight) {
        return QIcon(new DeferredStandardIcon(baseStyle(), which));
    }
    return QProxyStyle::standardIcon(which, option, widget);
}

void installApplicationStyle() {
    if (dynamic_cast<ApplicationStyle*>(QApplication::style()) == nullptr) {
        QApplication::setStyle(new ApplicationStyle);
    }
}

} // namespace codarium::widgets
