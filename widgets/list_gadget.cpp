#include "widgets/list_gadget.h"

#include "platform/code_page.h"
#include "widgets/gadget_host.h"
#include "widgets/internal_gadgets.h"
#include "widgets/object_registry.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace codarium::widgets {
namespace detail {
ListGadget::ListGadget(QWidget* parent) : QTreeWidget(parent) {}

void ListGadget::focusInEvent(QFocusEvent* event) {
    if (currentIndex().isValid()) {
        QTreeWidget::focusInEvent(event);
        return;
    }
    // Qt puts the focus frame on the first row, unselected, when a list
    // without a current row gets the focus; the first Down would then move
    // past that row. Without a current row, Down selects the first one.
    const QSignalBlocker quiet(selectionModel());
    QTreeWidget::focusInEvent(event);
    selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}
} // namespace detail

using detail::ListGadget;

namespace {
ListGadget* list(int gadget) {
    return dynamic_cast<ListGadget*>(gadgetWidget(gadget));
}

// Return or Enter on a list is reported, so a list can act on its selected
// row from the keyboard as a button would; the key still reaches the list.
class ReturnKeyReporter : public QObject {
public:
    ReturnKeyReporter(int gadget, QObject* parent) : QObject(parent), gadget_(gadget) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                postGadgetEvent(gadget_, GadgetEvent::ReturnKey);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    int gadget_;
};
} // namespace

bool listIconGadget(int gadget, int window, int x, int y, int width, int height,
                    std::string_view firstColumnTitle, int firstColumnWidth) {
    auto* l = new ListGadget(nullptr);
    l->setRootIsDecorated(false);
    l->setItemsExpandable(false);
    l->setUniformRowHeights(true);
    l->setAllColumnsShowFocus(true);
    l->setSelectionMode(QAbstractItemView::SingleSelection);
    l->setSelectionBehavior(QAbstractItemView::SelectRows);
    l->header()->setStretchLastSection(false);
    detail::keepSelectionVisible(l);
    l->setColumnCount(1);
    l->setHeaderLabels({platform::toQString(firstColumnTitle)});
    l->setColumnWidth(0, firstColumnWidth);
    if (!adoptGadget(gadget, window, l, x, y, width, height)) {
        return false;
    }
    QObject::connect(l, &QTreeWidget::itemSelectionChanged, l,
                     [gadget] { postGadgetEvent(gadget, GadgetEvent::Change); });
    QObject::connect(l, &QTreeWidget::itemClicked, l,
                     [gadget] { postGadgetEvent(gadget, GadgetEvent::LeftClick); });
    QObject::connect(l, &QTreeWidget::itemDoubleClicked, l,
                     [gadget] { postGadgetEvent(gadget, GadgetEvent::LeftDoubleClick); });
    l->installEventFilter(new ReturnKeyReporter(gadget, l));
    return true;
}

void addListColumn(int gadget, int column, std::string_view title, int width) {
    ListGadget* l = list(gadget);
    if (l == nullptr) {
        return;
    }
    const int count = l->columnCount();
    QStringList titles;
    QList<int> widths;
    for (int c = 0; c < count; ++c) {
        titles << l->headerItem()->text(c);
        widths << l->columnWidth(c);
    }
    const int at = std::clamp(column, 0, count);
    titles.insert(at, platform::toQString(title));
    widths.insert(at, width);
    l->setColumnCount(count + 1);
    l->setHeaderLabels(titles);
    for (int c = 0; c <= count; ++c) {
        l->setColumnWidth(c, widths[c]);
    }
}

int listColumnCount(int gadget) {
    ListGadget* l = list(gadget);
    return l != nullptr ? l->columnCount() : 0;
}

std::string listColumnTitle(int gadget, int column) {
    ListGadget* l = list(gadget);
    if (l == nullptr || column < 0 || column >= l->columnCount()) {
        return {};
    }
    return platform::fromQString(l->headerItem()->text(column));
}

int listColumnWidth(int gadget, int column) {
    ListGadget* l = list(gadget);
    if (l == nullptr || column < 0 || column >= l->columnCount()) {
        return 0;
    }
    return l->columnWidth(column);
}

void addListRow(int gadget, const std::vector<std::string>& cells, int position) {
    ListGadget* l = list(gadget);
    if (l == nullptr) {
        return;
    }
    auto* item = new QTreeWidgetItem();
    const int columns = l->columnCount();
    for (int c = 0; c < columns && c < static_cast<int>(cells.size()); ++c) {
        item->setText(c, platform::toQString(cells[static_cast<std::size_t>(c)]));
    }
    if (position < 0 || position >= l->topLevelItemCount()) {
        l->addTopLevelItem(item);
    } else {
        l->insertTopLevelItem(position, item);
    }
}

void removeListRow(int gadget, int row) {
    ListGadget* l = list(gadget);
    if (l != nullptr && row >= 0 && row < l->topLevelItemCount()) {
        delete l->takeTopLevelItem(row);
    }
}

void clearList(int gadget) {
    if (ListGadget* l = list(gadget)) {
        l->clear();
    }
}

int listRowCount(int gadget) {
    ListGadget* l = list(gadget);
    return l != nullptr ? l->topLevelItemCount() : 0;
}

std::string listCellText(int gadget, int row, int column) {
    ListGadget* l = list(gadget);
    if (l == nullptr || row < 0 || row >= l->topLevelItemCount() || column < 0 ||
        column >= l->columnCount()) {
        return {};
    }
    return platform::fromQString(l->topLevelItem(row)->text(column));
}

void setListCellText(int gadget, int row, int column, std::string_view text) {
    ListGadget* l = list(gadget);
    if (l == nullptr || row < 0 || row >= l->topLevelItemCount() || column < 0 ||
        column >= l->columnCount()) {
        return;
    }
    l->topLevelItem(row)->setText(column, platform::toQString(text));
}

void setListRowToolTip(int gadget, int row, std::string_view text) {
    ListGadget* l = list(gadget);
    if (l == nullptr || row < 0 || row >= l->topLevelItemCount()) {
        return;
    }
    const QString tip = platform::toQString(text);
    for (int column = 0; column < l->columnCount(); ++column) {
        l->topLevelItem(row)->setToolTip(column, tip);
    }
}

std::string listRowToolTip(int gadget, int row) {
    ListGadget* l = list(gadget);
    if (l == nullptr || row < 0 || row >= l->topLevelItemCount()) {
        return {};
    }
    return platform::fromQString(l->topLevelItem(row)->toolTip(0));
}

int selectedListRow(int gadget) {
    ListGadget* l = list(gadget);
    if (l == nullptr) {
        return -1;
    }
    const auto selected = l->selectedItems();
    return selected.isEmpty() ? -1 : l->indexOfTopLevelItem(selected.front());
}

void setSelectedListRow(int gadget, int row) {
    ListGadget* l = list(gadget);
    if (l == nullptr) {
        return;
    }
    QTreeWidgetItem* item = row >= 0 ? l->topLevelItem(row) : nullptr;
    if (item == nullptr) {
        l->clearSelection();
        return;
    }
    l->setCurrentItem(item);
    item->setSelected(true);
}

} // namespace codarium::widgets
