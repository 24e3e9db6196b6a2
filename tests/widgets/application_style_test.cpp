#include "gui_fixture.h"
#include "widgets/application_style.h"

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QStyleFactory>
#include <QToolBar>
#include <memory>

namespace codarium::widgets {
namespace {

// The base style, counting how often it is asked for the overflow arrows.
class CountingStyle : public QProxyStyle {
public:
    CountingStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (which == SP_ToolBarHorizontalExtensionButton ||
            which == SP_ToolBarVerticalExtensionButton) {
            ++arrowsMade;
        }
        return QProxyStyle::standardIcon(which, option, widget);
    }
    mutable int arrowsMade = 0;
};

QImage drawn(const QIcon& icon, int size) {
    return icon.pixmap(size).toImage();
}

class ApplicationStyleTest : public testsupport::GuiTest {};

TEST_F(ApplicationStyleTest, OverflowArrowsAreMadeOnceWhenFirstDrawnAndLookAsTheBaseStyleDraws) {
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    auto* counting = new CountingStyle;
    const ApplicationStyle style(counting);
    for (const auto which :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        counting->arrowsMade = 0;
        const QIcon arrow = style.standardIcon(which);
        const QIcon copy = arrow; // a copy shares the engine until changed
        EXPECT_FALSE(arrow.isNull());
        EXPECT_EQ(counting->arrowsMade, 0);
        EXPECT_EQ(drawn(arrow, 16), drawn(fusion->standardIcon(which), 16));
        EXPECT_EQ(drawn(copy, 32), drawn(fusion->standardIcon(which), 32));
        EXPECT_FALSE(arrow.availableSizes().isEmpty());
        EXPECT_EQ(counting->arrowsMade, 1);
    }
    // Every other icon comes straight from the base style.
    EXPECT_EQ(drawn(style.standardIcon(QStyle::SP_MessageBoxWarning), 32),
              drawn(fusion->standardIcon(QStyle::SP_MessageBoxWarning), 32));
}

TEST_F(ApplicationStyleTest, BarsMadeUnderTheStyleLeaveTheirHiddenArrowsUnread) {
    auto* counting = new CountingStyle;
    QApplication::setStyle(new ApplicationStyle(counting));
    installApplicationStyle(); // already in place: kept, not wrapped again
    EXPECT_EQ(dynamic_cast<ApplicationStyle*>(QApplication::style())->baseStyle(), counting);
    {
        QMainWindow window;
        window.setMenuBar(new QMenuBar(&window));
        window.menuBar()->addMenu(QStringLiteral("Programm"));
        window.addToolBar(QStringLiteral("Werkzeuge"))->addAction(QStringLiteral("Suchen"));
        window.resize(600, 400);
        window.show();
        QApplication::processEvents();
        EXPECT_EQ(counting->arrowsMade, 0);
    }
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

} // namespace
} // namespace codarium::widgets
