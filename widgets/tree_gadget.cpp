#include "widgets/tree_gadget.h"

#include "widgets/gadget_host.h"
#include "widgets/internal_gadgets.h"
#include "widgets/object_registry.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <vector>

namespace codarium::widgets {
namespace detail {
namespace {

// The tree's header is never shown, so its label takes no room: measuring
// it would load the bold header font for nothing, and a column's width is
// its titles' alone.
class UnseenHeader final : public QHeaderView {
public:
    explicit UnseenHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {}

protected:
    QSize sectionSizeFromContents(int logicalIndex) const override {
        return isHidden() ? QSize() : QHeaderView::sectionSizeFromContents(logicalIndex);
    }
};

} // namespace

TreeGadget::TreeGadget(QWidget* parent) : QTreeView(parent), items_(new TreeItems(this)) {
    setHeader(new UnseenHeader(this));
    // Connected before the model is set, so that these run ahead of the
    // view's and the header's own handlers: a measure those start after a
    // change finds the kept width gone. Expanding and collapsing tell before
    // the view updates its geometry.
    const auto forget = [this] { forgetColumnWidth(); };
    connect(items_, &QAbstractItemModel::modelAboutToBeReset, this, forget);
    connect(items_, &QAbstractItemModel::rowsAboutToBeInserted, this, forget);
    connect(items_, &QAbstractItemModel::rowsAboutToBeRemoved, this, forget);
    connect(items_, &QAbstractItemModel::dataChanged, this, forget);
    connect(items_, &QAbstractItemModel::layoutAboutToBeChanged, this, forget);
    connect(this, &QTreeView::expanded, this, forget);
    connect(this, &QTreeView::collapsed, this, forget);
    setModel(items_);
}

int TreeGadget::sizeHintForColumn(int column) const {
    if (column != 0) {
        return QTreeView::sizeHintForColumn(column);
    }
    if (columnWidth_ < 0) {
        columnWidth_ = QTreeView::sizeHintForColumn(column);
    }
    return columnWidth_;
}

void TreeGadget::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        forgetColumnWidth();
    }
    QTreeView::changeEvent(event);
}

// The view measures the rows on screen first and then those around them, up
// to the header's precision: only a tree with more rows laid out than that
// gives another width at another scroll position or viewport height. The
// usual case, the categories collapsed, measures every row whatever is shown,
// so that the scroll bar appearing after a fill costs no second measure.
void TreeGadget::resizeEvent(QResizeEvent* event) {
    forgetColumnWidthIfViewDependent();
    QTreeView::resizeEvent(event);
}

void TreeGadget::scrollContentsBy(int dx, int dy) {
    if (dy != 0) {
        forgetColumnWidthIfViewDependent();
    }
    QTreeView::scrollContentsBy(dx, dy);
}

void TreeGadget::forgetColumnWidthIfViewDependent() {
    const int measured = header()->resizeContentsPrecision();
    if (columnWidth_ >= 0 && measured >= 0 && rowsLaidOut(measured) > measured) {
        forgetColumnWidth();
    }
}

// The top-level rows and those under expanded items, counted until `atMost`
// is passed: a fill or scroll of a large library need not walk it all.
int TreeGadget::rowsLaidOut(int atMost) const {
    int rows = 0;
    std::vector<QModelIndex> open = {rootIndex()};
    while (!open.empty() && rows <= atMost) {
        const QModelIndex parent = open.back();
        open.pop_back();
        const int children = items_->rowCount(parent);
        rows += children;
        for (int row = 0; row < children && rows <= atMost; ++row) {
            const QModelIndex child = items_->index(row, 0, parent);
            if (isExpanded(child)) {
                open.push_back(child);
            }
        }
    }
    return rows;
}

void TreeGadget::focusInEvent(QFocusEvent* event) {
    if (currentIndex().isValid()) {
        QTreeView::focusInEvent(event);
        return;
    }
    // Qt makes the first item current when a tree without one gets the focus;
    // here only the user or the program choose the current item.
    const QSignalBlocker quiet(selectionModel());
    QTreeView::focusInEvent(event);
    selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

bool TreeGadget::titleFits(const QModelIndex& index) const {
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const int needed = itemDelegateForIndex(index)->sizeHint(option, index).width();
    const QRect cell = visualRect(index);
    return cell.width() >= needed && cell.left() >= 0 &&
           cell.left() + needed <= viewport()->width();
}

bool TreeGadget::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip) {
        return QTreeView::viewportEvent(event);
    }
    const auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex index = indexAt(help->pos());
    if (index.isValid() && !titleFits(index)) {
        QToolTip::showText(help->globalPos(), index.data(Qt::DisplayRole).toString(), viewport(),
                           visualRect(index));
    } else {
        QToolTip::hideText();
    }
    return true;
}

void TreeGadget::drawBranches(QPainter* painter, const QRect& rect,
                              const QModelIndex& index) const {
    // Most styles draw only the expand buttons; the lines are drawn here, as
    // dotted lines, before the buttons so that these stay on top.
    const int indent = indentation();
    const int top = rect.top(), bottom = rect.bottom(), middle = rect.center().y();
    const auto hasNextSibling = [](const QModelIndex& i) {
        return i.sibling(i.row() + 1, 0).isValid();
    };
    painter->save();
    painter->setPen(QPen(palette().color(QPalette::Mid), 1, Qt::DotLine));
    // The item's own column: a line from above to its middle (on to the
    // next sibling), then across to the item.
    int left = rect.right() + 1 - indent;
    int x = left + indent / 2;
    painter->drawLine(x, index.row() == 0 && !index.parent().isValid() ? middle : top, x,
                      hasNextSibling(index) ? bottom : middle);
    painter->drawLine(x, middle, left + indent - 1, middle);
    // Each ancestor with a later sibling continues its line through this row.
    for (QModelIndex up = index.parent(); up.isValid(); up = up.parent()) {
        left -= indent;
        x = left + indent / 2;
        if (hasNextSibling(up)) {
            painter->drawLine(x, top, x, bottom);
        }
    }
    painter->restore();
    QTreeView::drawBranches(painter, rect, index);
}

} // namespace detail

using detail::TreeGadget;

namespace {

TreeGadget* tree(int gadget) {
    return dynamic_cast<TreeGadget*>(gadgetWidget(gadget));
}

// Return on the current item is reported; the key still goes on to the
// tree, which leaves it to its window.
class TreeReturnKey final : public QObject {
public:
    TreeReturnKey(int gadget, QObject* parent) : QObject(parent), gadget_(gadget) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
                (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
                postGadgetEvent(gadget_, GadgetEvent::ReturnKey);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    int gadget_;
};

} // namespace

bool treeGadget(int gadget, int window, int x, int y, int width, int height) {
    auto* t = new TreeGadget(nullptr);
    t->setHeaderHidden(true);
    t->setRootIsDecorated(true);
    t->setItemsExpandable(true);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setContextMenuPolicy(Qt::CustomContextMenu);
    // The column is as wide as its longest title and the tree scrolls
    // sideways, rather than cutting titles at the pane's edge.
    t->header()->setStretchLastSection(false);
    t->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    t->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Every row is one line of the same font: the view need not measure each.
    t->setUniformRowHeights(true);
    detail::keepSelectionVisible(t);
    if (!adoptGadget(gadget, window, t, x, y, width, height)) {
        return false;
    }
    QObject::connect(t->selectionModel(), &QItemSelectionModel::currentChanged, t,
                     [gadget] { postGadgetEvent(gadget, GadgetEvent::Change); });
    QObject::connect(t, &QAbstractItemView::clicked, t,
                     [gadget] { postGadgetEvent(gadget, GadgetEvent::LeftClick); });
    QObject::connect(t, &QAbstractItemView::doubleClicked, t,
                     [gadget] { postGadgetEvent(gadget, GadgetEvent::LeftDoubleClick); });
    QObject::connect(t, &QWidget::customContextMenuRequested, t, [gadget, t](const QPoint& at) {
        // The item under the pointer becomes current before the click is told.
        if (const QModelIndex index = t->indexAt(at); index.isValid()) {
            t->setCurrentIndex(index);
        }
        postGadgetEvent(gadget, GadgetEvent::RightClick);
    });
    t->installEventFilter(new TreeReturnKey(gadget, t));
    return true;
}

void addTreeItem(int gadget, std::string_view text, int level) {
    const TreeItemText item{text, level};
    addTreeItems(gadget, std::span(&item, 1));
}

void addTreeItems(int gadget, std::span<const TreeItemText> items) {
    if (TreeGadget* t = tree(gadget)) {
        t->items().append(items);
    }
}

void clearTree(int gadget) {
    TreeGadget* t = tree(gadget);
    if (t == nullptr) {
        return;
    }
    const bool hadCurrent = t->currentIndex().isValid();
    {
        const QSignalBlocker quietView(t);
        const QSignalBlocker quietSelection(t->selectionModel());
        t->items().clear();
    }
    if (hadCurrent) {
        postGadgetEvent(gadget, GadgetEvent::Change);
    }
}

int treeItemCount(int gadget) {
    TreeGadget* t = tree(gadget);
    return t != nullptr ? t->items().count() : 0;
}

std::string treeItemText(int gadget, int position) {
    TreeGadget* t = tree(gadget);
    return t != nullptr ? std::string(t->items().text(position)) : std::string();
}

int treeItemLevel(int gadget, int position) {
    TreeGadget* t = tree(gadget);
    return t != nullptr ? t->items().level(position) : 0;
}

void setTreeItemExpanded(int gadget, int position, bool expanded) {
    TreeGadget* t = tree(gadget);
    if (const QModelIndex index = t != nullptr ? t->indexAtPosition(position) : QModelIndex();
        index.isValid()) {
        t->setExpanded(index, expanded);
    }
}

bool treeItemExpanded(int gadget, int position) {
    TreeGadget* t = tree(gadget);
    return t != nullptr && t->isExpanded(t->indexAtPosition(position));
}

int currentTreeItem(int gadget) {
    TreeGadget* t = tree(gadget);
    return t != nullptr ? t->currentPosition() : -1;
}

void setCurrentTreeItem(int gadget, int position) {
    TreeGadget* t = tree(gadget);
    if (t == nullptr) {
        return;
    }
    const QModelIndex index = t->indexAtPosition(position);
    if (!index.isValid()) {
        t->setCurrentIndex(QModelIndex());
        t->clearSelection();
        return;
    }
    t->setCurrentIndex(index);
    t->scrollTo(index);
}

void setTreeItemSelected(int gadget, int position, bool selected) {
    TreeGadget* t = tree(gadget);
    if (const QModelIndex index = t != nullptr ? t->indexAtPosition(position) : QModelIndex();
        index.isValid()) {
        // Only the marking: the current item stays.
        t->selectionModel()->select(index, selected ? QItemSelectionModel::Select
                                                    : QItemSelectionModel::Deselect);
    }
}

bool treeItemSelected(int gadget, int position) {
    TreeGadget* t = tree(gadget);
    const QModelIndex index = t != nullptr ? t->indexAtPosition(position) : QModelIndex();
    return index.isValid() && t->selectionModel()->isSelected(index);
}

TreeItemPlace treeItemPlace(int gadget, int position) {
    TreeGadget* t = tree(gadget);
    const QModelIndex index = t != nullptr ? t->indexAtPosition(position) : QModelIndex();
    if (!index.isValid()) {
        return {};
    }
    const QRect r = t->visualRect(index);
    return {r.x(), r.y(), r.height()};
}

void scrollTreeToTop(int gadget) {
    if (TreeGadget* t = tree(gadget)) {
        t->scrollToTop();
    }
}

} // namespace codarium::widgets
