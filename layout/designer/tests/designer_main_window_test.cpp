// The placement Qt Designer makes: a "Main Window" form (menu bar, central widget, status bar)
// with the control dropped into the central widget, read back through uic's setupUi and through
// QUiLoader with the built plugin, and shown on two offscreen screens, one larger and one smaller
// than the 1024 x 768 screen it was designed on. The window is the form: it and every control on
// it follow the control's ratios, and on the small screen the whole window fits.
#include "ui_main_window_form.h"

#include <kelvaneuc/kelvaneucwidget.h>

#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <QUiLoader>

#include <gtest/gtest.h>

#include "offscreen_screens.h"

#include <map>
#include <memory>
#include <string>

namespace {

constexpr QRect kLarge(0, 0, 1920, 1080);
constexpr QRect kSmall(1920, 0, 800, 600);

struct Design {
    QRect geometry; // in its parent, as the .ui file placed it
    double pointSize;
};

// The named controls of the central widget, the control itself left out.
std::map<std::string, QWidget*> controlsOf(QMainWindow& form)
{
    std::map<std::string, QWidget*> out;
    for (QWidget* w : form.centralWidget()->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || w->objectName().startsWith("qt_") || qobject_cast<kelvane::KelvaneUCWidget*>(w))
            continue;
        out.emplace(w->objectName().toStdString(), w);
    }
    return out;
}

std::unique_ptr<QMainWindow> fromUic()
{
    auto form = std::make_unique<QMainWindow>();
    Ui::MainForm ui;
    ui.setupUi(form.get());
    return form;
}

std::unique_ptr<QMainWindow> fromLoader()
{
    QUiLoader loader;
    loader.clearPluginPaths();
    loader.addPluginPath(QStringLiteral(KELVANE_DESIGNER_PLUGIN_DIR));
    QFile file(QStringLiteral(KELVANE_MAIN_WINDOW_FORM_UI));
    if (!file.open(QIODevice::ReadOnly))
        return nullptr;
    QWidget* made = loader.load(&file);
    auto* form = qobject_cast<QMainWindow*>(made);
    if (!form)
        delete made;
    return std::unique_ptr<QMainWindow>(form);
}

struct Placement {
    const char* name;
    std::unique_ptr<QMainWindow> (*make)();
    QRect screen;
};

class DesignerMainWindow : public ::testing::TestWithParam<Placement> {};

TEST_P(DesignerMainWindow, theWholeWindowAndEveryControlFollowTheRatio)
{
    const Placement& p = GetParam();
    std::unique_ptr<QMainWindow> form = p.make();
    ASSERT_NE(form, nullptr);
    auto* control = form->findChild<kelvane::KelvaneUCWidget*>("KelvaneUC1");
    ASSERT_NE(control, nullptr);
    ASSERT_EQ(control->parentWidget(), form->centralWidget()) << "not where Designer puts it";
    ASSERT_NE(form->menuBar(), nullptr);

    std::map<std::string, Design> design;
    const auto controls = controlsOf(*form);
    ASSERT_EQ(controls.size(), 5u);
    for (const auto& [name, w] : controls)
        design.emplace(name, Design{w->geometry(), w->font().pointSizeF()});

    form->move(p.screen.topLeft() + QPoint(10, 10));
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
        QTest::qWait(10);
    }
    const QScreen* screen = form->screen();
    ASSERT_EQ(screen->geometry(), p.screen);

    const std::string errors = control->control().GetErrors();
    EXPECT_EQ(errors.find("doesn't support"), std::string::npos) << errors;
    const double wr = control->control().WidthRatio();
    const double hr = control->control().HeightRatio();
    if (p.screen.width() < 1024) {
        EXPECT_LT(wr, 0.85);
        EXPECT_LT(hr, 0.85);
        EXPECT_TRUE(screen->availableGeometry().contains(form->frameGeometry()))
            << form->frameGeometry().width() << " x " << form->frameGeometry().height();
    } else {
        EXPECT_GT(wr, 1.2);
        EXPECT_GT(hr, 1.2);
    }

    // The central widget is the window's client between the bars, as QMainWindow lays it out.
    EXPECT_EQ(form->centralWidget()->width(), form->width());
    EXPECT_EQ(form->centralWidget()->y(), form->menuBar()->height());

    const double fontRatio = std::min(wr, hr);
    for (const auto& [name, w] : controls) {
        SCOPED_TRACE(name);
        const Design& d = design.at(name);
        const QRect r = w->geometry();
        EXPECT_NEAR(r.x(), d.geometry.x() * wr, 1.0);
        EXPECT_NEAR(r.y(), d.geometry.y() * hr, 1.0);
        EXPECT_NEAR(r.width(), d.geometry.width() * wr, 1.0);
        EXPECT_NEAR(r.height(), d.geometry.height() * hr, 1.0);
        EXPECT_NEAR(w->font().pointSizeF(), d.pointSize * fontRatio, 0.75);
        EXPECT_TRUE(form->centralWidget()->rect().contains(r)) << "outside the client area";
    }
}

INSTANTIATE_TEST_SUITE_P(Placements, DesignerMainWindow,
                         ::testing::Values(Placement{"uicOnTheSmallScreen", fromUic, kSmall},
                                           Placement{"uicOnTheLargeScreen", fromUic, kLarge},
                                           Placement{"uiLoaderOnTheSmallScreen", fromLoader, kSmall},
                                           Placement{"uiLoaderOnTheLargeScreen", fromLoader, kLarge}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace

int main(int argc, char** argv)
{
    return runTestsOnScreens(argc, argv, R"([
        {"name": "large", "x": 0, "y": 0, "width": 1920, "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
        {"name": "small", "x": 1920, "y": 0, "width": 800, "height": 600, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}])");
}
