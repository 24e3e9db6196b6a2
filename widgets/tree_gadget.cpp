#include "widgets/tree_gadget.h"

#include "platform/code_page.h"
#include "widgets/gadget_host.h"
#include "widgets/internal_gadgets.h"
#include "widgets/object_registry.h"

#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <algorithm>

namespace codarium::widgets {
namespace detail {

TreeGadget::TreeGadget(QWidget* parent) : QTreeWidget(parent) {}

int TreeGadget::positionOf(const QTreeWidgetItem* item) const {
    if (item == nullptr) {
        return -1;
    }
    const auto it = std::find(flat.begin(), flat.end(), item);
    return it == flat.end() ? -1 : static_cast<int>(it - flat.begin());
}

QTreeWidgetItem* TreeGadget::itemAtPosition(int position) const {
    if (position < 0 || position >= static_cast<int>(flat.size())) {
        return nullptr;
    }
    return flat[static_cast<std::size_t>(position)];
}

void TreeGadget::focusInEvent(QFocusEvent* event) {
    if (currentIndex().isValid()) {
        QTreeWidget::focusInEvent(event);
        return;
    }
    // Qt makes the first item current when a tree without one gets the focus;
    // here only the user or the program choose the current item.
    const QSignalBlocker quiet(selectionModel());
    QTreeWidget::focusInEvent(event);
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
        return QTreeWidget::viewportEvent(event);
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
    QTreeWidget::drawBranches(painter, rect, index);
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
    t->setColumnCount(1);
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
    QObject::connect(t, &QTreeWidget::currentItemChanged, t,
                     [gadget] { postGadgetEvent(gadget, GadgetEvent::Change); });
    QObject::connect(t, &QTreeWidget::itemClicked, t,
                     [gadget] { postGadgetEvent(gadget, GadgetEvent::LeftClick); });
    QObject::connect(t, &QTreeWidget::itemDoubleClicked, t,
                     [gadget] { postGadgetEvent(gadget, GadgetEvent::LeftDoubleClick); });
    QObject::connect(t, &QWidget::customContextMenuRequested, t, [gadget, t](const QPoint& at) {
        // The item under the pointer becomes current before the click is told.
        if (QTreeWidgetItem* item = t->itemAt(at)) {
            t->setCurrentItem(item);
        }
        postGadgetEvent(gadget, GadgetEvent::RightClick);
    });
    t->installEventFilter(new TreeReturnKey(gadget, t));
    return true;
}

namespace {

// The parents that items added at the end would take: the last item of each
// level in the flat order. Because a new item is at most one level deeper
// than the last one, the nearest item above it one level up is always the
// last item of that level.
class TreeAppender {
public:
    // Finds the last item of each level by one walk back from the end, which
    // stops at the first level-0 item.
    explicit TreeAppender(TreeGadget* tree) : t_(tree) {
        if (t_->levels.empty()) {
            return;
        }
        lastAtLevel_.resize(static_cast<std::size_t>(t_->levels.back()) + 1);
        int wanted = t_->levels.back();
        for (std::size_t i = t_->flat.size(); i-- > 0 && wanted >= 0;) {
            if (t_->levels[i] == wanted) {
                lastAtLevel_[static_cast<std::size_t>(wanted--)] = t_->flat[i];
            }
        }
    }

    // A new parent that is not yet in the widget takes the child directly;
    // only items that end up at the top go to the widget, collected in
    // topLevel (or added at once when there is none).
    void append(std::string_view text, int level, QList<QTreeWidgetItem*>* topLevel) {
        const int deepest = t_->levels.empty() ? 0 : t_->levels.back() + 1;
        const int effective = std::clamp(level, 0, deepest);
        // The text is set directly: no list of one string made and dropped.
        auto* item = new QTreeWidgetItem();
        item->setText(0, platform::toQString(text));
        if (effective > 0) {
            lastAtLevel_[static_cast<std::size_t>(effective - 1)]->addChild(item);
        } else if (topLevel != nullptr) {
            topLevel->append(item);
        } else {
            t_->addTopLevelItem(item);
        }
        t_->flat.push_back(item);
        t_->levels.push_back(effective);
        remember(effective, item);
    }

private:
    void remember(int level, QTreeWidgetItem* item) {
        lastAtLevel_.resize(static_cast<std::size_t>(level) + 1);
        lastAtLevel_.back() = item;
    }

    TreeGadget* t_;
    std::vector<QTreeWidgetItem*> lastAtLevel_;
};

} // namespace

void addTreeItem(int gadget, std::string_view text, int level) {
    if (TreeGadget* t = tree(gadget)) {
        TreeAppender(t).append(text, level, nullptr);
    }
}

void addTreeItems(int gadget, std::span<const TreeItemText> items) {
    TreeGadget* t = tree(gadget);
    if (t == nullptr) {
        return;
    }
    QList<QTreeWidgetItem*> topLevel;
    t->flat.reserve(t->flat.size() + items.size());
    t->levels.reserve(t->levels.size() + items.size());
    TreeAppender appender(t);
    for (const TreeItemText& item : items) {
        appender.append(item.text, item.level, &topLevel);
    }
    t->addTopLevelItems(topLevel);
}

void clearTree(int gadget) {
    TreeGadget* t = tree(gadget);
    if (t == nullptr) {
        return;
    }
    const bool hadCurrent = t->currentItem() != nullptr;
    {
        const QSignalBlocker quiet(t);
        t->clear();
        t->flat.clear();
        t->levels.clear();
    }
    if (hadCurrent) {
        postGadgetEvent(gadget, GadgetEvent::Change);
    }
}

int treeItemCount(int gadget) {
    TreeGadget* t = tree(gadget);
    return t != nullptr ? static_cast<int>(t->flat.size()) : 0;
}

std::string treeItemText(int gadget, int position) {
    TreeGadget* t = tree(gadget);
    QTreeWidgetItem* item = t != nullptr ? t->itemAtPosition(position) : nullptr;
    return item != nullptr ? platform::fromQString(item->text(0)) : std::string();
}

int treeItemLevel(int gadget, int position) {
    TreeGadget* t = tree(gadget);
    if (t == nullptr || t->itemAtPosition(position) == nullptr) {
        return 0;
    }
    return t->levels[static_cast<std::size_t>(position)];
}

void setTreeItemExpanded(int gadget, int position, bool expanded) {
    TreeGadget* t = tree(gadget);
    if (QTreeWidgetItem* item = t != nullptr ? t->itemAtPosition(position) : nullptr) {
        item->setExpanded(expanded);
    }
}

bool treeItemExpanded(int gadget, int position) {
    TreeGadget* t = tree(gadget);
    QTreeWidgetItem* item = t != nullptr ? t->itemAtPosition(position) : nullptr;
    return item != nullptr && item->isExpanded();
}

int currentTreeItem(int gadget) {
    TreeGadget* t = tree(gadget);
    return t != nullptr ? t->positionOf(t->currentItem()) : -1;
}

void setCurrentTreeItem(int gadget, int position) {
    TreeGadget* t = tree(gadget);
    if (t == nullptr) {
        return;
    }
    QTreeWidgetItem* item = t->itemAtPosition(position);
    if (item == nullptr) {
        t->setCurrentItem(nullptr);
        t->clearSelection();
        return;
    }
    t->setCurrentItem(item);
    t->scrollToItem(item);
}

void setTreeItemSelected(int gadget, int position, bool selected) {
    TreeGadget* t = tree(gadget);
    if (QTreeWidgetItem* item = t != nullptr ? t->itemAtPosition(position) : nullptr) {
        // Only the marking: currentItemChanged does not fire for this.
        item->setSelected(selected);
    }
}

bool treeItemSelected(int gadget, int position) {
    TreeGadget* t = tree(gadget);
    QTreeWidgetItem* item = t != nullptr ? t->itemAtPosition(position) : nullptr;
    return item != nullptr && item->isSelected();
}

TreeItemPlace treeItemPlace(int gadget, int position) {
    TreeGadget* t = tree(gadget);
    QTreeWidgetItem* item = t != nullptr ? t->itemAtPosition(position) : nullptr;
    if (item == nullptr) {
        return {};
    }
    const QRect r = t->visualItemRect(item);
    return {r.x(), r.y(), r.height()};
}

void scrollTreeToTop(int gadget) {
    if (TreeGadget* t = tree(gadget)) {
        t->scrollToTop();
    }
}

} // namespace codarium::widgets
