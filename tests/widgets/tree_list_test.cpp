#include "gui_fixture.h"
#include "platform/code_page.h"
#include "widgets/combo_gadget.h"
#include "widgets/gadgets.h"
#include "widgets/list_gadget.h"
#include "widgets/test_hooks.h"
#include "widgets/tree_gadget.h"
#include "widgets/windows.h"

#include <QAbstractItemModelTester>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QImage>
#include <QKeyEvent>
#include <QScrollBar>
#include <QToolTip>
#include <QTreeView>
#include <functional>
#include <initializer_list>
#include <span>
#include <utility>
#include <vector>

namespace codarium::widgets {
namespace {

using testsupport::drainEvents;

class TreeTest : public testsupport::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        ASSERT_TRUE(openWindow(20, 0, 0, 600, 400, "Haupt", MainWindowFlags));
        ASSERT_TRUE(treeGadget(3, 20, 0, 0, 300, 300));
        addTreeItem(3, "Dateien", 0);
        addTreeItem(3, "Datei kopieren", 1);
        addTreeItem(3, "Datei l\xF6schen", 1); // Windows-1252 text
        addTreeItem(3, "Leer", 0);
        addTreeItem(3, "Fenster", 0);
        addTreeItem(3, "Fenster zentrieren", 1);
        drainEvents();
    }
    QTreeView* qt() { return static_cast<QTreeView*>(testing::gadgetObject(3)); }
};

// The item reached from the top by these rows, one per level, as the view
// sees it.
QModelIndex itemAt(QTreeView* tree, std::initializer_list<int> rows) {
    QModelIndex index;
    for (const int row : rows) {
        index = tree->model()->index(row, 0, index);
    }
    return index;
}

QString titleAt(QTreeView* tree, std::initializer_list<int> rows) {
    return itemAt(tree, rows).data().toString();
}

int childCount(QTreeView* tree, std::initializer_list<int> rows) {
    return tree->model()->rowCount(rows.size() == 0 ? QModelIndex() : itemAt(tree, rows));
}

int changeEvents(const std::vector<WindowEvent>& events, int gadget) {
    int n = 0;
    for (const WindowEvent& e : events) {
        n += e.kind == EventKind::Gadget && e.gadget == gadget && e.subType == GadgetEvent::Change;
    }
    return n;
}

TEST_F(TreeTest, ItemsAreAddressedInFlatOrderWithTheirLevels) {
    EXPECT_EQ(treeItemCount(3), 6);
    EXPECT_EQ(treeItemText(3, 2), "Datei l\xF6schen");
    EXPECT_EQ(treeItemLevel(3, 2), 1);
    EXPECT_EQ(treeItemLevel(3, 3), 0);
    EXPECT_EQ(treeItemText(3, 6), "");
    // The children hang below the nearest category above them.
    ASSERT_EQ(childCount(qt(), {}), 3);
    EXPECT_EQ(childCount(qt(), {0}), 2);
    EXPECT_EQ(childCount(qt(), {1}), 0);
    EXPECT_EQ(titleAt(qt(), {2, 0}), QStringLiteral("Fenster zentrieren"));
    // The view shows the text converted from the code page.
    EXPECT_EQ(titleAt(qt(), {0, 1}), QStringLiteral("Datei l\u00F6schen"));
    // A level that skips one is taken as the next deeper level.
    addTreeItem(3, "zu tief", 5);
    EXPECT_EQ(treeItemLevel(3, 6), 2);
    EXPECT_EQ(titleAt(qt(), {2, 0, 0}), QStringLiteral("zu tief"));
}

TEST_F(TreeTest, AddingManyItemsAtOnceBuildsTheSameTreeAsOneByOne) {
    // Continues the existing tree: a code first joins the last category.
    const std::vector<TreeItemText> more = {
        {"Fenster verstecken", 1}, {"Registry", 0}, {"Wert lesen", 1}, {"Wert schreiben", 1}};
    // What the user did with the tree so far stays: expansion, current item.
    setTreeItemExpanded(3, 4, true);
    setCurrentTreeItem(3, 5);
    drainEvents();
    addTreeItems(3, more);
    EXPECT_TRUE(treeItemExpanded(3, 4));
    EXPECT_EQ(currentTreeItem(3), 5);
    EXPECT_EQ(changeEvents(drainEvents(), 3), 0);
    ASSERT_EQ(treeItemCount(3), 10);
    EXPECT_EQ(treeItemText(3, 6), "Fenster verstecken");
    EXPECT_EQ(treeItemLevel(3, 7), 0);
    ASSERT_EQ(childCount(qt(), {}), 4);
    EXPECT_EQ(childCount(qt(), {2}), 2);
    EXPECT_EQ(titleAt(qt(), {3}), QStringLiteral("Registry"));
    EXPECT_EQ(titleAt(qt(), {3, 1}), QStringLiteral("Wert schreiben"));
    // Every item's way back up leads to the same place.
    const QModelIndex deep = itemAt(qt(), {3, 1});
    EXPECT_EQ(deep.parent(), itemAt(qt(), {3}));
    EXPECT_FALSE(deep.parent().parent().isValid());
    setCurrentTreeItem(3, 9);
    EXPECT_EQ(currentTreeItem(3), 9);
}

// Each item's parent as text ("" at the top), in flat order.
std::vector<std::string> parentsOf(QTreeView* tree) {
    std::vector<std::string> parents;
    const QAbstractItemModel* model = tree->model();
    std::function<void(const QModelIndex&, const std::string&)> walk = [&](const QModelIndex& item,
                                                                           const std::string& up) {
        const std::string title = platform::fromQString(item.data().toString());
        parents.push_back(up + ">" + title);
        EXPECT_EQ(model->parent(item), item.parent()) << title;
        for (int i = 0; i < model->rowCount(item); ++i) {
            walk(model->index(i, 0, item), title);
        }
    };
    for (int i = 0; i < model->rowCount(); ++i) {
        walk(model->index(i, 0), "");
    }
    return parents;
}

TEST_F(TreeTest, ManyItemsAtOnceBuildTheSameTreeAsOneByOneAtAnyDepth) {
    // Checks the model's indexes, parents and signals after every change;
    // a broken rule ends the test program.
    const QAbstractItemModelTester checked(qt()->model(),
                                           QAbstractItemModelTester::FailureReportingMode::Fatal);
    clearTree(3);
    // Deeper, shallower, and too deep (clamped to one below the last item).
    const std::vector<TreeItemText> items = {{"a", 0},  {"b", 1}, {"c", 2}, {"d", 3}, {"e", 1},
                                             {"f", 5},  {"g", 2}, {"h", 0}, {"i", 2}, {"j", 1},
                                             {"k", -1}, {"l", 1}, {"m", 2}, {"n", 3}};
    const std::size_t half = 6;
    for (std::size_t i = 0; i < half; ++i) {
        addTreeItem(3, items[i].text, items[i].level);
    }
    addTreeItems(3, std::span(items).subspan(half));
    const auto mixed = parentsOf(qt());
    std::vector<int> levels;
    for (int i = 0; i < treeItemCount(3); ++i) {
        levels.push_back(treeItemLevel(3, i));
    }
    clearTree(3);
    for (const auto& item : items) {
        addTreeItem(3, item.text, item.level);
    }
    EXPECT_EQ(parentsOf(qt()), mixed);
    EXPECT_EQ(mixed, (std::vector<std::string>{">a", "a>b", "b>c", "c>d", "a>e", "e>f", "e>g", ">h",
                                               "h>i", "h>j", ">k", "k>l", "l>m", "m>n"}));
    EXPECT_EQ(levels, (std::vector<int>{0, 1, 2, 3, 1, 2, 2, 0, 1, 1, 0, 1, 2, 3}));
}

TEST_F(TreeTest, ProgrammaticCurrentItemRaisesASelectionEventLikeAClick) {
    EXPECT_EQ(currentTreeItem(3), -1);
    setCurrentTreeItem(3, 5);
    auto events = drainEvents();
    EXPECT_EQ(changeEvents(events, 3), 1);
    EXPECT_EQ(events.front().window, 20);
    EXPECT_EQ(currentTreeItem(3), 5);
    EXPECT_EQ(gadgetState(3), 5);
    EXPECT_EQ(gadgetText(3), "Fenster zentrieren");
    // The same item again changes nothing and tells nothing.
    setCurrentTreeItem(3, 5);
    EXPECT_EQ(changeEvents(drainEvents(), 3), 0);
    setGadgetState(3, 1);
    EXPECT_EQ(changeEvents(drainEvents(), 3), 1);
    EXPECT_EQ(currentTreeItem(3), 1);

    ASSERT_TRUE(testing::clickTreeItem(3, 4));
    events = drainEvents();
    EXPECT_EQ(changeEvents(events, 3), 1);
    EXPECT_EQ(events.back().subType, GadgetEvent::LeftClick);
}

TEST_F(TreeTest, MarkingIsSeparateFromTheCurrentItem) {
    setCurrentTreeItem(3, 2);
    drainEvents();
    setTreeItemSelected(3, 2, false);
    setTreeItemSelected(3, 0, true);
    EXPECT_TRUE(treeItemSelected(3, 0));
    EXPECT_FALSE(treeItemSelected(3, 2));
    EXPECT_EQ(currentTreeItem(3), 2);
    EXPECT_EQ(changeEvents(drainEvents(), 3), 0);
}

TEST_F(TreeTest, ExpansionScrollingAndClearing) {
    EXPECT_FALSE(treeItemExpanded(3, 0));
    setTreeItemExpanded(3, 0, true);
    EXPECT_TRUE(treeItemExpanded(3, 0));
    scrollTreeToTop(3);
    setCurrentTreeItem(3, 1);
    drainEvents();
    clearTree(3);
    EXPECT_EQ(treeItemCount(3), 0);
    EXPECT_EQ(currentTreeItem(3), -1);
    // The current item went away: that is a selection change too.
    EXPECT_EQ(changeEvents(drainEvents(), 3), 1);
    clearTree(3);
    EXPECT_EQ(changeEvents(drainEvents(), 3), 0);
}

TEST_F(TreeTest, LongTitlesScrollSidewaysAndShowWholeAsTooltips) {
    const std::string longTitle =
        "Ein sehr langer Titel, der in dem schmalen Baum keinen Platz findet";
    addTreeItem(3, longTitle, 1); // the second code of "Fenster"
    setTreeItemExpanded(3, 4, true);
    QTreeView* t = qt();
    t->resize(200, 300);
    testing::processPendingEvents();
    drainEvents();
    const QModelIndex longItem = itemAt(t, {2, 1});
    const QModelIndex shortItem = itemAt(t, {2, 0});
    ASSERT_EQ(longItem.data().toString(), QString::fromLatin1(longTitle.c_str()));

    // Not cut to the pane: the column holds the whole title, the tree scrolls.
    EXPECT_FALSE(t->header()->stretchLastSection());
    const QRect cell = t->visualRect(longItem);
    EXPECT_GE(cell.width(), t->fontMetrics().horizontalAdvance(longItem.data().toString()));
    EXPECT_GT(t->horizontalScrollBar()->maximum(), 0);

    const auto tooltipAt = [t](const QModelIndex& item) {
        const QRect r = t->visualRect(item);
        const QPoint at(r.left() + 4, r.center().y());
        QHelpEvent help(QEvent::ToolTip, at, t->viewport()->mapToGlobal(at));
        QCoreApplication::sendEvent(t->viewport(), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    };
    // A title that fits shows no tooltip; one that runs past the edge does.
    EXPECT_EQ(tooltipAt(shortItem), QString());
    EXPECT_EQ(tooltipAt(longItem), longItem.data().toString());
    QToolTip::hideText();
}

// The width of the column of a tree built anew with the same items, the same
// expansion and font, and the same size as gadget 3: what measuring gives.
int freshColumnWidth(QTreeView* shown) {
    constexpr int twin = 4;
    EXPECT_TRUE(treeGadget(twin, 20, 300, 0, 300, 300));
    auto* t = static_cast<QTreeView*>(testing::gadgetObject(twin));
    t->setFont(shown->font());
    t->resize(shown->size());
    for (int i = 0; i < treeItemCount(3); ++i) {
        addTreeItem(twin, treeItemText(3, i), treeItemLevel(3, i));
    }
    for (int i = 0; i < treeItemCount(3); ++i) {
        setTreeItemExpanded(twin, i, treeItemExpanded(3, i));
    }
    testing::processPendingEvents();
    const int width = t->header()->sectionSize(0);
    freeGadget(twin);
    return width;
}

// The view keeps the column's width between the header's questions; after
// each kind of change the width must be what measuring anew gives.
TEST_F(TreeTest, TheColumnWidthFollowsEveryChangeOfWhatIsShown) {
    QTreeView* t = qt();
    const std::string wide(40, 'W');
    const std::vector<std::pair<const char*, std::function<void()>>> steps = {
        {"a wide code under a collapsed category", [&] { addTreeItem(3, wide, 1); }},
        {"its category expanded", [&] { setTreeItemExpanded(3, 4, true); }},
        {"collapsed again", [&] { setTreeItemExpanded(3, 4, false); }},
        {"a wider category", [&] { addTreeItem(3, wide + wide, 0); }},
        {"the tree cleared", [&] { clearTree(3); }},
        {"filled again",
         [&] {
             const std::vector<TreeItemText> items = {{"A", 0}, {wide, 1}, {"B", 0}};
             addTreeItems(3, items);
         }},
        {"all expanded", [&] { setTreeItemExpanded(3, 0, true); }},
        {"a larger font",
         [&] {
             QFont larger = t->font();
             larger.setPointSize(larger.pointSize() * 2);
             t->setFont(larger);
         }},
        {"a wider code, the pane too small for all rows",
         [&] {
             addTreeItem(3, wide + "WW", 1);
             t->resize(120, 60);
         }},
        {"scrolled to the end",
         [&] { t->verticalScrollBar()->setValue(t->verticalScrollBar()->maximum()); }},
    };
    int before = t->header()->sectionSize(0);
    int changes = 0;
    for (const auto& [step, change] : steps) {
        change();
        testing::processPendingEvents();
        const int now = t->header()->sectionSize(0);
        EXPECT_EQ(now, freshColumnWidth(t)) << step;
        changes += now != before;
        before = now;
    }
    EXPECT_GE(changes, 6) << "most steps change the width, or the test shows nothing";
}

// A view told to measure fewer rows than it lays out measures those around
// its scroll position: the width kept must not outlive a move or a resize.
TEST_F(TreeTest, AViewMeasuringFewRowsMeasuresAgainWhereItStands) {
    QTreeView* t = qt();
    clearTree(3);
    std::vector<TreeItemText> items;
    std::vector<std::string> names;
    for (int i = 0; i < 40; ++i) {
        names.push_back("K" + std::to_string(i));
    }
    const std::string wideName(40, 'W');
    names.insert(names.end() - 3, wideName); // far below the first rows
    for (const auto& name : names) {
        items.push_back({name, 0});
    }
    addTreeItems(3, items);
    t->header()->setResizeContentsPrecision(5);
    testing::processPendingEvents();
    const int atTop = t->header()->sectionSize(0);
    const int wide = t->fontMetrics().horizontalAdvance(QString::fromStdString(wideName));
    ASSERT_LT(atTop, wide);

    // Each resize makes the header ask again; the last row comes into view.
    t->resize(t->width(), t->height() - 20);
    testing::processPendingEvents();
    t->verticalScrollBar()->setValue(t->verticalScrollBar()->maximum());
    t->resize(t->width() - 10, t->height());
    testing::processPendingEvents();
    EXPECT_GE(t->header()->sectionSize(0), wide);

    t->verticalScrollBar()->setValue(0);
    t->resize(t->width() + 10, t->height() + 20);
    testing::processPendingEvents();
    EXPECT_EQ(t->header()->sectionSize(0), atTop);
}

TEST_F(TreeTest, ConnectingLinesAreDrawnBesideTheItems) {
    setTreeItemExpanded(3, 0, true);
    QTreeView* t = qt();
    testing::processPendingEvents();
    const QImage picture = t->viewport()->grab().toImage();
    const QColor background = t->palette().color(QPalette::Base);
    // The own column of "Datei kopieren": its line runs from top to bottom,
    // since "Datei löschen" follows it.
    const QRect row = t->visualRect(itemAt(t, {0, 0}));
    const int x = row.left() - t->indentation() / 2;
    int drawn = 0;
    for (int y = row.top(); y <= row.bottom(); ++y) {
        drawn += picture.pixelColor(x, y) != background;
    }
    EXPECT_GE(drawn, row.height() / 3);
}

class ListTest : public testsupport::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        ASSERT_TRUE(openWindow(20, 0, 0, 600, 400, "Suchen", MainWindowFlags));
        ASSERT_TRUE(listIconGadget(903, 20, 0, 20, 600, 340, "Name", 235));
        addListColumn(903, 1, "Categorie", 235);
        drainEvents();
    }
};

TEST_F(ListTest, ColumnsRowsAndCells) {
    EXPECT_EQ(listColumnCount(903), 2);
    EXPECT_EQ(listColumnTitle(903, 1), "Categorie");
    EXPECT_EQ(listColumnWidth(903, 0), 235);
    EXPECT_EQ(listColumnWidth(903, 1), 235);
    addListRow(903, {"Datei kopieren", "Dateien"});
    addListRow(903, {"Nur Name"});
    addListRow(903, {"Vorne", "X", "zu viel"}, 0);
    EXPECT_EQ(listRowCount(903), 3);
    EXPECT_EQ(listCellText(903, 0, 0), "Vorne");
    EXPECT_EQ(listCellText(903, 1, 1), "Dateien");
    EXPECT_EQ(listCellText(903, 2, 1), "");
    EXPECT_EQ(listCellText(903, 0, 2), "");
    setListCellText(903, 2, 1, "Neu");
    EXPECT_EQ(listCellText(903, 2, 1), "Neu");
    removeListRow(903, 0);
    EXPECT_EQ(listCellText(903, 0, 0), "Datei kopieren");
    clearList(903);
    EXPECT_EQ(listRowCount(903), 0);
}

TEST_F(ListTest, SelectionChangesAreReported) {
    addListRow(903, {"a", "A"});
    addListRow(903, {"b", "B"});
    drainEvents();
    EXPECT_EQ(selectedListRow(903), -1);
    setSelectedListRow(903, 1);
    EXPECT_EQ(selectedListRow(903), 1);
    EXPECT_GE(changeEvents(drainEvents(), 903), 1);
    setSelectedListRow(903, -1);
    EXPECT_EQ(selectedListRow(903), -1);
    EXPECT_GE(changeEvents(drainEvents(), 903), 1);
}

void pressKey(QWidget* w, Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &release);
}

TEST_F(ListTest, TheFirstDownKeySelectsTheFirstRow) {
    QWidget* l = testing::gadgetObject(903);
    ASSERT_NE(l, nullptr);
    for (int round = 0; round < 2; ++round) {
        // A fresh list, as after each search; the focus arrives by Tab.
        clearList(903);
        for (const char* name : {"a", "b", "c"}) {
            addListRow(903, {name, "K"});
        }
        drainEvents();
        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
        QCoreApplication::sendEvent(l, &in);
        EXPECT_EQ(selectedListRow(903), -1);
        pressKey(l, Qt::Key_Down);
        EXPECT_EQ(selectedListRow(903), 0) << "round " << round;
        EXPECT_GE(changeEvents(drainEvents(), 903), 1);
        pressKey(l, Qt::Key_Down);
        EXPECT_EQ(selectedListRow(903), 1);
    }
    // A list whose row was chosen keeps its place when the focus returns.
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(l, &out);
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(l, &in);
    pressKey(l, Qt::Key_Down);
    EXPECT_EQ(selectedListRow(903), 2);
}

TEST_F(ListTest, DropDownListPicksNothingUntilAsked) {
    ASSERT_TRUE(comboBoxGadget(210, 20, 150, 120, 350, 20));
    addComboItem(210, "Dateien");
    addComboItem(210, "");
    addComboItem(210, "Fenster");
    EXPECT_EQ(comboItemCount(210), 3);
    EXPECT_EQ(selectedComboItem(210), -1);
    EXPECT_EQ(gadgetText(210), "");
    EXPECT_EQ(changeEvents(drainEvents(), 210), 0);
    setSelectedComboItem(210, 2);
    EXPECT_EQ(gadgetText(210), "Fenster");
    EXPECT_EQ(comboItemText(210, 1), "");
    EXPECT_EQ(changeEvents(drainEvents(), 210), 1);
    clearCombo(210);
    EXPECT_EQ(comboItemCount(210), 0);
}

} // namespace
} // namespace codarium::widgets
