// The four drill windows scaled by their layout control on real screens: two offscreen screens
// (1280 x 1024 and 800 x 600, side by side) from the offscreen platform's configfile. Each window
// must fit the work area, keep every control inside itself, keep apart the controls that were
// apart at design, and come back to the same geometry when moved to a screen and back.
#include "qt/qt_control.h"
#include "qt/qt_tree.h"

#include <kelvaneuc/kelvaneucwidget.h>

#include "card/card_window.h"
#include "layout_link.h"
#include "program.h"
#include "setup/setup_window.h"
#include "sheets/printed/printed_window.h"
#include "sheets/sheet_window.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include "offscreen_screens.h"

#include <functional>
#include <map>
#include <memory>

namespace {

constexpr QRect kLarge(0, 0, 1280, 1024);
constexpr QRect kSmall(1280, 0, 800, 600);

QScreen* screenAt(const QRect& geometry)
{
    for (QScreen* s : QGuiApplication::screens())
        if (s->geometry() == geometry)
            return s;
    return nullptr;
}

struct Placed {
    QString name;
    QRect rect; // in window coordinates
    bool shown;
    bool onPage = false;
};

struct Snapshot {
    QRect frame;
    std::map<const QObject*, Placed> controls;
};

Snapshot snapshot(QWidget* window)
{
    Snapshot s;
    s.frame = window->frameGeometry();
    for (QObject* o : kelvane::qt::controlsOf(window)) {
        if (!o->isWidgetType() || qobject_cast<const kelvane::KelvaneUCWidget*>(o))
            continue;
        auto* w = static_cast<QWidget*>(o);
        const std::string kind = kelvane::qt::typeNameOf(w);
        if (kind == "Menu" || kind == "menu")
            continue;
        bool onPage = false;
        for (const QWidget* p = w; p && p != window; p = p->parentWidget())
            onPage = onPage || p->objectName() == QLatin1String("Picture1");
        s.controls.emplace(o,
                           Placed{w->objectName(), QRect(w->mapTo(window, QPoint(0, 0)), w->size()),
                                  w->isVisibleTo(window) && !w->size().isEmpty(), onPage});
    }
    return s;
}

void settle()
{
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
        QTest::qWait(10);
    }
}

void moveTo(QWidget* window, const QRect& screen)
{
    const QRect frame = window->frameGeometry();
    window->move(screen.left() + 10, screen.top() + 10);
    if (frame.topLeft() == window->frameGeometry().topLeft())
        window->move(screen.left() + 11, screen.top() + 10);
    settle();
}

std::string describe(const QRect& r)
{
    return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) + "x" +
        std::to_string(r.height());
}

// The window fits the work area, every control shown lies inside it, and no two shown controls
// that were apart at design overlap.
void expectFits(QWidget* window, const Snapshot& design, const QRect& screenGeometry, const char* where)
{
    SCOPED_TRACE(std::string(where) + " " + window->objectName().toStdString());
    const QScreen* screen = screenAt(screenGeometry);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(window->screen(), screen);
    EXPECT_TRUE(screen->availableGeometry().contains(window->frameGeometry())) << "frame " << describe(window->frameGeometry());
    const Snapshot now = snapshot(window);
    std::vector<std::pair<const Placed*, const Placed*>> shown; // (design, now)
    for (const auto& [object, placed] : now.controls) {
        auto before = design.controls.find(object);
        ASSERT_NE(before, design.controls.end()) << placed.name.toStdString() << " was not there at design";
        if (!placed.shown)
            continue;
        shown.emplace_back(&before->second, &placed);
        // The printed sheet's page is a letter-size panel that the window shows only in part.
        if (placed.onPage)
            continue;
        EXPECT_TRUE(window->rect().contains(placed.rect))
            << placed.name.toStdString() << " at " << describe(placed.rect) << " in " << describe(window->rect());
    }
    for (std::size_t i = 0; i < shown.size(); ++i)
        for (std::size_t j = i + 1; j < shown.size(); ++j) {
            if (shown[i].first->rect.intersects(shown[j].first->rect))
                continue;
            EXPECT_FALSE(shown[i].second->rect.intersects(shown[j].second->rect))
                << shown[i].second->name.toStdString() << " and " << shown[j].second->name.toStdString();
        }
}

class DrillWindowOnScreens : public ::testing::TestWithParam<const char*> {
protected:
    static std::unique_ptr<QWidget> make(const std::string& name, zorvix::Shell& shell)
    {
        if (name == "Form1")
            return std::make_unique<zorvix::SetupWindow>(shell);
        if (name == "Form2")
            return std::make_unique<zorvix::CardWindow>(shell);
        if (name == "Form3")
            return std::make_unique<zorvix::SheetWindow>(shell);
        auto printed = std::make_unique<zorvix::PrintedSheetWindow>(shell);
        // Its first showing prints a page: to a file here, never to a modal message.
        printed->setPrinterFactory([] {
            auto printer = std::make_unique<QPrinter>();
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(
                QDir::temp().filePath(QStringLiteral("kelvane_qt_screens_%1.pdf").arg(QCoreApplication::applicationPid())));
            return printer;
        });
        printed->setMessagePresenter([](const QString&) {});
        return printed;
    }
};

TEST_P(DrillWindowOnScreens, fitsEachScreenAndComesBackExactly)
{
    zorvix::Program program;
    std::unique_ptr<QWidget> window = make(GetParam(), program);
    zorvix::attachLayoutControl(*window);
    ASSERT_NE(window->findChild<kelvane::KelvaneUCWidget*>(), nullptr) << "the layout library did not load";
    const Snapshot design = snapshot(window.get());
    ASSERT_FALSE(design.controls.empty());

    window->move(kLarge.topLeft() + QPoint(20, 20));
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    settle();
    expectFits(window.get(), design, kLarge, "first shown on 1280 x 1024");
    const Snapshot large = snapshot(window.get());

    moveTo(window.get(), kSmall);
    expectFits(window.get(), design, kSmall, "moved to 800 x 600");

    moveTo(window.get(), kLarge);
    expectFits(window.get(), design, kLarge, "moved back to 1280 x 1024");
    const Snapshot back = snapshot(window.get());
    // The printed sheet's window is as much of the page as its screen shows whole: cut down to
    // the small screen, it cannot know its larger size again. Its controls still come back.
    if (std::string(GetParam()) != "Form4") {
        EXPECT_EQ(back.frame.size(), large.frame.size());
    }
    for (const auto& [object, placed] : back.controls)
        EXPECT_EQ(placed.rect, large.controls.at(object).rect) << placed.name.toStdString();

    auto* control = window->findChild<kelvane::KelvaneUCWidget*>();
    EXPECT_NE(control->control().GetErrors().find("Err=Resize"), std::string::npos); // passes ran
}

INSTANTIATE_TEST_SUITE_P(FourWindows, DrillWindowOnScreens, ::testing::Values("Form1", "Form2", "Form3", "Form4"),
                         [](const auto& info) { return std::string(info.param); });

} // namespace

// Two screens side by side, set before the application starts.
int main(int argc, char** argv)
{
    const int result = runTestsOnScreens(argc, argv, R"([
        {"name": "large", "x": 0, "y": 0, "width": 1280, "height": 1024, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
        {"name": "small", "x": 1280, "y": 0, "width": 800, "height": 600, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}])");
    QFile::remove(QDir::temp().filePath(QStringLiteral("kelvane_qt_screens_%1.pdf").arg(QCoreApplication::applicationPid())));
    return result;
}
