#include "gui_fixture.h"
#include "widgets/fonts.h"
#include "widgets/gadgets.h"
#include "widgets/image_gadget.h"
#include "widgets/images.h"
#include "widgets/splitter_gadget.h"
#include "widgets/test_hooks.h"
#include "widgets/text_gadgets.h"
#include "widgets/windows.h"

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <string>

namespace codarium::widgets {
namespace {

using testsupport::drainEvents;

class ImageTest : public testsupport::GuiTest {};

std::string grafik(const char* name) {
    return std::string(CODARIUM_SOURCE_DIR) + "/data/Grafiken/" + name;
}

TEST_F(ImageTest, IconsAndPngsLoadAndMissingFilesLeaveTheImageEmpty) {
    EXPECT_TRUE(loadImage(7, grafik("Aktualisierung.ico")));
    EXPECT_TRUE(isImage(7));
    EXPECT_GE(imageWidth(7), 32); // the largest picture of the icon
    EXPECT_TRUE(loadImage(14, grafik("Banner.png")));
    EXPECT_GT(imageWidth(14), imageHeight(14));
    EXPECT_FALSE(loadImage(8, grafik("gibt-es-nicht.ico")));
    EXPECT_FALSE(isImage(8));
    EXPECT_EQ(imageWidth(8), 0);
    // A number that held a picture is emptied by a failed load.
    EXPECT_FALSE(loadImage(7, grafik("gibt-es-nicht.ico")));
    EXPECT_FALSE(isImage(7));
}

TEST_F(ImageTest, AFileWhoseNameHidesOrMisstatesItsFormatStillLoads) {
    const QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(loadImage(14, grafik("Banner.png")));
    ASSERT_TRUE(loadImage(7, grafik("Aktualisierung.ico")));
    const struct {
        const char* source;
        const char* copy;
        int sameAs;
    } cases[] = {{"Banner.png", "Banner.ico", 14},
                 {"Banner.png", "Banner", 14},
                 {"Aktualisierung.ico", "Aktualisierung.png", 7},
                 {"Aktualisierung.ico", "Aktualisierung.ICO", 7}};
    for (const auto& c : cases) {
        const QString copy = dir.filePath(QString::fromLatin1(c.copy));
        ASSERT_TRUE(QFile::copy(QString::fromStdString(grafik(c.source)), copy));
        EXPECT_TRUE(loadImage(40, copy.toStdString())) << c.copy;
        EXPECT_EQ(imageWidth(40), imageWidth(c.sameAs)) << c.copy;
        EXPECT_EQ(imageHeight(40), imageHeight(c.sameAs)) << c.copy;
    }
    // Bytes that are no picture at all, whatever the name says.
    QFile junk(dir.filePath(QStringLiteral("kaputt.png")));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("\x89PNG kein Bild");
    junk.close();
    EXPECT_FALSE(loadImage(40, junk.fileName().toStdString()));
}

TEST_F(ImageTest, TextIsDrawnOnACopyWithoutTouchingTheOriginal) {
    ASSERT_TRUE(createImage(14, 500, 50));
    ASSERT_TRUE(loadFont(1, "", 12));
    EXPECT_TRUE(isFont(1));
    ASSERT_TRUE(copyImage(14, 101));
    const int width = textWidth("Herzlich Willkommen", 1);
    EXPECT_GT(width, textWidth("H", 1));
    drawTextOnImage(101, (imageWidth(101) - width) / 2, 15, "Herzlich Willkommen",
                    {.frontColour = 0xFFFFFF, .transparentBackground = true, .font = 1});
    const QImage original = testing::imageObject(14);
    const QImage drawn = testing::imageObject(101);
    int changed = 0;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            changed += drawn.pixel(x, y) != original.pixel(x, y);
        }
    }
    EXPECT_GT(changed, 50);
    // Transparent background: the corners stay as they were.
    EXPECT_EQ(drawn.pixel(0, 0), original.pixel(0, 0));
    EXPECT_EQ(qAlpha(original.pixel(250, 25)), 0);
    EXPECT_FALSE(copyImage(99, 102));
    EXPECT_FALSE(isImage(102));
}

TEST_F(ImageTest, ImageGadgetTakesTheImagesSize) {
    ASSERT_TRUE(openWindow(20, 0, 0, 500, 250, "Pfadeinstellung", DialogFlags));
    ASSERT_TRUE(createImage(101, 480, 55));
    ASSERT_TRUE(imageGadget(101, 20, 0, 0, 0, 0, 101));
    EXPECT_EQ(gadgetWidth(101), 480);
    EXPECT_EQ(gadgetHeight(101), 55);
    EXPECT_FALSE(static_cast<QLabel*>(testing::gadgetObject(101))->pixmap().isNull());
}

class SplitterTest : public testsupport::GuiTest {
protected:
    void SetUp() override {
        GuiTest::SetUp();
        ASSERT_TRUE(openWindow(20, 0, 0, 800, 600, "Haupt", MainWindowFlags));
        ASSERT_TRUE(buttonGadget(3, 20, 0, 0, 0, 0, "links"));
        ASSERT_TRUE(buttonGadget(4, 20, 0, 0, 0, 0, "rechts"));
        ASSERT_TRUE(splitterGadget(5, 20, 0, 67, 800, 495, 3, 4));
        setSplitterMinimums(5, 200, 200);
        setSplitterPosition(5, 200);
        drainEvents();
    }
};

TEST_F(SplitterTest, PanesSitBesideAFourPixelBar) {
    EXPECT_EQ(splitterPosition(5), 200);
    EXPECT_EQ(gadgetState(5), 200);
    EXPECT_EQ(gadgetWidth(3), 200);
    EXPECT_EQ(gadgetX(4), 204);
    EXPECT_EQ(gadgetWidth(4), 596);
    EXPECT_EQ(gadgetHeight(4), 495);
    setSplitterPosition(5, 50);
    EXPECT_EQ(splitterPosition(5), 200);
    setSplitterPosition(5, 700);
    EXPECT_EQ(splitterPosition(5), 596);
}

TEST_F(SplitterTest, ResizingKeepsTheTreePaneUntilTheViewPaneNeedsRoom) {
    setSplitterPosition(5, 300);
    resizeGadget(5, Ignore, Ignore, 1000, Ignore);
    EXPECT_EQ(gadgetWidth(3), 300);
    EXPECT_EQ(gadgetWidth(4), 696);
    resizeGadget(5, Ignore, Ignore, 450, Ignore);
    EXPECT_EQ(gadgetWidth(4), 200);
    EXPECT_EQ(gadgetWidth(3), 246);
    // What the tree pane gave up it does not get back by itself.
    resizeGadget(5, Ignore, Ignore, 1000, Ignore);
    EXPECT_EQ(gadgetWidth(3), 246);
    resizeGadget(5, Ignore, Ignore, 300, Ignore);
    EXPECT_EQ(gadgetWidth(3), 200);
    EXPECT_EQ(gadgetWidth(4), 96);
}

} // namespace
} // namespace codarium::widgets
