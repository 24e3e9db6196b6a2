#include "app/settings.h"
#include "app/zoom_rule.h"
#include "default_settings_bytes.h"
#include "tests/support/scratch_folder.h"

#include <gtest/gtest.h>

namespace codarium::app {
namespace {

using testsupport::readBytes;
using testsupport::ScratchFolder;
using testsupport::writeBytes;

TEST(ZoomRule, StepsStayInTheViewsRange) {
    struct Case {
        int from;
        ZoomStep step;
        int expected;
    };
    for (const Case& c :
         {Case{0, ZoomStep::In, 1}, Case{0, ZoomStep::Out, -1}, Case{7, ZoomStep::Reset, 0},
          Case{-4, ZoomStep::Reset, 0}, Case{MaximumZoom, ZoomStep::In, MaximumZoom},
          Case{MinimumZoom, ZoomStep::Out, MinimumZoom},
          Case{MaximumZoom + 5, ZoomStep::Out, MaximumZoom}}) {
        EXPECT_EQ(zoomAfter(c.from, c.step), c.expected) << c.from;
    }
    EXPECT_EQ(zoomFromSetting(99), MaximumZoom);
    EXPECT_EQ(zoomFromSetting(-99), MinimumZoom);
    EXPECT_EQ(zoomFromSetting(3), 3);
}

TEST(ZoomSetting, WrittenOnlyWhenNotZeroOrAlreadyStored) {
    EXPECT_FALSE(zoomKeyWritten(0, false));
    EXPECT_TRUE(zoomKeyWritten(0, true));
    EXPECT_TRUE(zoomKeyWritten(-2, false));

    ScratchFolder folder;
    const auto path = folder / "s.ini";
    const std::string_view defaults = testsupport::DefaultSettingsFile;
    const WindowSnapshot window{WindowSnapshot::State::Normal, 800, 600, 200};
    writeBytes(path, defaults);
    AppSettings s;
    ASSERT_TRUE(writeSettings(path, s, window));
    EXPECT_EQ(readBytes(path), defaults) << "a default file stays byte for byte";

    s.zoom = 3;
    ASSERT_TRUE(writeSettings(path, s, window));
    EXPECT_EQ(readBytes(path), std::string(defaults) + "Zoom = 3\r\n");
    AppSettings back;
    ASSERT_TRUE(readSettings(path, back));
    EXPECT_EQ(back.zoom, 3);

    // Back at 0 the key stays and says so, or the next start would zoom again.
    s.zoom = 0;
    ASSERT_TRUE(writeSettings(path, s, window));
    ASSERT_TRUE(readSettings(path, back));
    EXPECT_EQ(back.zoom, 0);
    EXPECT_EQ(readBytes(path), std::string(defaults) + "Zoom = 0\r\n");

    writeBytes(path, std::string(defaults) + "Zoom = 400\r\n");
    ASSERT_TRUE(readSettings(path, back));
    EXPECT_EQ(back.zoom, MaximumZoom) << "a stored value outside the range is clamped";
}

} // namespace
} // namespace codarium::app
