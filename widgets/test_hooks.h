#pragma once
// Hooks for tests: the Qt objects behind the numbers, user actions injected
// as a user would make them (through the widgets' own signals, so the same
// events arrive), and scripted answers for modal dialogs so that no test
// ever blocks. Not for program code.
#include "widgets/dialog_stand_in.h"

#include <QAction>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QWidget>
#include <string>
#include <string_view>
#include <vector>

namespace codarium::widgets::testing {

// Lookup (nullptr when absent).
QWidget* windowObject(int window); // the top-level widget
QWidget* gadgetObject(int gadget);
QMenuBar* menuBarObject(int menu); // a menu made by createMenu
QMenu* popupMenuObject(int menu);  // a menu made by createPopupMenu
QAction* menuItemAction(int menu, int command);
QToolBar* toolBarObject(int toolbar);
QAction* toolBarAction(int toolbar, int command);
QStatusBar* statusBarObject(int statusBar);
QImage imageObject(int image); // a null image when empty or absent

// The image number given to a menu item or toolbar button (-1: none).
int actionImageNumber(const QAction* action);

// The command numbers of a toolbar's buttons left to right, -1 for a separator.
std::vector<int> toolBarLayout(int toolbar);

// A menu's structure: one line per entry, depth-first, in order; titles and
// submenus as "<indent>[text]", items as "<indent>command:text", separators
// as "<indent>-"; indent two blanks per level. Texts are program text.
std::vector<std::string> menuOutline(int menu);

// User actions. Each returns false when the target is absent or disabled
// (a disabled control takes no input, as for a user).
bool clickButton(int gadget);
bool chooseMenuItem(int menu, int command);
bool clickToolBarButton(int toolbar, int command);
bool typeIntoField(int gadget, std::string_view text); // appends, Change per edit
bool pressReturn(int gadget);
// A mouse click into a gadget at its centre, which also asks for the focus
// as a click would.
bool clickIntoGadget(int gadget);
bool clickTreeItem(int gadget, int position);
// As the close box would (or the window manager).
bool requestWindowClose(int window);
// Lets Qt handle pending events (layout, resize) without taking queue events.
void processPendingEvents();

// Scripted dialogs. While scripting is on, no message box or file dialog is
// shown: each call takes the next queued answer (a message box without one
// answers Ok or No, a file dialog ""), and what would have been shown is
// recorded. Thread-safe (worker boxes are scripted too).
using RecordedMessageBox = MessageBoxQuestion;
using RecordedFileDialog = FileDialogQuestion;
void scriptDialogs(bool on); // off clears the queues and the records
void queueMessageBoxAnswer(MessageResult answer);
void queueFileDialogAnswer(std::string_view path); // "" = cancelled
std::vector<RecordedMessageBox> recordedMessageBoxes();
std::vector<RecordedFileDialog> recordedFileDialogs();
void clearRecordedDialogs();
// Undoes endModalLoops, so that the next test in the process shows boxes.
void reopenModalLoops();

} // namespace codarium::widgets::testing
