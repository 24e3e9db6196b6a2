// The keyboard on the real start-up: every shortcut pressed as a key, the
// zoom across starts, dialogs by keyboard and what a screen reader is given.
#include "app/app_state.h"
#include "app/event_loop.h"
#include "app/keyboard_shortcuts.h"
#include "app/main_window_numbers.h"
#include "app/shutdown.h"
#include "app/ui_text.h"
#include "library/admin_window_numbers.h"
#include "library/search_window.h"
#include "online/worker_threads.h"
#include "platform/code_page.h"
#include "program_fixture.h"
#include "tests/runtime/net/local_listener.h"
#include "viewer/code_view.h"
#include "widgets/gadgets.h"
#include "widgets/list_gadget.h"
#include "widgets/menus.h"
#include "widgets/scintilla_gadget.h"
#include "widgets/status_bar.h"
#include "widgets/test_hooks.h"
#include "widgets/toolbar.h"
#include "widgets/tree_gadget.h"
#include "widgets/windows.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QWheelEvent>
#include <Qsci/qsciscintillabase.h>
#include <chrono>
#include <filesystem>
#include <thread>

namespace codarium::app {
namespace {

namespace fs = std::filesystem;
namespace hooks = widgets::testing;
using testsupport::readBytes;
using testsupport::writeBytes;

constexpr Qt::KeyboardModifiers Ctrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers CtrlShift = Qt::ControlModifier | Qt::ShiftModifier;

// Sci messages the checks read.
constexpr unsigned GetSelectionStart = QsciScintillaBase::SCI_GETSELECTIONSTART;
constexpr unsigned GetSelectionEnd = QsciScintillaBase::SCI_GETSELECTIONEND;
constexpr unsigned GetLength = QsciScintillaBase::SCI_GETLENGTH;

class KeyboardTest : public testsupport::ProgramTest {
protected:
    void TearDown() override {
        online::releaseAllThreads();
        ProgramTest::TearDown();
    }

    // Two categories; "Fenster" holds a code with the word three times and
    // two links.
    void writeLibrary(std::string_view settings) {
        writeStandardSettings(settings);
        for (const char* dir :
             {"Codes/Dialoge", "Codes/Fenster", "Einstellungen/Dialoge", "Einstellungen/Fenster"}) {
            fs::create_directories(programDir.path() / dir);
        }
        writeBytes(program("Einstellungen/Kategorien.ini"), "Dialoge\r\nFenster\r\n");
        writeBytes(program("Einstellungen/Dialoge.ini"), "Datei\r\n");
        writeBytes(program("Einstellungen/Fenster.ini"), "Offen\r\n");
        writeBytes(program("Codes/Dialoge/Datei.pb"), "OpenFileRequester(\"\", \"\", \"\", 0)\r\n");
        writeBytes(program("Codes/Fenster/Offen.pb"),
                   "; Fenster oeffnen\r\nOpenWindow(0, 0, 0, 1, 1, \"\")\r\n"
                   "If OpenWindow(1, 0, 0, 1, 1, \"\")\r\nEndIf ; openwindow\r\n");
        writeBytes(program("Einstellungen/Dialoge/Datei.ini"), "");
        writeBytes(program("Einstellungen/Fenster/Offen.ini"),
                   "OpenWindow\r\nhttp://127.0.0.1/a\r\nCloseWindow\r\nhttp://127.0.0.1/b\r\n");
    }

    void startActive(std::string_view settings = "[Einstellungen]\r\nPBPfad = 0\r\n") {
        writeLibrary(settings);
        ASSERT_TRUE(start());
        runPendingTurns();
        hooks::clearRecordedDialogs();
        activate(MainWindow);
    }

    static void activate(int window) {
        QWidget* w = hooks::windowObject(window);
        ASSERT_NE(w, nullptr);
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w)) << window;
    }

    // A key pressed where the focus is in the window, then the loop's turns.
    bool press(int window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* w = hooks::windowObject(window);
        QWidget* target = w->focusWidget() != nullptr ? w->focusWidget() : w;
        QTest::keyClick(target, key, modifiers);
        return runPendingTurns();
    }
    bool pressIn(int gadget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* g = hooks::gadgetObject(gadget);
        g->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(g, key, modifiers);
        return runPendingTurns();
    }

    void selectTreeItem(int position) {
        widgets::setCurrentTreeItem(LibraryTreeGadget, position);
        runPendingTurns();
    }

    // Tree positions: 0 Dialoge, 1 Datei, 2 Fenster, 3 Offen.
    static constexpr int Dialoge = 0, Datei = 1, Fenster = 2, Offen = 3;

    static QString accessibleName(QWidget* w) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        return a != nullptr ? a->text(QAccessible::Name) : QString();
    }
    // What a screen reader says for the focused widget: the label tied to
    // it, or else its own name.
    static std::string focusName(int window) {
        QWidget* focus = hooks::windowObject(window)->focusWidget();
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(focus);
        if (a == nullptr) {
            return {};
        }
        for (const auto& [label, relation] : a->relations(QAccessible::Label)) {
            return label->text(QAccessible::Name).toStdString();
        }
        return a->text(QAccessible::Name).toStdString();
    }
};

TEST_F(KeyboardTest, MenusShowTheShortcutsBesideTheirUnchangedLabels) {
    startActive();
    for (const CommandKeys& k : MainMenuShortcuts) {
        QAction* a = hooks::menuItemAction(MainMenu, k.command);
        ASSERT_NE(a, nullptr) << k.command;
        EXPECT_FALSE(a->shortcut().isEmpty()) << k.command;
        EXPECT_EQ(a->shortcut().toString(QKeySequence::PortableText).toStdString(),
                  std::string(k.keys.substr(0, k.keys.find(';'))))
            << k.command;
    }
    for (const CommandKeys& k : CodeViewPopupShortcuts) {
        EXPECT_FALSE(hooks::menuItemAction(CodeViewPopupMenu, k.command)->shortcut().isEmpty());
    }
    // The labels are the program's own, with no mnemonic added.
    EXPECT_EQ(widgets::menuItemText(MainMenu, command::Exit), "Sortie ");
    EXPECT_EQ(hooks::menuItemAction(MainMenu, command::Exit)->text(), QStringLiteral("Sortie "));
    EXPECT_EQ(hooks::menuItemAction(MainMenu, command::LinkMenu)->text(),
              QStringLiteral("Lien avec MSDN     "));
}

TEST_F(KeyboardTest, MainWindowKeysReachTheirCommands) {
    startActive();
    widgets::setGadgetText(SearchField, "Fenster");
    runPendingTurns();

    // Ctrl+F: the search field, its text selected.
    hooks::gadgetObject(LibraryTreeGadget)->setFocus();
    press(MainWindow, Qt::Key_F, Ctrl);
    auto* field = qobject_cast<QLineEdit*>(hooks::gadgetObject(SearchField));
    EXPECT_TRUE(field->hasFocus());
    EXPECT_EQ(field->selectedText(), QStringLiteral("Fenster"));

    // Ctrl+Shift+Plus and Ctrl+Shift+Minus: expand and collapse all.
    press(MainWindow, Qt::Key_Plus, CtrlShift);
    EXPECT_TRUE(widgets::treeItemExpanded(LibraryTreeGadget, Dialoge));
    EXPECT_TRUE(widgets::treeItemExpanded(LibraryTreeGadget, Fenster));
    press(MainWindow, Qt::Key_Minus, CtrlShift);
    EXPECT_FALSE(widgets::treeItemExpanded(LibraryTreeGadget, Dialoge));
    EXPECT_FALSE(widgets::treeItemExpanded(LibraryTreeGadget, Fenster));

    // F1: the About box.
    press(MainWindow, Qt::Key_F1);
    auto boxes = hooks::recordedMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Information  ");

    // Ctrl+Q: a close request that ends the loop.
    EXPECT_TRUE(press(MainWindow, Qt::Key_Q, Ctrl));
}

TEST_F(KeyboardTest, ReturnInTheTreeOpensACategoryOrTheCodeInTheEditor) {
    testsupport::ScratchFolder home;
    const fs::path record = home.path() / "record";
    const fs::path editor = home.path() / "purebasic";
    writeBytes(editor, "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + record.string() + ".part'\nmv '" +
                           record.string() + ".part' '" + record.string() + "'\n");
    fs::permissions(editor, fs::perms::owner_all);
    startActive("[Einstellungen]\r\nPBPfad = " + editor.string() + "\r\n");

    selectTreeItem(Fenster);
    pressIn(LibraryTreeGadget, Qt::Key_Return);
    EXPECT_TRUE(widgets::treeItemExpanded(LibraryTreeGadget, Fenster));
    pressIn(LibraryTreeGadget, Qt::Key_Return);
    EXPECT_FALSE(widgets::treeItemExpanded(LibraryTreeGadget, Fenster));
    EXPECT_FALSE(fs::exists(record)) << "a category opens nothing";

    widgets::setTreeItemExpanded(LibraryTreeGadget, Fenster, true);
    selectTreeItem(Offen);
    pressIn(LibraryTreeGadget, Qt::Key_Return);
    for (int i = 0; i < 200 && !fs::exists(record); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    EXPECT_NE(readBytes(record.string()).find("Codes/Fenster/Offen.pb"), std::string::npos);

    // Ctrl+E does the same as command 19.
    fs::remove(record);
    press(MainWindow, Qt::Key_E, Ctrl);
    for (int i = 0; i < 200 && !fs::exists(record); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    EXPECT_NE(readBytes(record.string()).find("Codes/Fenster/Offen.pb"), std::string::npos);
}

TEST_F(KeyboardTest, WithoutAnEditorReturnOnACodeOpensNothingAndCtrlEIsInert) {
    startActive(); // "PBPfad" is "0": command 19 stays disabled
    widgets::setTreeItemExpanded(LibraryTreeGadget, Fenster, true);
    selectTreeItem(Offen);
    EXPECT_TRUE(widgets::menuItemDisabled(MainMenu, command::OpenInEditor));
    pressIn(LibraryTreeGadget, Qt::Key_Return);
    press(MainWindow, Qt::Key_E, Ctrl);
    EXPECT_TRUE(hooks::recordedMessageBoxes().empty());
    EXPECT_EQ(widgets::currentTreeItem(LibraryTreeGadget), Offen);
}

TEST_F(KeyboardTest, CtrlLShowsTheLinkPopupAtTheKeyboardFocus) {
    startActive();
    widgets::setTreeItemExpanded(LibraryTreeGadget, Fenster, true);
    selectTreeItem(Offen);
    QMenu* popup = nullptr;

    // From the tree: just below its current item.
    pressIn(LibraryTreeGadget, Qt::Key_L, Ctrl);
    popup = hooks::popupMenuObject(LinkPopupMenu);
    ASSERT_NE(popup, nullptr);
    ASSERT_TRUE(popup->isVisible());
    EXPECT_EQ(popup->actions().size(), 2);
    const auto place = widgets::treeItemPlace(LibraryTreeGadget, Offen);
    auto* tree = qobject_cast<QAbstractScrollArea*>(hooks::gadgetObject(LibraryTreeGadget));
    const QPoint below = tree->viewport()->mapToGlobal(QPoint(place.x, place.y + place.height));
    EXPECT_EQ(popup->pos(), below);
    popup->hide();

    // From the code view: at its caret, which is not where the tree item is.
    constexpr unsigned GotoPos = QsciScintillaBase::SCI_GOTOPOS;
    widgets::sendScintilla(CodeViewGadget, GotoPos, 40);
    pressIn(CodeViewGadget, Qt::Key_L, Ctrl);
    popup = hooks::popupMenuObject(LinkPopupMenu);
    ASSERT_TRUE(popup->isVisible());
    QWidget* view = hooks::gadgetObject(CodeViewGadget);
    EXPECT_TRUE(QRect(view->mapToGlobal(QPoint(0, 0)), view->size()).contains(popup->pos()));
    EXPECT_NE(popup->pos(), below);
    popup->hide();
}

TEST_F(KeyboardTest, CopyAndSelectAllKeysInTheCodeView) {
    startActive();
    widgets::setTreeItemExpanded(LibraryTreeGadget, Dialoge, true);
    selectTreeItem(Datei);
    QApplication::clipboard()->clear();
    pressIn(CodeViewGadget, Qt::Key_A, Ctrl);
    EXPECT_EQ(widgets::sendScintilla(CodeViewGadget, GetSelectionStart), 0);
    EXPECT_EQ(widgets::sendScintilla(CodeViewGadget, GetSelectionEnd),
              widgets::sendScintilla(CodeViewGadget, GetLength));
    pressIn(CodeViewGadget, Qt::Key_C, Ctrl);
    EXPECT_EQ(QApplication::clipboard()->text(),
              QStringLiteral("OpenFileRequester(\"\", \"\", \"\", 0)\r\n"));
}

TEST_F(KeyboardTest, ZoomKeysAndWheelAreKeptAcrossStarts) {
    startActive();
    EXPECT_EQ(viewer::zoom(CodeViewGadget), 0);
    press(MainWindow, Qt::Key_Plus, Ctrl);
    press(MainWindow, Qt::Key_Plus, Ctrl);
    EXPECT_EQ(viewer::zoom(CodeViewGadget), 2);
    press(MainWindow, Qt::Key_Minus, Ctrl);
    EXPECT_EQ(viewer::zoom(CodeViewGadget), 1);
    press(MainWindow, Qt::Key_0, Ctrl);
    EXPECT_EQ(viewer::zoom(CodeViewGadget), 0);

    // Ctrl and the wheel over the view.
    QWidget* viewport =
        qobject_cast<QAbstractScrollArea*>(hooks::gadgetObject(CodeViewGadget))->viewport();
    for (int i = 0; i < 3; ++i) {
        QWheelEvent wheel(QPointF(10, 10), viewport->mapToGlobal(QPointF(10, 10)), QPoint(),
                          QPoint(0, 120), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(viewport, &wheel);
    }
    runPendingTurns();
    EXPECT_EQ(viewer::zoom(CodeViewGadget), 3);

    ASSERT_TRUE(saveSettingsAtExit());
    EXPECT_NE(readBytes(standardFile()).find("Zoom = 3\r\n"), std::string::npos);

    // The second start shows the view zoomed as it was left.
    widgets::closeWindow(MainWindow);
    resetAppState();
    ASSERT_TRUE(start());
    EXPECT_EQ(appSettings().zoom, 3);
    EXPECT_EQ(viewer::zoom(CodeViewGadget), 3);
}

TEST_F(KeyboardTest, ADefaultRunWritesNoZoom) {
    startActive();
    ASSERT_TRUE(saveSettingsAtExit());
    EXPECT_EQ(readBytes(standardFile()).find("Zoom"), std::string::npos);
}

TEST_F(KeyboardTest, SearchWindowKeysAndStepsBetweenTheMarks) {
    startActive();
    widgets::setGadgetText(SearchField, "openwindow");
    ASSERT_TRUE(hooks::pressReturn(SearchField));
    runPendingTurns();
    ASSERT_TRUE(widgets::isWindow(SearchWindow));
    activate(SearchWindow);
    ASSERT_EQ(widgets::listRowCount(library::ResultList), 1);
    EXPECT_EQ(widgets::listRowToolTip(library::ResultList, 0),
              "Zeile 2: OpenWindow(0, 0, 0, 1, 1, \"\")");
    EXPECT_EQ(focusName(SearchWindow), "Suchergebnisse");

    // Ctrl+Return: "Anzeigen und schließen".
    widgets::setSelectedListRow(library::ResultList, 0);
    runPendingTurns();
    press(SearchWindow, Qt::Key_Return, Ctrl);
    EXPECT_FALSE(widgets::isWindow(SearchWindow));
    EXPECT_EQ(widgets::currentTreeItem(LibraryTreeGadget), Offen);

    // F3 and Shift+F3 step through the three marks, round at the ends.
    activate(MainWindow);
    const auto selection = [] {
        return std::pair{widgets::sendScintilla(CodeViewGadget, GetSelectionStart),
                         widgets::sendScintilla(CodeViewGadget, GetSelectionEnd)};
    };
    const std::string text = "; Fenster oeffnen\r\nOpenWindow(0, 0, 0, 1, 1, \"\")\r\n"
                             "If OpenWindow(1, 0, 0, 1, 1, \"\")\r\nEndIf ; openwindow\r\n";
    std::vector<std::intptr_t> starts;
    for (auto at = text.find("penWindow"); at != std::string::npos;
         at = text.find("penWindow", at + 1)) {
        starts.push_back(static_cast<std::intptr_t>(at) - 1);
    }
    starts.push_back(static_cast<std::intptr_t>(text.rfind("openwindow")));
    ASSERT_EQ(starts.size(), 3u);
    EXPECT_EQ(selection().first, starts[0]) << "the view starts at the first mark";
    press(MainWindow, Qt::Key_F3);
    EXPECT_EQ(selection(), (std::pair{starts[1], starts[1] + 10}));
    press(MainWindow, Qt::Key_F3);
    EXPECT_EQ(selection().first, starts[2]);
    press(MainWindow, Qt::Key_F3);
    EXPECT_EQ(selection().first, starts[0]) << "round to the first";
    press(MainWindow, Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(selection().first, starts[2]) << "round to the last";
    press(MainWindow, Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_EQ(selection().first, starts[1]);

    // Escape: "Schließen".
    ASSERT_TRUE(hooks::pressReturn(SearchField));
    runPendingTurns();
    activate(SearchWindow);
    press(SearchWindow, Qt::Key_Escape);
    EXPECT_FALSE(widgets::isWindow(SearchWindow));
}

TEST_F(KeyboardTest, TabLeavesTheSubmissionsCodeViewAndCtrlTabTypesATab) {
    startActive();
    ASSERT_TRUE(hooks::chooseMenuItem(MainMenu, command::SubmitCode));
    runPendingTurns();
    ASSERT_TRUE(widgets::isWindow(SubmissionWindow));
    activate(SubmissionWindow);
    EXPECT_EQ(focusName(SubmissionWindow), "Autor:");
    constexpr int CodeView = 213;
    pressIn(CodeView, Qt::Key_Tab, Ctrl);
    EXPECT_EQ(widgets::sendScintilla(CodeView, GetLength), 1) << "one tab typed";
    press(SubmissionWindow, Qt::Key_Tab);
    EXPECT_FALSE(hooks::gadgetObject(CodeView)->hasFocus());
    EXPECT_EQ(focusName(SubmissionWindow), "Senden") << "the next in the layout";
    press(SubmissionWindow, Qt::Key_Escape);
    EXPECT_FALSE(widgets::isWindow(SubmissionWindow));
}

TEST_F(KeyboardTest, F5StartsTheUpdateCheckAndEscapeCancelsIt) {
    testing::LocalListener silent;
    writeBytes(program("Konfiguration.ini"),
               "[Konfiguration]\r\nSoftware = Codarium\r\nServer = http://127.0.0.1:" +
                   std::to_string(silent.port()) + "\r\nVerzeichnis = codarium\r\n");
    startActive();
    press(MainWindow, Qt::Key_F5);
    ASSERT_TRUE(widgets::isWindow(UpdateWaitWindow));
    activate(UpdateWaitWindow);
    press(UpdateWaitWindow, Qt::Key_Escape);
    EXPECT_FALSE(widgets::isWindow(UpdateWaitWindow));
}

TEST_F(KeyboardTest, ScreenReadersGetNamesAndTheStatusBarsChanges) {
    startActive("[Einstellungen]\r\nPBPfad = 0\r\nAdministratormodus = 1\r\n");
    QToolBar* bar = hooks::toolBarObject(MainToolBar);
    for (const int cmd : hooks::toolBarLayout(MainToolBar)) {
        if (cmd < 0) {
            continue;
        }
        QWidget* button = bar->widgetForAction(hooks::toolBarAction(MainToolBar, cmd));
        EXPECT_EQ(accessibleName(button).toStdString(),
                  platform::toQString(widgets::toolBarToolTip(MainToolBar, cmd)).toStdString())
            << cmd;
        EXPECT_FALSE(accessibleName(button).isEmpty()) << cmd;
    }
    EXPECT_EQ(accessibleName(hooks::gadgetObject(SearchField)), QStringLiteral("Suchtext"));
    EXPECT_EQ(accessibleName(hooks::gadgetObject(LibraryTreeGadget)),
              QStringLiteral("Kategorien und Codes"));
    EXPECT_EQ(accessibleName(hooks::gadgetObject(CodeViewGadget)), QStringLiteral("Code"));

    // The status bar's field reads its current text (a change is sent as a
    // name-changed event, which only a running screen reader receives).
    widgets::setStatusBarText(MainStatusBar, 0, "3 Kategorien");
    QLabel* field = hooks::statusBarObject(MainStatusBar)->findChild<QLabel*>();
    EXPECT_EQ(accessibleName(field), QStringLiteral("3 Kategorien"));

    // Tab order in the main window: field, button, tree, code view.
    hooks::gadgetObject(SearchField)->setFocus();
    widgets::setGadgetText(SearchField, "x");
    runPendingTurns();
    std::vector<std::string> order;
    for (int i = 0; i < 4; ++i) {
        order.push_back(focusName(MainWindow));
        press(MainWindow, Qt::Key_Tab);
    }
    EXPECT_EQ(order,
              (std::vector<std::string>{"Suchtext", "Suchen", "Kategorien und Codes", "Code"}));
}

TEST_F(KeyboardTest, DialogsOpenAtTheirFirstFieldAndFollowTheirLayout) {
    startActive("[Einstellungen]\r\nPBPfad = 0\r\nAdministratormodus = 1\r\n");
    ASSERT_TRUE(hooks::chooseMenuItem(MainMenu, command::AddCode));
    runPendingTurns();
    ASSERT_TRUE(widgets::isWindow(library::AddCodeWindow));
    activate(library::AddCodeWindow);

    // Labels read with their fields, in the order of the layout.
    std::vector<std::string> order;
    for (int i = 0; i < 6; ++i) {
        order.push_back(focusName(library::AddCodeWindow));
        press(library::AddCodeWindow, Qt::Key_Tab);
    }
    EXPECT_EQ(order, (std::vector<std::string>{"Titel:", "Kategorie:", "Code:", "MSDN-Links:",
                                               "Hinzufügen", "Abbrechen"}))
        << "the disabled buttons are passed over";

    // Ctrl+Tab types a tab into the code; Shift+Tab goes back from it.
    pressIn(library::CodeSourceEditor, Qt::Key_Tab, Ctrl);
    EXPECT_EQ(widgets::gadgetText(library::CodeSourceEditor), "\t");
    EXPECT_EQ(focusName(library::AddCodeWindow), "Code:");
    press(library::AddCodeWindow, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focusName(library::AddCodeWindow), "Kategorie:");
    widgets::setGadgetText(library::CodeSourceEditor, "");

    // Return does nothing while "Hinzufügen" is disabled, then adds the code.
    QWidget* title = hooks::gadgetObject(library::CodeTitleField);
    title->setFocus();
    press(library::AddCodeWindow, Qt::Key_Return);
    EXPECT_TRUE(widgets::isWindow(library::AddCodeWindow));
    ASSERT_TRUE(hooks::typeIntoField(library::CodeTitleField, "Neu"));
    ASSERT_TRUE(hooks::typeIntoField(library::CodeSourceEditor, "Debug 1"));
    runPendingTurns();
    pressIn(library::CodeTitleField, Qt::Key_Return);
    EXPECT_FALSE(widgets::isWindow(library::AddCodeWindow));
    EXPECT_TRUE(fs::exists(programDir.path() / "Codes/Dialoge/Neu.pb"));

    // Escape is "Abbrechen", and the focus starts in the first field.
    ASSERT_TRUE(hooks::chooseMenuItem(MainMenu, command::CreateCategory));
    runPendingTurns();
    activate(library::CreateCategoryWindow);
    EXPECT_EQ(focusName(library::CreateCategoryWindow), "Name:");
    press(library::CreateCategoryWindow, Qt::Key_Escape);
    EXPECT_FALSE(widgets::isWindow(library::CreateCategoryWindow));
    EXPECT_FALSE(widgets::windowDisabled(MainWindow));
}

TEST_F(KeyboardTest, EscapeClosesAnOpenDropDownOrMenuBeforeTheDialog) {
    startActive("[Einstellungen]\r\nPBPfad = 0\r\nAdministratormodus = 1\r\n");
    const auto popupOpen = [] { return QApplication::activePopupWidget() != nullptr; };
    const auto escapeInPopup = [&] {
        QWidget* popup = QApplication::activePopupWidget();
        QWidget* target = popup->focusWidget() != nullptr ? popup->focusWidget() : popup;
        QTest::keyClick(target, Qt::Key_Escape);
    };
    struct Case {
        int openCommand, window, choice, field;
    };
    for (const Case c : {Case{command::RemoveCategory, library::RemoveCategoryWindow,
                              library::RemoveCategoryChoice, -1},
                         Case{command::AddCode, library::AddCodeWindow, library::CodeCategoryChoice,
                              library::CodeTitleField}}) {
        SCOPED_TRACE(c.window);
        ASSERT_TRUE(hooks::chooseMenuItem(MainMenu, c.openCommand));
        runPendingTurns();
        activate(c.window);
        if (c.field >= 0) {
            ASSERT_TRUE(hooks::typeIntoField(c.field, "Getippt"));
        }

        auto* combo = qobject_cast<QComboBox*>(hooks::gadgetObject(c.choice));
        ASSERT_NE(combo, nullptr);
        combo->setFocus();
        combo->showPopup();
        ASSERT_TRUE(QTest::qWaitFor(popupOpen, 2000));
        escapeInPopup();
        runPendingTurns();
        EXPECT_TRUE(QTest::qWaitFor([&] { return !popupOpen(); }, 2000));
        ASSERT_TRUE(widgets::isWindow(c.window)) << "the dialog stays open";

        // So does a context menu, which runs a loop of its own.
        if (c.field >= 0) {
            QWidget* field = hooks::gadgetObject(c.field);
            bool menuSeen = false;
            QTimer::singleShot(0, [&] {
                static_cast<void>(QTest::qWaitFor(popupOpen, 2000));
                menuSeen = qobject_cast<QMenu*>(QApplication::activePopupWidget()) != nullptr;
                if (popupOpen()) {
                    escapeInPopup();
                }
            });
            QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(5, 5),
                                   field->mapToGlobal(QPoint(5, 5)));
            QCoreApplication::sendEvent(field, &menu);
            runPendingTurns();
            EXPECT_TRUE(menuSeen);
            ASSERT_TRUE(widgets::isWindow(c.window));
            EXPECT_EQ(widgets::gadgetText(c.field), "Getippt") << "what was typed stays";
        }

        // With nothing open, Escape is "Abbrechen". (The offscreen platform
        // leaves the closed popup's window active; a desktop does not.)
        QWidget* dialog = hooks::windowObject(c.window);
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == dialog; }, 2000));
        press(c.window, Qt::Key_Escape);
        EXPECT_FALSE(widgets::isWindow(c.window));
        EXPECT_FALSE(widgets::windowDisabled(MainWindow));
    }
}

} // namespace
} // namespace codarium::app
