// Library text against native text: library names are converted once where
// they join a folder, and paths reach the widgets as their own UTF-8.
#include "platform/code_page.h"
#include "platform/paths.h"

#include <gtest/gtest.h>

namespace codarium::platform {
namespace {

// UTF-8 names beyond Windows-1252, as users' names and folders are.
constexpr const char* Lukasz = "\xC5\x81ukasz";
constexpr const char* Programs =
    "\xD0\x9F\xD1\x80\xD0\xBE\xD0\xB3\xD1\x80\xD0\xB0\xD0\xBC\xD0\xBC\xD1\x8B";
constexpr const char* Japanese = "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E";
constexpr const char* Emoji = "Ordner \xF0\x9F\x98\x80";

TEST(Paths, LibraryNamesAreConvertedOnlyWhereTheyJoinAFolder) {
    const std::string folder = std::string("/home/") + Lukasz + "/Codes";
    const struct {
        const char* libraryName; // Windows-1252
        const char* native;      // UTF-8
    } cases[] = {
        {"Fenster", "Fenster"},
        {"\xC4pfel", "\xC3\x84pfel"},                 // Äpfel
        {"Preis \x80 neu", "Preis \xE2\x82\xAC neu"}, // the euro sign at 0x80
        {"\x8A\x9F", "\xC5\xA0\xC5\xB8"},             // Š and Ÿ
    };
    for (const auto& c : cases) {
        EXPECT_EQ(joinLibraryName(folder, c.libraryName), folder + "/" + c.native) << c.native;
        EXPECT_EQ(joinLibraryName("", c.libraryName), c.native) << c.native;
        EXPECT_EQ(nativeFormOf(c.libraryName), c.native) << c.native;
        EXPECT_EQ(libraryFormOf(c.native), c.libraryName) << c.native;
        EXPECT_TRUE(fitsLibraryText(c.native)) << c.native;
    }
    // The native folder itself is never converted, whatever it holds.
    EXPECT_EQ(joinPath(folder, "\xC3\x84pfel"), folder + "/\xC3\x84pfel");
    EXPECT_EQ(joinPath(folder + "/", "a"), folder + "/a");
}

TEST(Paths, NativeTextBeyondTheCodePageIsNoLibraryText) {
    for (const char* native : {Lukasz, Programs, Japanese, Emoji, "\xC4"}) {
        EXPECT_FALSE(fitsLibraryText(native)) << native;
        EXPECT_NE(nativeFormOf(libraryFormOf(native)), native) << native;
    }
    EXPECT_EQ(libraryFormOf(Lukasz), "?ukasz");
}

TEST(Paths, WidgetTextOfAPathIsItsUtf8NotLibraryText) {
    for (const char* native : {Lukasz, Programs, Japanese, Emoji, "\xC3\x84pfel"}) {
        const QString shown = pathToQString(native);
        EXPECT_EQ(shown, QString::fromUtf8(native)) << native;
        EXPECT_EQ(pathFromQString(shown), native) << native;
    }
    // The library's conversion would read the same bytes as Windows-1252.
    EXPECT_NE(toQString("\xC3\x84pfel"), pathToQString("\xC3\x84pfel"));
}

} // namespace
} // namespace codarium::platform
