// Drives the real Form1 offscreen: the wiring from widgets to the setup rules and back.
#include "fake_shell.h"

#include "common/qt/twips.h"
#include "setup/setup_window.h"
#include "qstring_print.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

using namespace zorvix;
using zorvix::test::FakeShell;

namespace {

class Form1Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<SetupWindow>(shell);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    template <class T> T* control(const char* name) const
    {
        T* found = window->findChild<T*>(QString::fromUtf8(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    QComboBox* combo(const char* name) const { return control<QComboBox>(name); }
    QString boxText(const char* name) const { return combo(name)->currentText(); }
    bool checked(const char* name) const { return control<QRadioButton>(name)->isChecked(); }

    void clickOption(const char* name)
    {
        QRadioButton* option = control<QRadioButton>(name);
        // Click on the indicator, which every option button has at its left edge.
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    }

    void clickButton(const char* name)
    {
        QPushButton* button = control<QPushButton>(name);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    // Picks an entry from the open list, the way the user does.
    void pick(const char* name, const QString& entry)
    {
        QComboBox* box = combo(name);
        const int index = box->findText(entry);
        ASSERT_GE(index, 0) << name << " has no entry " << entry.toStdString();
        box->showPopup();
        QAbstractItemView* view = box->view();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(view->window()));
        const QModelIndex item = view->model()->index(index, 0);
        view->scrollTo(item);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(item).center());
    }

    void type(QWidget* box, const QString& text)
    {
        QLineEdit* edit = qobject_cast<QLineEdit*>(box);
        if (auto* c = qobject_cast<QComboBox*>(box))
            edit = c->lineEdit();
        ASSERT_NE(edit, nullptr);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        // Long texts arrive as one edit, the way a paste does; keystrokes would take minutes.
        if (text.size() > 100)
            edit->insert(text);
        else
            QTest::keyClicks(edit, text);
    }

    DrillSettings& settings() { return shell.state().settings; }

    FakeShell shell;
    std::unique_ptr<SetupWindow> window;
};

} // namespace

TEST_F(Form1Test, opensWithTheStartUpChoices)
{
    EXPECT_EQ(window->objectName(), "Form1");
    EXPECT_EQ(window->windowTitle(), "ZORVIX V2.5");
    EXPECT_EQ(boxText("MIN_NUM"), "0");
    EXPECT_EQ(boxText("MAX_NUM"), "9");
    EXPECT_EQ(boxText("Combo1"), "5");
    EXPECT_EQ(boxText("DRILL"), "");
    EXPECT_EQ(control<QLineEdit>("Text1")->text(), "10");
    EXPECT_TRUE(checked("TEST_TYPE(0)"));
    EXPECT_TRUE(checked("TIMED_TEST(1)"));
    EXPECT_TRUE(checked("Printed(1)"));
    EXPECT_FALSE(checked("Drill_Type(0)"));
    EXPECT_FALSE(checked("Drill_Type(1)"));
    EXPECT_TRUE(control<QLabel>("Label1")->isVisible());
    EXPECT_TRUE(control<QLineEdit>("Text1")->isVisible());
    EXPECT_EQ(settings().maxOperand, 9);
    EXPECT_EQ(settings().problemCount, 5);
}

TEST_F(Form1Test, listsHoldTheirEntriesInOrder)
{
    struct ListCase {
        const char* name;
        int count;
        const char* first;
        const char* last;
    };
    for (const ListCase& c : {ListCase{"Combo1", 13, "5", "100"}, ListCase{"MIN_NUM", 28, "-99", "75"},
                              ListCase{"MAX_NUM", 38, "-75", "99"}, ListCase{"DRILL", 28, "", "15"}}) {
        QComboBox* box = combo(c.name);
        ASSERT_EQ(box->count(), c.count) << c.name;
        EXPECT_EQ(box->itemText(0), c.first) << c.name;
        EXPECT_EQ(box->itemText(c.count - 1), c.last) << c.name;
        EXPECT_TRUE(box->isEditable()) << c.name;
    }
    EXPECT_EQ(combo("MIN_NUM")->itemText(9), "0");
    EXPECT_EQ(combo("MAX_NUM")->itemText(9), "-9");
    EXPECT_EQ(combo("DRILL")->itemText(1), "-15");
}

// Every control in its container, at its stored place, with its caption.
struct Placement {
    const char* name;
    const char* container; // null: directly on the window's client area
    double left, top, width, height;
    const char* caption; // null: no caption to check
};

inline void PrintTo(const Placement& p, std::ostream* os) { *os << p.name; }

class Form1Layout : public Form1Test, public ::testing::WithParamInterface<Placement> {};

TEST_P(Form1Layout, controlSitsAtItsStoredPlace)
{
    const Placement& p = GetParam();
    QWidget* w = control<QWidget>(p.name);
    ASSERT_NE(w, nullptr);
    if (p.container)
        EXPECT_EQ(w->parentWidget()->objectName(), p.container);
    else
        EXPECT_EQ(w->parentWidget(), window->clientArea());
    const QRect want = twipsRect(p.left, p.top, p.width, p.height);
    EXPECT_EQ(w->geometry().topLeft(), want.topLeft());
    EXPECT_EQ(w->width(), want.width());
    // The web address grows downwards to fit its 12-point line; nothing lies below it.
    if (std::string(p.name) == "Label2")
        EXPECT_GE(w->height(), std::max(want.height(), QFontMetrics(w->font()).height()));
    else
        EXPECT_EQ(w->height(), want.height());
    if (p.caption) {
        QString text;
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            text = b->text();
        else if (auto* l = qobject_cast<QLabel*>(w))
            text = l->text();
        else if (auto* g = qobject_cast<QGroupBox*>(w))
            text = g->title();
        EXPECT_EQ(text, p.caption);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, Form1Layout,
                         ::testing::Values(Placement{"Image1", nullptr, 3240, 1200, 8820, 1275, nullptr},
                                           Placement{"Frame1", nullptr, 2400, 2760, 3825, 2295, "TYPE OF TEST"},
                                           Placement{"TEST_TYPE(0)", "Frame1", 1680, 360, 1305, 255, "ADD"},
                                           Placement{"TEST_TYPE(1)", "Frame1", 1680, 720, 1575, 255, "SUBTRACT"},
                                           Placement{"TEST_TYPE(2)", "Frame1", 480, 600, 1005, 255, "BOTH"},
                                           Placement{"TEST_TYPE(3)", "Frame1", 1680, 1440, 1515, 255, "MULTIPLY"},
                                           Placement{"TEST_TYPE(4)", "Frame1", 1680, 1800, 1455, 255, "DIVIDE"},
                                           Placement{"TEST_TYPE(5)", "Frame1", 480, 1560, 1065, 255, "BOTH"},
                                           Placement{"Start", nullptr, 6720, 3600, 2175, 975, "START!"},
                                           Placement{"Frame3", nullptr, 9480, 2760, 3735, 2295, "TEST RANGE"},
                                           Placement{"Label3", "Frame3", 195, 480, 2295, 255, "PRACTICE FROM"},
                                           Placement{"MIN_NUM", "Frame3", 2580, 360, 795, 360, nullptr},
                                           Placement{"Label4", "Frame3", 2130, 1035, 375, 270, "TO"},
                                           Placement{"MAX_NUM", "Frame3", 2565, 975, 810, 360, nullptr},
                                           Placement{"PROBLEM_QUANTITY", "Frame3", 405, 1515, 1920, 495, "NUMBER OF PROBLEMS"},
                                           Placement{"Combo1", "Frame3", 2520, 1575, 855, 360, nullptr},
                                           Placement{"Frame5", nullptr, 2280, 5760, 2655, 1935, "TIME LIMIT"},
                                           Placement{"TIMED_TEST(0)", "Frame5", 240, 600, 840, 255, "NO"},
                                           Placement{"Label1", "Frame5", 1200, 720, 1215, 255, "TIME(MIN)"},
                                           Placement{"Text1", "Frame5", 1440, 1200, 615, 375, nullptr},
                                           Placement{"TIMED_TEST(1)", "Frame5", 240, 1320, 1140, 255, "YES"},
                                           Placement{"Frame7", nullptr, 5280, 5760, 3960, 1815, "METHOD"},
                                           Placement{"Printed(0)", "Frame7", 240, 360, 3300, 300, "PAGE OF  PROBLEMS"},
                                           Placement{"Printed(1)", "Frame7", 240, 840, 3615, 300, "INDIVIDUAL PROBLEMS"},
                                           Placement{"Printed(2)", "Frame7", 240, 1320, 3360, 300, "PRINTED PAGE"},
                                           Placement{"Frame2", nullptr, 9720, 5760, 3615, 2055, "EMPHASIS"},
                                           Placement{"Label5", "Frame2", 240, 555, 1335, 255, "DRILL ON"},
                                           Placement{"DRILL", "Frame2", 1800, 480, 735, 360, nullptr},
                                           Placement{"Drill_Type(0)", "Frame2", 480, 1080, 2775, 255, "EVERY PROBLEM"},
                                           Placement{"Drill_Type(1)", "Frame2", 480, 1560, 2895, 255, "MORE (NOT ALL)"},
                                           Placement{"Command1", nullptr, 6720, 7920, 2175, 975, "END"},
                                           Placement{"Label2", nullptr, 6360, 9600, 2895, 255, "www.zorvix.example"}),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             for (char& ch : name)
                                 if (ch == '(' || ch == ')')
                                     ch = '_';
                             return name;
                         });

TEST_F(Form1Test, everyControlShowsInsideTheWindowWithoutOverlappingItsNeighbours)
{
    const QRect client = window->clientArea()->rect();
    QList<QWidget*> parents{window->clientArea()};
    for (QGroupBox* frame : window->clientArea()->findChildren<QGroupBox*>())
        parents << frame;
    for (QWidget* parent : parents) {
        const auto children = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (QWidget* a : children) {
            const QRect inClient(a->mapTo(window->clientArea(), QPoint(0, 0)), a->size());
            EXPECT_TRUE(client.contains(inClient)) << a->objectName().toStdString();
            for (QWidget* b : children) {
                if (a != b && !a->objectName().isEmpty() && !b->objectName().isEmpty()) {
                    EXPECT_FALSE(a->geometry().intersects(b->geometry()))
                        << a->objectName().toStdString() << " overlaps " << b->objectName().toStdString();
                }
            }
        }
    }
    // The client area sits below the menu bar, inside the window.
    EXPECT_GE(window->clientArea()->y(), window->findChild<QMenuBar*>()->height());
    EXPECT_LE(window->clientArea()->geometry().bottom(), window->rect().bottom());
}

TEST_F(Form1Test, anUnchosenOptionsIndicatorStandsOutFromTheYellowWindow)
{
    for (QRadioButton* option : window->findChildren<QRadioButton*>()) {
        if (option->isChecked() || !option->isVisible())
            continue;
        QStyleOptionButton style;
        style.initFrom(option);
        const QRect indicator = option->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &style, option);
        const QColor centre = option->grab().toImage().pixelColor(indicator.center());
        EXPECT_NE(centre.rgb(), QColor(255, 255, 0).rgb()) << option->objectName().toStdString();
    }
}

TEST_F(Form1Test, everyControlsFontIsOneInstalledFamily)
{
    // A family Qt has to search for costs a fallback search on every new size, and the text
    // might come out in a face nobody chose.
    const QStringList installed = QFontDatabase::families();
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty())
            continue;
        EXPECT_EQ(w->font().families().size(), 1) << w->objectName().toStdString();
        EXPECT_TRUE(installed.contains(w->font().family(), Qt::CaseInsensitive))
            << w->objectName().toStdString() << ": " << w->font().family().toStdString();
    }
}

TEST(LayoutFamily, anInstalledFamilyIsItselfAndAMissingOneAnInstalledStandIn)
{
    const QStringList installed = QFontDatabase::families();
    ASSERT_FALSE(installed.isEmpty());
    EXPECT_EQ(layoutFamily(installed.first()), installed.first());
    for (const char* family : {"Tahoma", "Verdana", "Arial", "No Such Family 0xF00D", ""}) {
        const QString face = layoutFamily(QString::fromUtf8(family));
        EXPECT_TRUE(installed.contains(face, Qt::CaseInsensitive)) << family << " -> " << face.toStdString();
        EXPECT_EQ(layoutFamily(QString::fromUtf8(family)), face) << "asked twice";
    }
}

TEST_F(Form1Test, divideWithZeroToNineShowsTwoAndNine)
{
    clickOption("TEST_TYPE(4)");
    EXPECT_TRUE(checked("TEST_TYPE(4)"));
    EXPECT_EQ(settings().testType, 4);
    EXPECT_EQ(boxText("MIN_NUM"), "2");
    EXPECT_EQ(boxText("MAX_NUM"), "9");
    EXPECT_EQ(settings().minOperand, 2);
    EXPECT_EQ(settings().maxOperand, 9);
}

TEST_F(Form1Test, printedPageSelectsNoHidesTheMinutesAndCardsKeepIt)
{
    clickOption("Printed(2)");
    EXPECT_TRUE(checked("TIMED_TEST(0)"));
    EXPECT_FALSE(control<QLabel>("Label1")->isVisible());
    EXPECT_FALSE(control<QLineEdit>("Text1")->isVisible());
    EXPECT_EQ(boxText("Combo1"), "40");
    EXPECT_EQ(settings().timed, 0);

    clickOption("Printed(1)");
    EXPECT_EQ(boxText("Combo1"), "40");
    EXPECT_TRUE(checked("TIMED_TEST(0)"));
    EXPECT_FALSE(control<QLineEdit>("Text1")->isVisible());

    clickOption("TIMED_TEST(1)");
    EXPECT_TRUE(control<QLabel>("Label1")->isVisible());
    EXPECT_TRUE(control<QLineEdit>("Text1")->isVisible());
    EXPECT_EQ(settings().timed, 1);
}

TEST_F(Form1Test, pageRightAfterStartGivesThirty)
{
    clickOption("Printed(0)");
    EXPECT_EQ(boxText("Combo1"), "30");
    EXPECT_EQ(settings().problemCount, 30);
    EXPECT_EQ(settings().method, 0);
}

TEST_F(Form1Test, pickedLowEndAboveHighDragsTheHighEndUp)
{
    pick("MAX_NUM", "5");
    EXPECT_EQ(settings().maxOperand, 5);
    pick("MIN_NUM", "8");
    EXPECT_EQ(boxText("MIN_NUM"), "8");
    EXPECT_EQ(boxText("MAX_NUM"), "8");
    EXPECT_EQ(settings().minOperand, 8);
    EXPECT_EQ(settings().maxOperand, 8);
}

TEST_F(Form1Test, typedRangeTakesNoEffectUntilAnEntryIsPicked)
{
    type(combo("MIN_NUM"), "7");
    EXPECT_EQ(settings().minOperand, 0);
    type(combo("MAX_NUM"), "3");
    EXPECT_EQ(settings().maxOperand, 9);
    pick("MIN_NUM", "4"); // compared with the typed 3
    EXPECT_EQ(boxText("MAX_NUM"), "4");
    EXPECT_EQ(settings().maxOperand, 4);
}

TEST_F(Form1Test, typedCountIsTakenAndLeavingTheBoxClampsItOnThePage)
{
    clickOption("Printed(0)");
    QComboBox* count = combo("Combo1");
    count->setFocus();
    type(count, "150");
    EXPECT_EQ(settings().problemCount, 150);
    EXPECT_EQ(boxText("Combo1"), "150");
    clickOption("Drill_Type(1)"); // using another control takes the focus away
    EXPECT_EQ(settings().problemCount, 30);
    EXPECT_EQ(boxText("Combo1"), "30");
}

TEST_F(Form1Test, minutesAreTakenOnlyBetweenZeroAndSixtyOne)
{
    QLineEdit* minutes = control<QLineEdit>("Text1");
    type(minutes, "0.4");
    EXPECT_EQ(settings().timeLimitMinutes, 0);
    // Every keystroke is an edit: "6" is taken on the way to the refused "61".
    type(minutes, "61");
    EXPECT_EQ(settings().timeLimitMinutes, 6);
    EXPECT_EQ(minutes->text(), "61");
    type(minutes, "-3");
    EXPECT_EQ(settings().timeLimitMinutes, 6);
    type(minutes, "25");
    EXPECT_EQ(settings().timeLimitMinutes, 25);
}

TEST_F(Form1Test, pickingAnEmphasisNumberSelectsEveryProblem)
{
    clickOption("Drill_Type(1)");
    EXPECT_FALSE(settings().emphasisEveryProblem);
    pick("DRILL", "7");
    EXPECT_TRUE(checked("Drill_Type(0)"));
    EXPECT_TRUE(settings().emphasisEveryProblem);
    ASSERT_TRUE(settings().hasEmphasis());
    EXPECT_EQ(*settings().emphasisNumber, 7);
    pick("DRILL", "");
    ASSERT_TRUE(settings().hasEmphasis());
    EXPECT_EQ(*settings().emphasisNumber, 0);
}

TEST_F(Form1Test, anyTextInTheEditableBoxesIsReadLeniently)
{
    const QString texts[] = {"abc", QString(10000, '7'), "1 2", "12abc", "-0.5", "1e5", ""};
    for (const QString& text : texts) {
        for (const char* name : {"MAX_NUM", "Combo1", "DRILL"})
            type(combo(name), text);
        type(control<QLineEdit>("Text1"), text);
        if (text.size() > 100) {
            EXPECT_EQ(settings().problemCount, 32767); // clamped, never wrapped
        }
        pick("MIN_NUM", "-5"); // compared with whatever the high end shows
        EXPECT_GE(settings().maxOperand, -5) << text.left(20).toStdString();
    }
    EXPECT_EQ(settings().problemCount, 0); // the last text was empty
    EXPECT_GE(settings().timeLimitMinutes, 0);
    EXPECT_LE(settings().timeLimitMinutes, 61);
}

TEST_F(Form1Test, startAsksForTheWindowOfTheChosenMethod)
{
    clickButton("Start");
    clickOption("Printed(0)");
    clickButton("Start");
    clickOption("Printed(2)");
    clickButton("Start");
    EXPECT_EQ(shell.drillsShown, (std::vector<TestMethod>{TestMethod::Cards, TestMethod::Page, TestMethod::Printed}));
    EXPECT_TRUE(window->isVisible()); // the drill window hides the setup screen, not Start
    EXPECT_EQ(shell.ended, 0);
}

TEST_F(Form1Test, endButtonClosesTheScreenAndEndsTheProgram)
{
    clickButton("Command1");
    EXPECT_FALSE(window->isVisible());
    EXPECT_GE(shell.ended, 1);
}

TEST_F(Form1Test, closingTheScreenEndsTheProgram)
{
    window->close();
    EXPECT_EQ(shell.ended, 1);
}

TEST_F(Form1Test, menusInOrderWithTheirAccessKeys)
{
    QMenuBar* bar = window->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    const auto top = bar->actions();
    ASSERT_EQ(top.size(), 3);
    EXPECT_EQ(top[0]->text(), "&File");
    EXPECT_EQ(top[1]->text(), "&Help");
    EXPECT_EQ(top[2]->text(), "&Progress"); // progress over time, after the menus of the drills
    QStringList file;
    for (QAction* a : top[0]->menu()->actions())
        file << a->text();
    EXPECT_EQ(file, (QStringList{"Ma&ximize", "&Minimize", "&NormalWindow", "Save Worksheets as &PDF…", "&Close"}));
    const auto help = top[1]->menu()->actions();
    ASSERT_EQ(help.size(), 3);
    EXPECT_EQ(help[0]->text(), "Contents");
    ASSERT_NE(help[0]->menu(), nullptr);
    QStringList contents;
    for (QAction* a : help[0]->menu()->actions())
        contents << a->text();
    EXPECT_EQ(contents, (QStringList{"Setup Page", "FlashCards", "FlashPage", "PrintPage"}));
    EXPECT_EQ(help[1]->text(), "About Zorvix");
    EXPECT_EQ(help[2]->text(), "&Language");
    ASSERT_NE(help[2]->menu(), nullptr);
    EXPECT_EQ(help[2]->menu()->actions().value(0)->text(), "System");
}

TEST_F(Form1Test, fileMenuChangesTheWindowStateAndCloseEndsTheProgram)
{
    auto action = [&](const char* name) { return window->findChild<QAction*>(QString::fromUtf8(name)); };
    action("mnuMaximize")->trigger();
    EXPECT_TRUE(window->windowState() & Qt::WindowMaximized);
    action("mnuNormal")->trigger();
    EXPECT_FALSE(window->windowState() & (Qt::WindowMaximized | Qt::WindowMinimized));
    action("mnuMinimize")->trigger();
    EXPECT_TRUE(window->windowState() & Qt::WindowMinimized);
    action("mnuNormal")->trigger();
    EXPECT_EQ(shell.ended, 0);
    action("mnuClose")->trigger();
    EXPECT_EQ(shell.ended, 1);
}

// Typing a text that equals a list entry is still only typing: leaving the box by Tab, Enter
// or a click elsewhere must not act as a pick.
enum class Leave { Tab, Enter, ClickElsewhere };

struct TypedEntry {
    const char* box;
    const char* text; // an entry of the box's list, different from what it shows
    Leave leave;
};

std::string leaveName(Leave leave)
{
    switch (leave) {
    case Leave::Tab: return "Tab";
    case Leave::Enter: return "Enter";
    case Leave::ClickElsewhere: return "ClickElsewhere";
    }
    return "Unknown";
}

inline void PrintTo(const TypedEntry& c, std::ostream* os) { *os << c.box << " " << c.text << " " << leaveName(c.leave); }

class Form1TypedEntry : public Form1Test, public ::testing::WithParamInterface<TypedEntry> {};

TEST_P(Form1TypedEntry, typingAnEntryAndLeavingTheBoxPicksNothing)
{
    const TypedEntry& c = GetParam();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    pick("MAX_NUM", "5");
    const DrillSettings before = settings();
    const QString otherEnd = boxText(std::string(c.box) == "MIN_NUM" ? "MAX_NUM" : "MIN_NUM");

    // Click into the box, select what it shows and type over it, as a user does.
    QComboBox* box = combo(c.box);
    QTest::mouseClick(box->lineEdit(), Qt::LeftButton);
    ASSERT_TRUE(box->hasFocus());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), QString::fromUtf8(c.text));
    ASSERT_EQ(boxText(c.box), c.text);
    switch (c.leave) {
    case Leave::Tab: QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); break;
    case Leave::Enter: QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); break;
    case Leave::ClickElsewhere: QTest::mouseClick(control<QLineEdit>("Text1"), Qt::LeftButton); break;
    }
    if (c.leave != Leave::Enter) {
        EXPECT_FALSE(box->hasFocus());
    }

    EXPECT_EQ(boxText(c.box), c.text); // the typed text stays as typed
    EXPECT_EQ(settings().minOperand, before.minOperand);
    EXPECT_EQ(settings().maxOperand, before.maxOperand);
    EXPECT_EQ(settings().emphasisNumber, before.emphasisNumber);
    EXPECT_EQ(settings().emphasisEveryProblem, before.emphasisEveryProblem);
    EXPECT_FALSE(checked("Drill_Type(0)"));
    EXPECT_EQ(boxText(std::string(c.box) == "MIN_NUM" ? "MAX_NUM" : "MIN_NUM"), otherEnd);
}

INSTANTIATE_TEST_SUITE_P(Boxes, Form1TypedEntry,
                         ::testing::Values(TypedEntry{"MIN_NUM", "8", Leave::Tab}, TypedEntry{"MIN_NUM", "8", Leave::Enter},
                                           TypedEntry{"MIN_NUM", "8", Leave::ClickElsewhere},
                                           TypedEntry{"MAX_NUM", "-5", Leave::Tab}, TypedEntry{"MAX_NUM", "-5", Leave::Enter},
                                           TypedEntry{"MAX_NUM", "-5", Leave::ClickElsewhere},
                                           TypedEntry{"DRILL", "5", Leave::Tab}, TypedEntry{"DRILL", "5", Leave::Enter},
                                           TypedEntry{"DRILL", "5", Leave::ClickElsewhere}),
                         [](const auto& info) { return std::string(info.param.box) + "_" + leaveName(info.param.leave); });

TEST_F(Form1Test, eachListsCurrentEntryIsTheOneItsBoxShows)
{
    for (const char* name : {"MIN_NUM", "MAX_NUM", "Combo1", "DRILL"}) {
        QComboBox* box = combo(name);
        ASSERT_GE(box->currentIndex(), 0) << name;
        EXPECT_EQ(box->itemText(box->currentIndex()), boxText(name)) << name;
    }
    // The open list starts at the shown entry too.
    QComboBox* high = combo("MAX_NUM");
    high->showPopup();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(high->view()->window()));
    EXPECT_EQ(high->view()->currentIndex().data().toString(), "9");
    high->hidePopup();
}

// Arrow keys on a box step from the entry it shows, whoever put the text there, and are a pick.
TEST_F(Form1Test, arrowKeysStepFromTheShownEntry)
{
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    auto press = [&](const char* name, Qt::Key key) {
        QTest::mouseClick(combo(name)->lineEdit(), Qt::LeftButton);
        QTest::keyClick(QApplication::focusWidget(), key);
    };
    press("MAX_NUM", Qt::Key_Down); // shown at start: 9
    EXPECT_EQ(boxText("MAX_NUM"), "10");
    EXPECT_EQ(settings().maxOperand, 10);
    press("MIN_NUM", Qt::Key_Up); // shown at start: 0
    EXPECT_EQ(boxText("MIN_NUM"), "-5");
    EXPECT_EQ(settings().minOperand, -5);

    pick("MIN_NUM", "0");
    clickOption("TEST_TYPE(4)"); // the rule writes 2 into the low end
    press("MIN_NUM", Qt::Key_Down);
    EXPECT_EQ(boxText("MIN_NUM"), "3");
    EXPECT_EQ(settings().minOperand, 3);

    QComboBox* drill = combo("DRILL");
    QTest::mouseClick(drill->lineEdit(), Qt::LeftButton);
    QTest::keyClicks(QApplication::focusWidget(), "4"); // typed, not picked
    EXPECT_FALSE(settings().hasEmphasis());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(boxText("DRILL"), "5");
    ASSERT_TRUE(settings().hasEmphasis());
    EXPECT_EQ(*settings().emphasisNumber, 5);
    EXPECT_TRUE(checked("Drill_Type(0)"));
}
