// The API calls of a shipped code, on the real start-up with the shipped
// library and catalogue: the link popup, the tooltip and Ctrl+click in the
// view, Ctrl+L inside a call, and the search for the codes that call it.
// The desktop's opener is a stand-in on PATH that records what it is given.
#include "app/main_window_numbers.h"
#include "library/search_window.h"
#include "platform/code_page.h"
#include "program_fixture.h"
#include "viewer/code_view_text.h"
#include "widgets/list_gadget.h"
#include "widgets/menus.h"
#include "widgets/scintilla_gadget.h"
#include "widgets/test_hooks.h"
#include "widgets/tree_gadget.h"
#include "widgets/windows.h"

#include <QAbstractScrollArea>
#include <QHelpEvent>
#include <QMenu>
#include <QTest>
#include <QToolTip>
#include <Qsci/qsciscintillabase.h>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>

namespace codarium::app {
namespace {

namespace fs = std::filesystem;
namespace hooks = widgets::testing;
using testsupport::readBytes;
using testsupport::writeBytes;

constexpr std::string_view Category = "Registry";
constexpr std::string_view Title = "Zeichenkette aus der Registry lesen";
constexpr std::string_view Docs = "https://learn.microsoft.com/en-us/windows/win32/api/";

class ApiCallsViewTest : public testsupport::ProgramTest {
protected:
    void SetUp() override {
        ProgramTest::SetUp();
        const fs::path data = fs::path(CODARIUM_SOURCE_DIR) / "data";
        for (const char* part : {"Codes", "Einstellungen"}) {
            fs::copy(data / part, programDir.path() / part, fs::copy_options::recursive);
        }
        fs::copy_file(data / "MSDNLinks.ini", programDir.path() / "MSDNLinks.ini");
        writeStandardSettings("[Einstellungen]\r\nPBPfad = 0\r\n");

        const fs::path bin = programDir.path() / "bin";
        fs::create_directory(bin);
        writeBytes((bin / "xdg-open").string(),
                   "#!/bin/sh\nprintf '%s\\n' \"$1\" >> \"" + opened() + "\"\n");
        ::chmod((bin / "xdg-open").c_str(), 0755);
        const char* path = std::getenv("PATH");
        oldPath_ = path != nullptr ? path : "/usr/bin:/bin";
        ::setenv("PATH", (bin.string() + ":" + oldPath_).c_str(), 1);

        ASSERT_TRUE(start());
        runPendingTurns();
        hooks::clearRecordedDialogs();
        showShippedCode();
    }
    void TearDown() override {
        QToolTip::hideText();
        ::setenv("PATH", oldPath_.c_str(), 1);
        ProgramTest::TearDown();
    }

    std::string opened() const { return programDir / "opened"; }
    // The addresses the opener received, one a line, once as many as
    // `count` have arrived (or after `limit`).
    std::string openedAddresses(std::size_t count,
                                std::chrono::milliseconds limit = std::chrono::seconds(2)) const {
        testsupport::waitUntil(
            [&] {
                const std::string text = readBytes(opened());
                return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) >=
                       count;
            },
            limit);
        return readBytes(opened());
    }

    void showShippedCode() {
        const std::string wanted = platform::fromUtf8(std::string(Title));
        for (int i = 0; i < widgets::treeItemCount(LibraryTreeGadget); ++i) {
            if (widgets::treeItemText(LibraryTreeGadget, i) == wanted) {
                widgets::setCurrentTreeItem(LibraryTreeGadget, i);
                runPendingTurns();
                return;
            }
        }
        FAIL() << "no tree item " << Title;
    }

    // The popup's entries, as menu number:text ("-" a separator), shown
    // as the keyboard shows it from the focused gadget.
    std::vector<std::string> popupFrom(int gadget) {
        QWidget* g = hooks::gadgetObject(gadget);
        g->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(g, Qt::Key_L, Qt::ControlModifier);
        runPendingTurns();
        return hooks::menuOutline(LinkPopupMenu);
    }
    void hidePopup() {
        if (QMenu* popup = hooks::popupMenuObject(LinkPopupMenu)) {
            popup->hide();
        }
    }

    // The view's point in the middle of the text at `position`, scrolled
    // into sight first.
    static QPoint pointAt(std::size_t position) {
        const auto p = static_cast<std::intptr_t>(position);
        widgets::sendScintilla(CodeViewGadget, QsciScintillaBase::SCI_GOTOPOS,
                               static_cast<std::uintptr_t>(p));
        const auto x =
            widgets::sendScintilla(CodeViewGadget, QsciScintillaBase::SCI_POINTXFROMPOSITION, 0, p);
        const auto y =
            widgets::sendScintilla(CodeViewGadget, QsciScintillaBase::SCI_POINTYFROMPOSITION, 0, p);
        const auto height =
            widgets::sendScintilla(CodeViewGadget, QsciScintillaBase::SCI_TEXTHEIGHT, 0);
        return {static_cast<int>(x) + 2, static_cast<int>(y + height / 2)};
    }
    static QWidget* viewport() {
        return qobject_cast<QAbstractScrollArea*>(hooks::gadgetObject(CodeViewGadget))->viewport();
    }
    static QString toolTipAt(std::size_t position) {
        // Qt hides a tip after a short delay; each question starts with none.
        QToolTip::hideText();
        testsupport::waitUntil(
            [] {
                QCoreApplication::processEvents();
                return !QToolTip::isVisible();
            },
            std::chrono::seconds(2));
        const QPoint at = pointAt(position);
        QHelpEvent help(QEvent::ToolTip, at, viewport()->mapToGlobal(at));
        QCoreApplication::sendEvent(viewport(), &help);
        return QToolTip::isVisible() ? QToolTip::text() : QString();
    }
    static std::size_t find(std::string_view what) {
        return viewer::viewText(CodeViewGadget).find(what);
    }

private:
    std::string oldPath_;
};

TEST_F(ApiCallsViewTest, PopupListsTheAttachedLinksThenTheCallsEachOpeningOrListingItsCallers) {
    // The attached links first, unchanged; then each call the catalogue
    // knows, in the order of first use, with its companion.
    EXPECT_EQ(popupFrom(LibraryTreeGadget),
              (std::vector<std::string>{
                  "100:RegOpenKeyEx", "101:RegQueryValueEx", "102:RegCloseKey", "103:MessageBox",
                  "-", "110000:RegOpenKeyEx", "111000:Codes mit RegOpenKeyEx_()",
                  "110001:RegQueryValueEx", "111001:Codes mit RegQueryValueEx_()",
                  "110002:RegCloseKey", "111002:Codes mit RegCloseKey_()", "110003:MessageBox",
                  "111003:Codes mit MessageBox_()"}));
    hidePopup();

    // Ctrl+L with the caret inside a call: that call's entries lead.
    const std::size_t close = find("RegCloseKey_(");
    ASSERT_NE(close, std::string::npos);
    widgets::sendScintilla(CodeViewGadget, QsciScintillaBase::SCI_GOTOPOS, close + 4);
    const auto fromView = popupFrom(CodeViewGadget);
    ASSERT_GE(fromView.size(), 3u);
    EXPECT_EQ(
        std::vector<std::string>(fromView.begin(), fromView.begin() + 3),
        (std::vector<std::string>{"110002:RegCloseKey", "111002:Codes mit RegCloseKey_()", "-"}));

    // The entry opens the catalogue's address through the desktop's opener;
    // its companion opens nothing and lists the callers.
    QMenu* popup = hooks::popupMenuObject(LinkPopupMenu);
    ASSERT_NE(popup, nullptr);
    popup->actions().at(0)->trigger();
    runPendingTurns();
    const std::string address = std::string(Docs) + "winreg/nf-winreg-regclosekey\n";
    EXPECT_EQ(openedAddresses(1), address);
    popup->actions().at(1)->trigger();
    runPendingTurns();
    hidePopup();
    EXPECT_EQ(readBytes(opened()), address);

    ASSERT_TRUE(widgets::isWindow(library::SearchWindow));
    std::vector<std::string> rows;
    for (int r = 0; r < widgets::listRowCount(library::ResultList); ++r) {
        rows.push_back(platform::toUtf8(widgets::listCellText(library::ResultList, r, 1) + "|" +
                                        widgets::listCellText(library::ResultList, r, 0)));
    }
    std::sort(rows.begin(), rows.end());
    // Every shipped code that closes a key it opened, and no other.
    EXPECT_EQ(rows, (std::vector<std::string>{
                        "Registry|Autostart-Einträge auflisten",
                        "Registry|Unterschlüssel auflisten",
                        "Registry|Wert und Schlüssel löschen",
                        "Registry|Werte in die Registry schreiben",
                        "Registry|Zeichenkette aus der Registry lesen",
                    }));
}

TEST_F(ApiCallsViewTest, HoverShowsTheAddressAndCtrlClickOpensIt) {
    // The first RegOpenKeyEx is a mention in the header comment: no tip.
    const std::size_t mention = find("RegOpenKeyEx");
    const std::size_t call = find("RegOpenKeyEx_(");
    ASSERT_LT(mention, call);
    EXPECT_EQ(toolTipAt(mention + 3), QString());

    const QString tip = toolTipAt(call + 3);
    EXPECT_TRUE(tip.startsWith(QString::fromUtf8(Docs.data(), Docs.size()) +
                               "winreg/nf-winreg-regopenkeyexw\n"))
        << tip.toStdString();
    EXPECT_TRUE(tip.endsWith(QStringLiteral("Strg+Klick öffnet die Dokumentation")));
    // A PureBasic function is coloured as a call too, but has no tip.
    EXPECT_EQ(toolTipAt(find("AllocateMemory(") + 3), QString());

    // A plain click only moves the caret; Ctrl+click opens the address.
    QTest::mouseClick(viewport(), Qt::LeftButton, Qt::NoModifier, pointAt(call + 3));
    QTest::mouseClick(viewport(), Qt::LeftButton, Qt::ControlModifier, pointAt(call + 3));
    runPendingTurns();
    EXPECT_EQ(openedAddresses(1), std::string(Docs) + "winreg/nf-winreg-regopenkeyexw\n");
    // Ctrl+click beside a call does what a click does.
    QTest::mouseClick(viewport(), Qt::LeftButton, Qt::ControlModifier,
                      pointAt(find("Procedure.s") + 2));
    runPendingTurns();
    EXPECT_EQ(openedAddresses(2, std::chrono::milliseconds(500)),
              std::string(Docs) + "winreg/nf-winreg-regopenkeyexw\n");
}

} // namespace
} // namespace codarium::app
