#include "widgets/tree_items.h"

#include "platform/code_page.h"

#include <algorithm>

namespace codarium::widgets::detail {

TreeItems::Place TreeItems::placeFor(int level) const {
    const int deepest = items_.empty() ? 0 : items_.back().level + 1;
    const int effective = std::clamp(level, 0, deepest);
    // A new item is at most one level below the last one, so the nearest item
    // above it one level up is the last item added at that level.
    const int parent = effective > 0 ? lastAtLevel_[static_cast<std::size_t>(effective - 1)] : -1;
    return {effective, parent, static_cast<int>(childrenOf(parent).size())};
}

void TreeItems::store(std::string_view text, const Place& place) {
    const int position = count();
    items_.push_back({static_cast<std::uint32_t>(texts_.size()),
                      static_cast<std::uint32_t>(text.size()), place.level, place.parent,
                      place.row});
    texts_.append(text);
    if (place.parent >= 0 && items_[static_cast<std::size_t>(place.parent)].children < 0) {
        items_[static_cast<std::size_t>(place.parent)].children =
            static_cast<int>(childLists_.size());
        childLists_.emplace_back();
    }
    childrenOf(place.parent).push_back(position);
    lastAtLevel_.resize(static_cast<std::size_t>(place.level) + 1);
    lastAtLevel_.back() = position;
}

void TreeItems::append(std::span<const TreeItemText> items) {
    if (items.empty()) {
        return;
    }
    if (items_.empty()) {
        beginResetModel();
        items_.reserve(items.size());
        std::size_t bytes = 0;
        for (const TreeItemText& item : items) {
            bytes += item.text.size();
        }
        texts_.reserve(bytes);
        for (const TreeItemText& item : items) {
            store(item.text, placeFor(item.level));
        }
        endResetModel();
        return;
    }
    for (const TreeItemText& item : items) {
        const Place place = placeFor(item.level);
        beginInsertRows(indexAt(place.parent), place.row, place.row);
        store(item.text, place);
        endInsertRows();
    }
}

void TreeItems::clear() {
    beginResetModel();
    items_.clear();
    texts_.clear();
    childLists_.clear();
    topLevel_.clear();
    lastAtLevel_.clear();
    endResetModel();
}

std::string_view TreeItems::text(int position) const {
    if (position < 0 || position >= count()) {
        return {};
    }
    const Item& item = items_[static_cast<std::size_t>(position)];
    return std::string_view(texts_).substr(item.textStart, item.textLength);
}

int TreeItems::level(int position) const {
    return position >= 0 && position < count() ? items_[static_cast<std::size_t>(position)].level
                                               : 0;
}

QModelIndex TreeItems::indexAt(int position) const {
    if (position < 0 || position >= count()) {
        return {};
    }
    return createIndex(items_[static_cast<std::size_t>(position)].row, 0,
                       static_cast<quintptr>(position));
}

int TreeItems::positionOf(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != this) {
        return -1;
    }
    return static_cast<int>(index.internalId());
}

// Only for the top or an item that has its list.
std::vector<int>& TreeItems::childrenOf(int parent) {
    if (parent < 0) {
        return topLevel_;
    }
    return childLists_[static_cast<std::size_t>(items_[static_cast<std::size_t>(parent)].children)];
}

// An item without children has no list and reads as the empty one.
const std::vector<int>& TreeItems::childrenOf(int parent) const {
    static const std::vector<int> none;
    if (parent < 0) {
        return topLevel_;
    }
    const int list = items_[static_cast<std::size_t>(parent)].children;
    return list < 0 ? none : childLists_[static_cast<std::size_t>(list)];
}

QModelIndex TreeItems::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || row < 0 || (parent.isValid() && parent.column() != 0)) {
        return {};
    }
    const std::vector<int>& children = childrenOf(parent.isValid() ? positionOf(parent) : -1);
    if (row >= static_cast<int>(children.size())) {
        return {};
    }
    return createIndex(row, 0, static_cast<quintptr>(children[static_cast<std::size_t>(row)]));
}

QModelIndex TreeItems::parent(const QModelIndex& child) const {
    const int position = positionOf(child);
    return position < 0 ? QModelIndex()
                        : indexAt(items_[static_cast<std::size_t>(position)].parent);
}

int TreeItems::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() && parent.column() != 0) {
        return 0;
    }
    return static_cast<int>(childrenOf(parent.isValid() ? positionOf(parent) : -1).size());
}

int TreeItems::columnCount(const QModelIndex&) const {
    return 1;
}

QVariant TreeItems::data(const QModelIndex& index, int role) const {
    const int position = positionOf(index);
    if (position < 0 || (role != Qt::DisplayRole && role != Qt::EditRole)) {
        return {};
    }
    return platform::toQString(text(position));
}

Qt::ItemFlags TreeItems::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

} // namespace codarium::widgets::detail
