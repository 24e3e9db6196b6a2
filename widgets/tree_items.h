#pragma once
// The items of a tree gadget as a Qt item model: texts and levels in flat
// order, every item followed directly by its children. The texts stay in the
// program's code page and become QStrings only when the view asks for the
// rows it shows, so filling a library of ten thousand codes is one push per
// item and the view's work is bounded by what is on screen. All texts share
// one block and only items with children hold a list of them, so an item
// costs its text and five numbers.
#include "widgets/tree_gadget.h"

#include <QAbstractItemModel>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace codarium::widgets::detail {

class TreeItems final : public QAbstractItemModel {
public:
    using QAbstractItemModel::QAbstractItemModel;

    // Appends items as the tree gadget documents: an item of level n becomes
    // a child of the nearest item above it with level n - 1, and a level
    // deeper than one below the last item's counts as exactly one below.
    // Into an empty model this is one reset; otherwise each item is an
    // insertion the views follow.
    void append(std::span<const TreeItemText> items);
    void clear();

    int count() const { return static_cast<int>(items_.size()); }
    // Out of range: "" and level 0. The text stays valid until the next append.
    std::string_view text(int position) const;
    int level(int position) const;

    QModelIndex indexAt(int position) const;        // invalid when out of range
    int positionOf(const QModelIndex& index) const; // -1 for an invalid index

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    struct Item {
        std::uint32_t textStart = 0; // in texts_
        std::uint32_t textLength = 0;
        int level = 0;
        int parent = -1;   // position, -1 at the top
        int row = 0;       // among its parent's children
        int children = -1; // its list in childLists_, -1 while it has none
    };

    // Where an item of `level` added now goes: its level after the rule
    // above, its parent's position (-1: the top) and its row there.
    struct Place {
        int level = 0;
        int parent = -1;
        int row = 0;
    };
    Place placeFor(int level) const;
    void store(std::string_view text, const Place& place);
    std::vector<int>& childrenOf(int parent);
    const std::vector<int>& childrenOf(int parent) const;

    std::vector<Item> items_;
    std::string texts_;
    std::vector<std::vector<int>> childLists_;
    std::vector<int> topLevel_;
    std::vector<int> lastAtLevel_; // the parent an item of level n + 1 would take
};

} // namespace codarium::widgets::detail
