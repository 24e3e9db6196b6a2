// Qt's own texts read German once the program's start-up loaded Qt's
// translations, also under another locale.
#include "app/qt_translations.h"
#include "widgets/message_box.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace codarium::app {
namespace {

QString plain(QString text) {
    text.remove(QLatin1Char('&'));
    return text.left(text.indexOf(QLatin1Char('\t'))); // without the shortcut
}

class QtTranslations : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "app_translation_tests";
        static char* argv[] = {name, nullptr};
        // An English-speaking user: the texts must be German all the same.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        // Left to the end of the process, as the program's own is.
        static QApplication* application = new QApplication(argc, argv);
        (void)application;
        ASSERT_TRUE(installGermanQtTranslations());
    }
};

TEST_F(QtTranslations, TheWidgetLayersQuestionBoxAnswersJaOrNein) {
    // The layer's real box, read and answered while it waits for the user.
    QStringList seen;
    QTimer::singleShot(200, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        for (QAbstractButton* button : box->buttons()) {
            seen << plain(button->text());
        }
        box->button(QMessageBox::No)->click();
    });
    // Should the box not appear, nothing may wait for ever.
    QTimer::singleShot(5000, [] {
        if (QWidget* open = QApplication::activeModalWidget()) {
            open->close();
        }
    });
    const auto answer = widgets::messageRequester(
        "Frage", "Neu starten?", widgets::MessageIcon::Question, widgets::MessageButtons::YesNo);
    seen.sort();
    EXPECT_EQ(seen, (QStringList{QStringLiteral("Ja"), QStringLiteral("Nein")}));
    EXPECT_EQ(answer, widgets::MessageResult::No);
}

TEST_F(QtTranslations, OkAndTheTextFieldsContextMenuAreGermanToo) {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Fehler"), QStringLiteral("x"),
                    QMessageBox::Ok);
    EXPECT_EQ(plain(box.button(QMessageBox::Ok)->text()), QStringLiteral("OK"));

    QLineEdit field(QStringLiteral("Text"));
    const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
    QStringList items;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator()) {
            items << plain(action->text());
        }
    }
    EXPECT_TRUE(items.contains(QStringLiteral("Rückgängig"))) << items.join('|').toStdString();
    EXPECT_TRUE(items.contains(QStringLiteral("Alles auswählen"))) << items.join('|').toStdString();
    EXPECT_FALSE(items.contains(QStringLiteral("Undo")));
    EXPECT_FALSE(items.contains(QStringLiteral("Select All")));
}

} // namespace
} // namespace codarium::app
