#include "widgets/splitter_gadget.h"

#include "widgets/gadget_host.h"
#include "widgets/internal_gadgets.h"
#include "widgets/object_registry.h"
#include "widgets/splitter_geometry.h"

#include <QMouseEvent>

namespace codarium::widgets {
namespace detail {

SplitterGadget::SplitterGadget(QWidget* parent, SplitterOrientation orientation)
    : QWidget(parent), orientation_(orientation) {
    setCursor(orientation == SplitterOrientation::Vertical ? Qt::SplitHCursor : Qt::SplitVCursor);
}

void SplitterGadget::setPanes(QWidget* first, QWidget* second) {
    first_ = first;
    second_ = second;
    for (QWidget* pane : {first, second}) {
        pane->setParent(this);
        pane->setCursor(Qt::ArrowCursor);
        pane->show();
    }
    position_ = (extent() - SplitterBarWidth) / 2;
    setPosition(position_);
}

void SplitterGadget::setMinimums(int first, int second) {
    firstMinimum_ = std::max(0, first);
    secondMinimum_ = std::max(0, second);
    setPosition(position_);
}

void SplitterGadget::setPosition(int position) {
    position_ =
        clampSplitterPosition(extent(), SplitterBarWidth, position, firstMinimum_, secondMinimum_);
    placePanes();
}

int SplitterGadget::extent() const {
    return orientation_ == SplitterOrientation::Vertical ? width() : height();
}

void SplitterGadget::placePanes() {
    const SplitterPanes panes =
        splitterPanes(extent(), SplitterBarWidth, position_, firstMinimum_, secondMinimum_);
    if (orientation_ == SplitterOrientation::Vertical) {
        if (first_ != nullptr) {
            first_->setGeometry(0, 0, panes.first, height());
        }
        if (second_ != nullptr) {
            second_->setGeometry(panes.first + SplitterBarWidth, 0, panes.second, height());
        }
    } else {
        if (first_ != nullptr) {
            first_->setGeometry(0, 0, width(), panes.first);
        }
        if (second_ != nullptr) {
            second_->setGeometry(0, panes.first + SplitterBarWidth, width(), panes.second);
        }
    }
}

void SplitterGadget::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The first pane keeps its size; what it must give up stays given up.
    position_ =
        splitterPanes(extent(), SplitterBarWidth, position_, firstMinimum_, secondMinimum_).first;
    placePanes();
}

void SplitterGadget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QPoint p = event->position().toPoint();
    dragging_ = true;
    dragOffset_ = (orientation_ == SplitterOrientation::Vertical ? p.x() : p.y()) - position_;
}

void SplitterGadget::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_) {
        return;
    }
    const QPoint p = event->position().toPoint();
    const int along = orientation_ == SplitterOrientation::Vertical ? p.x() : p.y();
    const int before = position_;
    setPosition(along - dragOffset_);
    if (position_ != before) {
        postGadgetEvent(gadgetNumberOf(this), GadgetEvent::Change);
    }
}

void SplitterGadget::mouseReleaseEvent(QMouseEvent* event) {
    dragging_ = false;
    QWidget::mouseReleaseEvent(event);
}

} // namespace detail

using detail::SplitterGadget;

bool splitterGadget(int gadget, int window, int x, int y, int width, int height, int first,
                    int second, SplitterOrientation orientation) {
    QWidget* a = gadgetWidget(first);
    QWidget* b = gadgetWidget(second);
    if (a == nullptr || b == nullptr || a == b) {
        return false;
    }
    auto* splitter = new SplitterGadget(nullptr, orientation);
    if (!adoptGadget(gadget, window, splitter, x, y, std::max(1, width), std::max(1, height))) {
        return false;
    }
    splitter->setPanes(a, b);
    return true;
}

void setSplitterMinimums(int gadget, int firstMinimum, int secondMinimum) {
    if (auto* s = dynamic_cast<SplitterGadget*>(gadgetWidget(gadget))) {
        s->setMinimums(firstMinimum, secondMinimum);
    }
}

int splitterPosition(int gadget) {
    auto* s = dynamic_cast<SplitterGadget*>(gadgetWidget(gadget));
    return s != nullptr ? s->position() : 0;
}

void setSplitterPosition(int gadget, int position) {
    if (auto* s = dynamic_cast<SplitterGadget*>(gadgetWidget(gadget))) {
        s->setPosition(position);
    }
}

} // namespace codarium::widgets
