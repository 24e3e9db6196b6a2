#pragma once
// Shared set-up of the code view tests: an application on the offscreen
// platform, a HOME of its own per test (so the editor's preferences file is
// the test's), a window for the views, and small readers of a view's state.
#include "viewer/code_view.h"
#include "widgets/object_registry.h"
#include "widgets/scintilla_gadget.h"
#include "widgets/windows.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace codarium::viewer::test {

inline constexpr int TestWindow = 2;
inline constexpr const char* RecordingPlugin = RECORDING_HIGHLIGHTER_PATH;
inline constexpr const char* StrayPlugin = STRAY_HIGHLIGHTER_PATH;
inline constexpr const char* NoEntryPlugin = NO_ENTRY_PLUGIN_PATH;

class ViewTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A file in the test's temporary folder holding exactly `bytes`.
    std::string writeFile(const std::string& name, const std::string& bytes);
    static std::string readFile(const std::string& path);
    std::string path(const std::string& name) const;
    // Writes the editor's preferences file under the test's HOME.
    void writeEditorPrefs(const std::string& contents);

    std::unique_ptr<QTemporaryDir> home_;
};

// The view's text as Scintilla holds it (bytes in the view's code page).
std::string viewBytes(int view);
// The text as the view shows it.
QString shownText(int view);
std::intptr_t send(int view, unsigned int message, std::uintptr_t wParam = 0,
                   std::intptr_t lParam = 0);
std::string styleFont(int view, int style);
// Scintilla's own style of every position, as a string of digits and letters.
std::string stylesOf(int view, std::intptr_t from, std::intptr_t to);

} // namespace codarium::viewer::test
