// The submission from command 10 to the file on a real FTP server (pyftpdlib
// on 127.0.0.1 with the maker's user name and password), through the
// program's own start-up and event loop.
#include "submission_fixture.h"

namespace codarium::online::submissiontest {
namespace {

TEST_F(SubmissionTest, CommandTenOpensTheDialogAsLaidOutAndAbbrechenClosesIt) {
    writeCategories(programDir, "Dialoge\r\n\r\n Fenster \r\n");
    openDialog();
    EXPECT_EQ(widgets::windowTitle(SubmissionWindowNumber), "Proposer un code WinAPI      ");
    EXPECT_EQ(widgets::windowWidth(SubmissionWindowNumber), 520);
    EXPECT_EQ(widgets::windowHeight(SubmissionWindowNumber), 500);
    EXPECT_TRUE(widgets::windowDisabled(app::MainWindow));
    struct Placed {
        int gadget, x, y, width, height;
        const char* text;
    };
    const Placed placed[] = {
        {SubmissionFrame, 10, 10, 500, 450, ""},
        {AuthorLabel, 60, 30, 80, 20, "Autor:"},
        {AuthorField, 150, 30, 350, 20, ""},
        {EmailLabel, 60, 60, 80, 20, "E-Mail-Adresse:"},
        {EmailField, 150, 60, 350, 20, ""},
        {TitleLabel, 60, 90, 80, 20, "Titel:"},
        {TitleField, 150, 90, 350, 20, ""},
        {CategoryLabel, 60, 120, 80, 20, "Kategorie:"},
        {CategoryCombo, 150, 120, 350, 20, "Dialoge"},
        {CodeLabel, 60, 150, 80, 20, "Code:"},
        {SubmissionCodeView, 150, 240, 350, 200, ""},
        {SendButton, 300, 470, 100, 20, "Senden"},
        {SubmissionCancelButton, 410, 470, 100, 20, "Abbrechen"},
    };
    for (const Placed& p : placed) {
        SCOPED_TRACE(p.gadget);
        EXPECT_EQ(widgets::gadgetWindow(p.gadget), SubmissionWindowNumber);
        EXPECT_EQ(widgets::gadgetX(p.gadget), p.x);
        EXPECT_EQ(widgets::gadgetY(p.gadget), p.y);
        EXPECT_EQ(widgets::gadgetWidth(p.gadget), p.width);
        EXPECT_EQ(widgets::gadgetHeight(p.gadget), p.height);
        EXPECT_EQ(widgets::gadgetText(p.gadget), p.text);
    }
    EXPECT_EQ(widgets::gadgetX(SubmissionIcon), 20);
    EXPECT_EQ(widgets::gadgetY(SubmissionIcon), 30);
    EXPECT_EQ(widgets::gadgetText(NotesText),
              ui("Wichtig: Worauf Sie in Ihrem Code achten müssen:"
                 "\r\t• Keine externe Dateien (Include-Dateien, Grafiken, Sounds u.ä.)"
                 "\r\t• Explizit-Modus\r\t• Richtiges Einrücken\r\t• WinAPI-Verwendung"
                 "\r\t• Maximal 51.200 Zeichen (50 KB)"));
    EXPECT_EQ(widgets::comboItemCount(CategoryCombo), 3);
    EXPECT_EQ(widgets::comboItemText(CategoryCombo, 1), "");
    EXPECT_EQ(widgets::comboItemText(CategoryCombo, 2), " Fenster ");
    EXPECT_EQ(widgets::selectedComboItem(CategoryCombo), 0);
    EXPECT_TRUE(widgets::isScintillaGadget(SubmissionCodeView));
    EXPECT_EQ(widgets::sendScintilla(SubmissionCodeView, SciGetReadOnly), 0);
    EXPECT_TRUE(widgets::gadgetDisabled(SendButton));

    setCode("Debug 1");
    ASSERT_TRUE(hooks::clickButton(SubmissionCancelButton));
    runPendingTurns();
    EXPECT_FALSE(widgets::isWindow(SubmissionWindowNumber));
    EXPECT_FALSE(widgets::windowDisabled(app::MainWindow));
    // Every opening has a new, empty view.
    ASSERT_TRUE(hooks::chooseMenuItem(app::MainMenu, app::command::SubmitCode));
    runPendingTurns();
    EXPECT_EQ(viewer::textLength(SubmissionCodeView), 0);
    EXPECT_TRUE(widgets::gadgetDisabled(SendButton));
}

TEST_F(SubmissionTest, SendenFollowsTheCodeBlanksAloneAreNotACode) {
    openDialog();
    struct Case {
        const char* code;
        bool enabled;
    };
    const Case cases[] = {
        {"   ", false}, {"\r\n\r\n", true}, {"\n", true},    {"x", true},
        {"", false},    {"\t", true},       {"  a  ", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        setCode(c.code);
        EXPECT_EQ(!widgets::gadgetDisabled(SendButton), c.enabled);
    }
}

TEST_F(SubmissionTest, ACodePageCodeArrivesByteForByteUnderTheTimeStampName) {
    ASSERT_TRUE(startServer());
    writeCategories(programDir, "Dialoge\r\nDateien\r\n");
    // Something planted at the file's fixed name is replaced, never written through.
    writeBytes(tmp_ / "victim", "precious");
    fs::create_symlink(tmp_ / "victim", tmp_ / "codar_sendcode.pb");
    openDialog();
    fillDetails("J\xF6rg", "j@example.org",
                "Fenster \xFC"
                "ber alles");
    widgets::setSelectedComboItem(CategoryCombo, 1);
    const std::string code = "MessageRequester(\"\xC4\", \"b\")\r\nEnd\r\n";
    setCode(code);
    ASSERT_TRUE(hooks::clickButton(SendButton));
    runPendingTurns();
    EXPECT_TRUE(widgets::isWindow(UploadWindowNumber));
    EXPECT_TRUE(widgets::windowDisabled(SubmissionWindowNumber));
    ASSERT_TRUE(runUntilUploadEnds());

    const std::string expected = code + trailer("J\xF6rg", "j@example.org",
                                                "Fenster \xFC"
                                                "ber alles",
                                                "Dateien");
    const auto files = arrived();
    ASSERT_EQ(files.size(), 1u);
    EXPECT_TRUE(isTimeStampName(files[0].first)) << files[0].first;
    EXPECT_EQ(files[0].second, expected);
    EXPECT_EQ(readBytes(tmp_ / "codar_sendcode.pb"), expected);
    EXPECT_FALSE(fs::is_symlink(tmp_ / "codar_sendcode.pb"));
    EXPECT_EQ(readBytes(tmp_ / "victim"), "precious");
    EXPECT_LE(highestPercent_, 100);

    const auto shown = boxes();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, "WinAPI-Code senden");
    EXPECT_EQ(shown[0].icon, widgets::MessageIcon::Information);
    EXPECT_EQ(shown[0].text,
              ui("Ihr Code wurde erfolgreich gesendet.\rVielen Dank für Ihre Mitarbeit."));
    // Success closes both windows and gives the main window back.
    EXPECT_FALSE(widgets::isWindow(SubmissionWindowNumber));
    EXPECT_FALSE(widgets::windowDisabled(app::MainWindow));

    // A second submission in the same run connects again; the old
    // connection quits first.
    hooks::clearRecordedDialogs();
    ASSERT_TRUE(hooks::chooseMenuItem(app::MainMenu, app::command::SubmitCode));
    runPendingTurns();
    setCode("x");
    ASSERT_TRUE(nextSecondBegan());
    ASSERT_TRUE(hooks::clickButton(SendButton));
    ASSERT_TRUE(runUntilUploadEnds());
    EXPECT_TRUE(server_.logShows("1 QUIT"));
    EXPECT_TRUE(server_.logShows("2 STOR"));
    EXPECT_EQ(arrived().size(), 2u);
}

TEST_F(SubmissionTest, AUtf8CodeKeepsItsMarkAndEmptyDetailsGiveBareLines) {
    ASSERT_TRUE(startServer());
    openDialog(); // no categories: the start-up made an empty list
    EXPECT_EQ(widgets::comboItemCount(CategoryCombo), 0);
    writeBytes(tmp_ / "utf8.pb", "\xEF\xBB\xBF"
                                 "Debug \"\xC3\xA9t\xC3\xA9\"\r\n");
    ASSERT_EQ(viewer::loadFileIntoView(SubmissionCodeView, tmp_ / "utf8.pb"), 1);
    runPendingTurns();
    ASSERT_EQ(viewer::textEncoding(SubmissionCodeView), TextEncoding::Utf8);
    ASSERT_FALSE(widgets::gadgetDisabled(SendButton));
    ASSERT_TRUE(hooks::clickButton(SendButton));
    ASSERT_TRUE(runUntilUploadEnds());
    const auto files = arrived();
    ASSERT_EQ(files.size(), 1u);
    EXPECT_TRUE(isTimeStampName(files[0].first));
    EXPECT_EQ(files[0].second, "\xEF\xBB\xBF"
                               "Debug \"\xC3\xA9t\xC3\xA9\"\r\n" +
                                   trailer("", "", "", ""));
}

TEST_F(SubmissionTest, ExactlyTheLimitIsSentOneByteMoreIsRefused) {
    ASSERT_TRUE(startServer());
    openDialog();
    fillDetails("a", "b", "c");
    const std::string longest(51200, 'x');
    setCode(longest + "y");
    ASSERT_TRUE(hooks::clickButton(SendButton));
    runPendingTurns();
    auto shown = boxes();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, "Fehler");
    EXPECT_EQ(shown[0].icon, widgets::MessageIcon::Warning);
    EXPECT_EQ(shown[0].text, ui("Die Anzahl der Zeichen wurde überschritten.\rSie können nur "
                                "maximal 51.200 Zeichen eingeben."));
    EXPECT_FALSE(widgets::isWindow(UploadWindowNumber));
    EXPECT_FALSE(widgets::windowDisabled(SubmissionWindowNumber));
    EXPECT_EQ(viewer::textLength(SubmissionCodeView), 51201);
    EXPECT_EQ(widgets::gadgetText(AuthorField), "a");
    EXPECT_TRUE(arrived().empty());

    hooks::clearRecordedDialogs();
    setCode(longest);
    // A double click sends once.
    ASSERT_TRUE(hooks::clickButton(SendButton));
    ASSERT_TRUE(hooks::clickButton(SendButton));
    ASSERT_TRUE(runUntilUploadEnds());
    const auto files = arrived();
    ASSERT_EQ(files.size(), 1u);
    EXPECT_EQ(files[0].second, longest + trailer("a", "b", "c", ""));
    shown = boxes();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].icon, widgets::MessageIcon::Information);
}

TEST_F(SubmissionTest, CancelWhileASlowServerTakesTheCodeReturnsToTheFilledDialog) {
    // 8 KB a second: the 51,200 bytes take several seconds to arrive.
    ASSERT_TRUE(startServer(8 * 1024));
    writeCategories(programDir, "Fenster\r\nDateien\r\n");
    openDialog();
    fillDetails("Eva", "e@example.org", "Langsam");
    std::string code;
    for (int n = 1; code.size() < 51200; ++n) {
        code += "Procedure Zeige" + std::to_string(n) +
                "(Wert.i)\r\n  MessageRequester(\"Wert\", " + "Str(Wert))\r\nEndProcedure\r\n";
    }
    code.resize(51200);
    setCode(code);
    saveScreenshot(SubmissionWindowNumber, "submission-window.png");
    ASSERT_TRUE(hooks::clickButton(SendButton));
    runPendingTurns();
    ASSERT_TRUE(widgets::isWindow(UploadWindowNumber));
    EXPECT_EQ(widgets::windowTitle(UploadWindowNumber), "WinAPI-Code senden");
    EXPECT_EQ(widgets::windowWidth(UploadWindowNumber), 500);
    EXPECT_EQ(widgets::windowHeight(UploadWindowNumber), 140);
    EXPECT_TRUE(widgets::windowDisabled(SubmissionWindowNumber));
    struct Placed {
        int gadget, x, y, width, height;
        std::string text;
    };
    const Placed placed[] = {
        {UploadFrame, 10, 10, 480, 90, "Fortschritt"},
        {UploadIcon, 20, 30, 32, 32, ""},
        {UploadPleaseWait, 60, 30, 470, 20,
         ui("Bitte warten Sie, bis Ihr Code vollständig gesendet wurde.")},
        {UploadProgressBar, 60, 70, 380, 20, ""},
        {UploadPercentText, 442, 70, 38, 20, ""},
        {UploadCancelButton, 390, 110, 100, 20, "Abbrechen"},
    };
    for (const Placed& p : placed) {
        SCOPED_TRACE(p.gadget);
        EXPECT_EQ(widgets::gadgetWindow(p.gadget), UploadWindowNumber);
        EXPECT_EQ(widgets::gadgetX(p.gadget), p.x);
        EXPECT_EQ(widgets::gadgetY(p.gadget), p.y);
        if (p.width > 0) {
            EXPECT_EQ(widgets::gadgetWidth(p.gadget), p.width);
            EXPECT_EQ(widgets::gadgetHeight(p.gadget), p.height);
        }
        if (!p.text.empty()) {
            EXPECT_EQ(widgets::gadgetText(p.gadget), p.text);
        }
    }
    EXPECT_EQ(widgets::gadgetX(UploadSizeText), 60);
    EXPECT_EQ(widgets::gadgetY(UploadSizeText), 50);
    // Window 3 shows the size, then the data flows.
    const std::string size =
        std::to_string(code.size() + trailer("Eva", "e@example.org", "Langsam", "Fenster").size());
    // The percentage follows the data while it flows.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (highestPercent_ <= 0 && std::chrono::steady_clock::now() < deadline) {
        runPendingTurns();
        notePercentage();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ASSERT_GT(highestPercent_, 0);
    ASSERT_LT(highestPercent_, 100);
    EXPECT_EQ(widgets::gadgetText(UploadSizeText), sizeText(std::stoll(size)));
    EXPECT_EQ(widgets::progressMaximum(UploadProgressBar), std::stoi(size));
    EXPECT_GT(widgets::progressValue(UploadProgressBar), 0);
    saveScreenshot(UploadWindowNumber, "upload-window.png");
    ASSERT_TRUE(hooks::clickButton(UploadCancelButton));
    ASSERT_TRUE(runUntilUploadEnds());

    auto shown = boxes();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, "WinAPI-Code senden");
    EXPECT_EQ(shown[0].icon, widgets::MessageIcon::Warning);
    EXPECT_EQ(shown[0].text, "Der Vorgang wurde abgebrochen.");
    // Back in window 2, everything still filled in.
    ASSERT_TRUE(widgets::isWindow(SubmissionWindowNumber));
    EXPECT_FALSE(widgets::windowDisabled(SubmissionWindowNumber));
    EXPECT_TRUE(widgets::windowDisabled(app::MainWindow));
    EXPECT_EQ(widgets::gadgetText(AuthorField), "Eva");
    EXPECT_EQ(widgets::gadgetText(TitleField), "Langsam");
    EXPECT_EQ(viewer::viewFileBytes(SubmissionCodeView), code);
    EXPECT_FALSE(widgets::gadgetDisabled(SendButton));
    // The part the server took in was aborted and deleted: nothing of it
    // stays there under a time-stamp name. The deletion follows the box
    // (the user need not wait for it), within moments.
    ASSERT_TRUE(server_.logShows("1 STOR\n1 ABOR\n1 DELE\n"));
    const auto withdrawn = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!arrived().empty() && std::chrono::steady_clock::now() < withdrawn) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_TRUE(arrived().empty());
    EXPECT_LE(highestPercent_, 100);

    // "Senden" works again.
    hooks::clearRecordedDialogs();
    setCode("kurz");
    ASSERT_TRUE(nextSecondBegan());
    ASSERT_TRUE(hooks::clickButton(SendButton));
    ASSERT_TRUE(runUntilUploadEnds());
    shown = boxes();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].icon, widgets::MessageIcon::Information);
    EXPECT_FALSE(widgets::isWindow(SubmissionWindowNumber));
    bool whole = false;
    for (const auto& [name, bytes] : arrived()) {
        whole = whole || bytes == "kurz" + trailer("Eva", "e@example.org", "Langsam", "Fenster");
    }
    EXPECT_TRUE(whole);
}

TEST_F(SubmissionTest, ARefusedLoginOrAnUnwritableFileGoesBackToTheDialog) {
    ASSERT_TRUE(startServer(0, "another password"));
    openDialog();
    fillDetails("Eva", "", "");
    setCode("x");
    ASSERT_TRUE(hooks::clickButton(SendButton));
    ASSERT_TRUE(runUntilUploadEnds());
    auto shown = boxes();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, "Fehler");
    EXPECT_EQ(shown[0].icon, widgets::MessageIcon::Error);
    EXPECT_EQ(shown[0].text, ui("Eine Verbindung zum FTP-Server konnte nicht hergestellt "
                                "werden.\rVersuchen Sie es später noch einmal."));
    ASSERT_TRUE(widgets::isWindow(SubmissionWindowNumber));
    EXPECT_FALSE(widgets::windowDisabled(SubmissionWindowNumber));
    EXPECT_EQ(widgets::gadgetText(AuthorField), "Eva");
    EXPECT_TRUE(arrived().empty());

    // A temporary folder that does not exist: the file cannot be made.
    hooks::clearRecordedDialogs();
    ::setenv("TMPDIR", (tmp_ / "missing").c_str(), 1);
    ASSERT_TRUE(hooks::clickButton(SendButton));
    ASSERT_TRUE(runUntilUploadEnds());
    shown = boxes();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, "Fehler");
    EXPECT_EQ(shown[0].icon, widgets::MessageIcon::Error);
    EXPECT_EQ(shown[0].text, "Ihr Code konnte im Temp-Verzeichnis nicht erstellt werden.");
    EXPECT_TRUE(widgets::isWindow(SubmissionWindowNumber));
    EXPECT_FALSE(widgets::windowDisabled(SubmissionWindowNumber));
}

} // namespace
} // namespace codarium::online::submissiontest
