#include "widgets/fitting_label.h"

#include <QEvent>
#include <QResizeEvent>
#include <algorithm>

namespace codarium::widgets::detail {
namespace {
constexpr qreal SmallestShare = 0.75;
constexpr qreal SmallestPointSize = 7.0;
constexpr qreal Step = 0.5;
} // namespace

FittingLabel::FittingLabel() : givenFont_(font()) {}

void FittingLabel::fitText() {
    const qreal given = givenFont_.pointSizeF();
    if (given <= 0) {
        return; // a font set in pixels is left as it is
    }
    const qreal smallest = std::max(given * SmallestShare, std::min(given, SmallestPointSize));
    qreal size = given;
    bool fits = fitsAt(size);
    while (!fits && size - Step >= smallest) {
        size -= Step;
        fits = fitsAt(size);
    }
    // A tool tip the program set itself is never replaced.
    if (toolTip().isEmpty() || toolTip() == ownToolTip_) {
        ownToolTip_ = fits ? QString() : text();
        setToolTip(ownToolTip_);
    }
}

// Shows the text at that size, then tells whether it fits there.
bool FittingLabel::fitsAt(qreal pointSize) {
    applyPointSize(pointSize);
    return text().isEmpty() || heightForWidth(width()) <= height();
}

void FittingLabel::applyPointSize(qreal pointSize) {
    QFont f = givenFont_;
    f.setPointSizeF(pointSize);
    if (font() == f) {
        return;
    }
    applying_ = true;
    setFont(f);
    applying_ = false;
}

void FittingLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    if (event->size() != event->oldSize()) {
        fitText();
    }
}

void FittingLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange && !applying_) {
        givenFont_ = font();
        fitText();
    }
}

} // namespace codarium::widgets::detail
