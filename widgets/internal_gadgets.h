#pragma once
// The Qt widgets behind the gadget kinds that need more than a stock widget.
// Internal to this folder.
#include "widgets/splitter_gadget.h"

#include <QPointer>
#include <QTreeWidget>
#include <vector>

namespace codarium::widgets::detail {

// A tree whose items are kept in flat order as well.
class TreeGadget final : public QTreeWidget {
public:
    explicit TreeGadget(QWidget* parent);
    std::vector<QTreeWidgetItem*> flat; // every item, in flat order
    std::vector<int> levels;            // the level each was added with
    int positionOf(const QTreeWidgetItem* item) const;
    QTreeWidgetItem* itemAtPosition(int position) const;

protected:
    void focusInEvent(QFocusEvent* event) override;
    // A title cut off by the pane's edge shows whole as a tooltip.
    bool viewportEvent(QEvent* event) override;
    // The connecting lines between items, under the expand buttons.
    void drawBranches(QPainter* painter, const QRect& rect,
                      const QModelIndex& index) const override;

private:
    bool titleFits(const QModelIndex& index) const;
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
