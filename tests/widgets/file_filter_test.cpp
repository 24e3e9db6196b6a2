#include "widgets/file_filter.h"

#include <gtest/gtest.h>

namespace codarium::widgets {
namespace {

TEST(FileFilter, PairsBecomeDialogFilters) {
    EXPECT_EQ(dialogFilterOf("Executable-Dateien|PureBasic.exe"),
              "Executable-Dateien (PureBasic.exe)");
    EXPECT_EQ(dialogFilterOf("Bilder|*.png;*.ico|Alle|*.*"), "Bilder (*.png *.ico);;Alle (*.*)");
}

TEST(FileFilter, MissingPatternsAndEmptyInput) {
    EXPECT_EQ(dialogFilterOf(""), "");
    EXPECT_EQ(dialogFilterOf("Alles"), "Alles (*)");
    EXPECT_EQ(dialogFilterOf("Alles|"), "Alles (*)");
    EXPECT_EQ(dialogFilterOf("A|;;x;"), "A (x)");
}

} // namespace
} // namespace codarium::widgets
