// The icons of windows 2, 3 and 10 beside their texts: shown whole at 32 x 32
// at x 20, ending before the texts that begin at x 60.
#include "online/update_wait_window.h"
#include "online/update_window_numbers.h"
#include "submission_fixture.h"

#include <QLabel>

namespace codarium::online::submissiontest {
namespace {

struct IconPlace {
    int window;
    int icon;
    std::vector<int> texts; // the gadgets that begin beside the icon
};

void expectIconBesideTexts(const IconPlace& place) {
    SCOPED_TRACE(place.window);
    ASSERT_TRUE(widgets::isWindow(place.window));
    EXPECT_EQ(widgets::gadgetX(place.icon), 20);
    EXPECT_EQ(widgets::gadgetY(place.icon), 30);
    EXPECT_EQ(widgets::gadgetWidth(place.icon), 32);
    EXPECT_EQ(widgets::gadgetHeight(place.icon), 32);
    // The whole picture is drawn into the box, not its top left corner.
    const auto* label = qobject_cast<QLabel*>(hooks::gadgetObject(place.icon));
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->hasScaledContents());
    EXPECT_FALSE(label->pixmap().isNull());
    for (const int text : place.texts) {
        SCOPED_TRACE(text);
        EXPECT_EQ(widgets::gadgetWindow(text), place.window);
        EXPECT_LT(widgets::gadgetX(place.icon) + widgets::gadgetWidth(place.icon),
                  widgets::gadgetX(text));
    }
}

TEST_F(SubmissionTest, IconsOfTheOnlineWindowsStayClearOfTheirTexts) {
    openDialog();
    expectIconBesideTexts({SubmissionWindowNumber,
                           SubmissionIcon,
                           {AuthorLabel, EmailLabel, TitleLabel, CategoryLabel, CodeLabel}});

    // Window 3 while the upload waits for a greeting that never comes.
    ftptest::TestServer silent;
    ASSERT_TRUE(startScriptedServer(silent, "silent-greeting"));
    setCode("Debug 1");
    ASSERT_TRUE(hooks::clickButton(SendButton));
    runPendingTurns();
    expectIconBesideTexts(
        {UploadWindowNumber, UploadIcon, {UploadPleaseWait, UploadSizeText, UploadProgressBar}});
    ASSERT_TRUE(hooks::clickButton(UploadCancelButton));
    ASSERT_TRUE(runUntilUploadEnds(3));
    ASSERT_TRUE(hooks::clickButton(SubmissionCancelButton));
    runPendingTurns();

    // Window 10, looked at before the loop gets to close it again.
    openUpdateWaitWindow({"http://127.0.0.1:9", "codarium", programDir.path().string()});
    expectIconBesideTexts({UpdateWaitWindow, UpdateIcon, {UpdateWaitText, UpdateProgressBar}});
    cancelUpdateCheck();
    EXPECT_FALSE(widgets::isWindow(UpdateWaitWindow));
}

} // namespace
} // namespace codarium::online::submissiontest
