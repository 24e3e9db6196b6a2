#pragma once
// The Qt widgets behind the gadget kinds that need more than a stock widget.
// Internal to this folder.
#include "widgets/splitter_gadget.h"
#include "widgets/tree_items.h"

#include <QPointer>
#include <QTreeView>
#include <QTreeWidget>
#include <vector>

namespace codarium::widgets::detail {

// A tree over its items in flat order (see tree_items.h).
class TreeGadget final : public QTreeView {
public:
    explicit TreeGadget(QWidget* parent);
    TreeItems& items() { return *items_; }
    const TreeItems& items() const { return *items_; }
    int positionOf(const QModelIndex& index) const { return items_->positionOf(index); }
    QModelIndex indexAtPosition(int position) const { return items_->indexAt(position); }
    int currentPosition() const { return positionOf(currentIndex()); }
    // The column's width for the header, which asks several times after each
    // change: measured once and kept until the items, their expansion or the
    // font change, or the scroll position or viewport in a tree with more
    // rows laid out than the view measures.
    int sizeHintForColumn(int column) const override;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    // A title cut off by the pane's edge shows whole as a tooltip.
    bool viewportEvent(QEvent* event) override;
    // The connecting lines between items, under the expand buttons.
    void drawBranches(QPainter* painter, const QRect& rect,
                      const QModelIndex& index) const override;

private:
    bool titleFits(const QModelIndex& index) const;
    void forgetColumnWidthIfViewDependent();
    int rowsLaidOut(int atMost) const;
    void forgetColumnWidth() { columnWidth_ = -1; }

    TreeItems* items_;
    mutable int columnWidth_ = -1;
};

// A report list: rows of cells under column headers.
class ListGadget final : public QTreeWidget {
public:
    explicit ListGadget(QWidget* parent);

protected:
    void focusInEvent(QFocusEvent* event) override;
};

class SplitterGadget final : public QWidget {
public:
    SplitterGadget(QWidget* parent, SplitterOrientation orientation);
    void setPanes(QWidget* first, QWidget* second);
    void setMinimums(int first, int second);
    int position() const { return position_; }
    void setPosition(int position); // clamped to the minimums

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int extent() const;
    void placePanes();

    SplitterOrientation orientation_;
    QPointer<QWidget> first_;
    QPointer<QWidget> second_;
    int position_ = 0;
    int firstMinimum_ = 0;
    int secondMinimum_ = 0;
    bool dragging_ = false;
    int dragOffset_ = 0;
};

// The selection looks the same whether or not the gadget has the focus.
void keepSelectionVisible(QWidget* w);

// The gadget number of a gadget widget (-1 when it is none).
int gadgetNumberOf(const QWidget* widget);

} // namespace codarium::widgets::detail
