// The Qt binding on real widgets (offscreen): kinds, containers and units, tab order on the
// focus chain, members a kind lacks, line end points, exact geometry, collections, fonts.
#include "qt/qt_control.h"
#include "qt/qt_exact.h"
#include "qt/qt_platform.h"

#include <kelvaneuc/kelvaneucwidget.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

namespace kelvane::qt {
namespace {

double tpp() { return 1440.0 / QGuiApplication::primaryScreen()->logicalDotsPerInchX(); }

int32_t failureNumber(const std::function<void()>& f)
{
    try {
        f();
    } catch (const Failure& failure) {
        return failure.error().number;
    }
    return 0;
}

template <class T> T* named(QWidget* parent, const char* name)
{
    auto* w = new T(parent);
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

TEST(QtKinds, eachWidgetClassReportsItsPlatformTypeName)
{
    QWidget form;
    form.setObjectName("Form1");
    auto* tabs = named<QTabWidget>(&form, "SSTab1");
    const std::pair<QObject*, const char*> table[] = {
        {&form, "Form"},
        {named<QPushButton>(&form, "Command1"), "CommandButton"},
        {named<QLabel>(&form, "Label1"), "Label"},
        {named<QLineEdit>(&form, "Text1"), "TextBox"},
        {named<QTextEdit>(&form, "Text2"), "TextBox"},
        {named<QPlainTextEdit>(&form, "Text3"), "TextBox"},
        {named<QComboBox>(&form, "Combo1"), "ComboBox"},
        {named<QGroupBox>(&form, "Frame1"), "Frame"},
        {named<QRadioButton>(&form, "Option1"), "OptionButton"},
        {named<QCheckBox>(&form, "Check1"), "CheckBox"},
        {named<QListWidget>(&form, "List1"), "ListBox"},
        {named<QMenuBar>(&form, "MainMenu"), "Menu"},
        {named<QToolBar>(&form, "Toolbar1"), "Toolbar"},
        {named<QStatusBar>(&form, "StatusBar1"), "StatusBar"},
        {named<QTableWidget>(&form, "Grid1"), "MSFlexGrid"},
        {named<QTableView>(&form, "DataGrid1"), "DataGrid"},
        {tabs, "SSTab"},
        {named<QTabBar>(&form, "TabStrip1"), "TabStrip"},
        {named<QWidget>(&form, "Picture1"), "PictureBox"},
        {named<QFrame>(&form, "Picture2"), "PictureBox"},
        {named<QSlider>(&form, "Slider1"), "Slider"},
        {new KelvaneUCWidget(&form), "KelvaneUC"},
    };
    auto* timer = new QTimer(&form);
    timer->setObjectName("Timer1");
    EXPECT_EQ(wrap(timer)->typeName(), "Timer");
    for (const auto& [object, expected] : table)
        EXPECT_EQ(wrap(object)->typeName(), expected) << object->metaObject()->className();
}

TEST(QtKinds, aControlSaysItLacksAlignExactlyWhenReadingItFailsAsMissing)
{
    QWidget form;
    form.setObjectName("Form1");
    std::vector<QObject*> objects{&form,
                                  named<QPushButton>(&form, "Command1"),
                                  named<QLabel>(&form, "Label1"),
                                  named<QGroupBox>(&form, "Frame1"),
                                  named<QMenuBar>(&form, "MainMenu"),
                                  named<QToolBar>(&form, "Toolbar1"),
                                  named<QStatusBar>(&form, "StatusBar1"),
                                  named<QWidget>(&form, "Picture1"),
                                  named<QTabWidget>(&form, "SSTab1"),
                                  named<QTimer>(&form, "Timer1"),
                                  new KelvaneUCWidget(&form)};
    auto* declared = named<QLabel>(&form, "Label2"); // a dynamic property of that name wins
    declared->setProperty("Align", 2);
    objects.push_back(declared);
    auto* typed = named<QLabel>(&form, "Label3"); // so does a kind named explicitly
    typed->setProperty("kind", "StatusBar");
    objects.push_back(typed);
    for (QObject* object : objects) {
        const Ref c = wrap(object);
        const auto* probe = dynamic_cast<const MemberProbe*>(c.get());
        ASSERT_NE(probe, nullptr);
        for (const char* member : {"Align", "align"}) {
            const bool fails = failureNumber([&] { c->get(member); }) == err::MissingMember;
            EXPECT_EQ(probe->lacksMember(member), fails) << object->objectName().toStdString() << "." << member;
        }
        EXPECT_FALSE(probe->lacksMember("Left")) << "only sure answers";
    }
    EXPECT_FALSE(IsAligned(wrap(&form)));
    EXPECT_TRUE(IsAligned(wrap(declared)));
}

TEST(QtKinds, kindPropertyNamesTheKindExplicitly)
{
    QWidget form;
    auto* picture = named<QLabel>(&form, "Image1");
    picture->setProperty("kind", "image");
    EXPECT_EQ(wrap(picture)->typeName(), "image");
}

TEST(QtControls, lineEditInFrameReportsFrameAndTwips)
{
    QWidget form;
    form.setObjectName("Form1");
    auto* frame = named<QGroupBox>(&form, "Frame1");
    frame->setGeometry(30, 40, 300, 200);
    auto* edit = named<QLineEdit>(frame, "Text1");
    edit->setGeometry(12, 25, 81, 23);

    const Ref c = wrap(edit);
    EXPECT_TRUE(sameObject(c->get("Container").toObject(), wrap(frame)));
    EXPECT_TRUE(sameObject(c->get("Parent").toObject(), wrap(&form)));
    EXPECT_TRUE(sameObject(wrap(frame)->get("Container").toObject(), wrap(&form)));
    EXPECT_DOUBLE_EQ(c->get("Left").toDouble(), 12 * tpp());
    EXPECT_DOUBLE_EQ(c->get("Top").toDouble(), 25 * tpp());
    EXPECT_DOUBLE_EQ(c->get("Width").toDouble(), 81 * tpp());
    EXPECT_DOUBLE_EQ(c->get("Height").toDouble(), 23 * tpp());
}

TEST(QtControls, unnamedWidgetsBetweenAControlAndItsContainerAreLookedThrough)
{
    QWidget form;
    auto* client = new QWidget(&form); // unnamed: not a control, but it moves what it holds
    client->move(0, 20);
    auto* label = named<QLabel>(client, "Label1");
    label->setGeometry(10, 5, 50, 20);
    const Ref c = wrap(label);
    EXPECT_TRUE(sameObject(c->get("Container").toObject(), wrap(&form)));
    EXPECT_DOUBLE_EQ(c->get("Top").toDouble(), 25 * tpp());
    c->set("Top", Value(40 * tpp()));
    EXPECT_EQ(label->y(), 20);
}

TEST(QtControls, scaleModeOfTheContainerSetsTheUnits)
{
    QWidget form;
    form.setObjectName("Form1");
    auto* picture = named<QWidget>(&form, "Picture1");
    picture->setGeometry(0, 0, 200, 200);
    auto* label = named<QLabel>(picture, "Label1");
    label->setGeometry(10, 20, 30, 40);
    wrap(picture)->set("ScaleMode", Value(int32_t{3}));
    EXPECT_DOUBLE_EQ(wrap(label)->get("Left").toDouble(), 10);
    EXPECT_DOUBLE_EQ(wrap(picture)->get("Left").toDouble(), 0); // the form stays in twips
    EXPECT_EQ(wrap(picture)->get("ScaleMode").toInt32(), 3);
    EXPECT_DOUBLE_EQ(wrap(picture)->get("ScaleWidth").toDouble(), 200);
    EXPECT_EQ(failureNumber([&] { wrap(label)->set("ScaleMode", Value(int32_t{3})); }), err::MissingMember);
}

TEST(QtControls, timerHasNoVisibleNorPosition)
{
    QWidget form;
    auto* timer = new QTimer(&form);
    timer->setObjectName("Timer1");
    timer->setInterval(500);
    const Ref t = wrap(timer);
    for (const char* member : {"Visible", "Left", "Top", "Width", "Font", "TabIndex"})
        EXPECT_EQ(failureNumber([&] { t->get(member); }), err::MissingMember) << member;
    EXPECT_EQ(t->get("Interval").toInt32(), 500);
    EXPECT_FALSE(t->get("Enabled").toBool());
    t->set("Enabled", Value(true));
    EXPECT_TRUE(timer->isActive());
    EXPECT_TRUE(sameObject(t->get("Parent").toObject(), wrap(&form)));
}

TEST(QtControls, membersAKindLacksFailAsMissing)
{
    QWidget form;
    auto* label = named<QLabel>(&form, "Label1");
    const Ref c = wrap(label);
    for (const char* member : {"Tab", "RowHeight", "WindowState", "Controls", "Interval", "Align", "NoSuchMember"})
        EXPECT_EQ(failureNumber([&] { c->get(member); }), err::MissingMember) << member;
    EXPECT_EQ(failureNumber([&] { wrap(&form)->get("Container"); }), err::MissingMember);
    EXPECT_EQ(failureNumber([&] { c->get("Index"); }), 343); // not an element of an array
}

TEST(QtControls, objectGoneMeansObjectRequired)
{
    auto* form = new QWidget;
    auto* label = named<QLabel>(form, "Label1");
    const Ref c = wrap(label);
    delete form;
    EXPECT_EQ(failureNumber([&] { c->get("Left"); }), err::ObjectRequired);
}

TEST(QtControls, lineEndPointsComeFromItsOwnProperties)
{
    QWidget form;
    auto* line = named<QWidget>(&form, "Line1");
    line->setProperty("kind", "line");
    line->setProperty("X1", 100.0);
    line->setProperty("Y1", 500.0);
    line->setProperty("X2", 400.0);
    line->setProperty("Y2", 200.0);
    const Ref c = wrap(line);
    EXPECT_EQ(c->typeName(), "line");
    EXPECT_DOUBLE_EQ(c->get("X1").toDouble(), 100);
    c->set("Y2", Value(250.0));
    EXPECT_DOUBLE_EQ(line->property("Y2").toDouble(), 250);
    for (const char* member : {"Left", "Top", "Width", "Height"})
        EXPECT_EQ(failureNumber([&] { c->set(member, Value(1.0)); }), err::MissingMember) << member;
    EXPECT_EQ(failureNumber([&] { c->get("TabIndex"); }), err::MissingMember);
}

TEST(QtControls, exactMemberNameOfAQtPropertyWinsOverTheMapping)
{
    QWidget form;
    auto* label = named<QLabel>(&form, "Label1");
    label->setGeometry(0, 0, 10, 10);
    label->setProperty("Left", 1234.5);
    EXPECT_DOUBLE_EQ(wrap(label)->get("Left").toDouble(), 1234.5);
    wrap(label)->set("Left", Value(99.0));
    EXPECT_EQ(label->x(), 0);
    EXPECT_DOUBLE_EQ(label->property("Left").toDouble(), 99);
}

TEST(QtControls, nameAndIndexOfAnArrayElement)
{
    QWidget form;
    auto* key = named<QPushButton>(&form, "keypad(3)");
    EXPECT_EQ(wrap(key)->get("Name").toString(), "keypad");
    EXPECT_EQ(wrap(key)->get("Index").toInt32(), 3);
}

TEST(QtControls, backColorIsBlueGreenRed)
{
    QWidget form;
    auto* button = named<QPushButton>(&form, "Command1");
    wrap(button)->set("BackColor", Value(int32_t{0x00FF8040}));
    EXPECT_EQ(button->palette().color(QPalette::Button), QColor(0x40, 0x80, 0xFF));
    EXPECT_EQ(wrap(button)->get("BackColor").toInt32(), 0x00FF8040);
}

// --- geometry -------------------------------------------------------------------------------

TEST(QtGeometry, repeatedScalingReturnsExactlyAndDoesNotDrift)
{
    QWidget form;
    auto* label = named<QLabel>(&form, "Label1");
    label->setGeometry(37, 53, 71, 19);
    const Ref c = wrap(label);
    const double left = c->get("Left").toDouble(), width = c->get("Width").toDouble();
    const double ratios[] = {0.7, 1.0 / 0.7, 0.613, 1.0 / 0.613, 1.37, 1.0 / 1.37};
    for (double r : ratios) {
        Array args{Value(c->get("Left").toDouble() * r), Value(c->get("Top").toDouble() * r),
                   Value(c->get("Width").toDouble() * r), Value(c->get("Height").toDouble() * r)};
        c->call("Move", args);
    }
    EXPECT_EQ(label->geometry(), QRect(37, 53, 71, 19));
    EXPECT_NEAR(c->get("Left").toDouble(), left, 1e-9);
    EXPECT_NEAR(c->get("Width").toDouble(), width, 1e-9);

    // Kept between passes: a fractional value reads back as written.
    c->set("Left", Value(100.0 * tpp() + 7));
    EXPECT_DOUBLE_EQ(c->get("Left").toDouble(), 100.0 * tpp() + 7);
}

TEST(QtGeometry, someoneElseMovingTheWidgetDropsTheExactValue)
{
    QWidget form;
    auto* label = named<QLabel>(&form, "Label1");
    const Ref c = wrap(label);
    c->set("Left", Value(10.4 * tpp()));
    EXPECT_EQ(label->x(), 10);
    label->move(50, label->y());
    EXPECT_DOUBLE_EQ(c->get("Left").toDouble(), 50 * tpp());
}

TEST(QtGeometry, edgesAreRoundedSoTouchingNeighboursStillTouch)
{
    QWidget form;
    std::vector<QLabel*> row;
    for (int i = 0; i < 7; ++i) {
        row.push_back(named<QLabel>(&form, ("Label" + std::to_string(i)).c_str()));
        row.back()->setGeometry(i * 23, 0, 23, 10);
    }
    for (double r : {0.77, 1.31, 0.5501}) {
        for (QLabel* l : row) {
            const Ref c = wrap(l);
            Array args{Value(c->get("Left").toDouble() * r), Value(0.0), Value(c->get("Width").toDouble() * r),
                       Value(c->get("Height").toDouble())};
            c->call("Move", args);
        }
        for (std::size_t i = 1; i < row.size(); ++i)
            EXPECT_EQ(row[i - 1]->geometry().right() + 1, row[i]->geometry().left()) << "ratio " << r << " at " << i;
    }
}

TEST(QtGeometry, formGeometryIsItsFrameInTwips)
{
    QWidget form;
    form.setObjectName("Form1");
    form.setGeometry(100, 120, 400, 300);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const Ref f = wrap(&form);
    const QRect frame = form.frameGeometry();
    EXPECT_DOUBLE_EQ(f->get("Left").toDouble(), frame.left() * tpp());
    EXPECT_DOUBLE_EQ(f->get("Height").toDouble(), frame.height() * tpp());
    f->set("Width", Value(f->get("Width").toDouble() * 0.5));
    EXPECT_EQ(form.frameGeometry().width(), (frame.width() + 1) / 2);
    EXPECT_DOUBLE_EQ(f->get("ScaleWidth").toDouble(), form.width() * tpp());
    EXPECT_EQ(f->get("WindowState").toInt32(), 0);
    EXPECT_TRUE(f->get("Visible").toBool());
}

// --- tab order ------------------------------------------------------------------------------

QWidget* firstFocusable(QWidget* window)
{
    for (QWidget* w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain())
        if (w->focusPolicy() != Qt::NoFocus)
            return w;
    return nullptr;
}

TEST(QtTabOrder, writingZeroMovesTheControlToTheFrontOfTheFocusChain)
{
    QWidget form;
    form.setObjectName("Form1");
    auto* a = named<QLineEdit>(&form, "Text1");
    auto* label = named<QLabel>(&form, "Label1");
    auto* b = named<QPushButton>(&form, "Command1");
    auto* frame = named<QGroupBox>(&form, "Frame1");
    auto* c = named<QLineEdit>(frame, "Text2");
    const std::vector<QObject*> initial{a, label, b, frame, c};
    for (std::size_t i = 0; i < initial.size(); ++i)
        EXPECT_EQ(wrap(initial[i])->get("TabIndex").toInt32(), static_cast<int32_t>(i));

    wrap(c)->set("TabIndex", Value(int32_t{0}));
    EXPECT_EQ(firstFocusable(&form), c);
    EXPECT_EQ(c->nextInFocusChain(), a);
    const std::vector<QObject*> after{c, a, label, b, frame};
    for (std::size_t i = 0; i < after.size(); ++i)
        EXPECT_EQ(wrap(after[i])->get("TabIndex").toInt32(), static_cast<int32_t>(i)) << i;

    // Past the end clamps to the last place; the rest stay contiguous.
    wrap(c)->set("TabIndex", Value(int32_t{99}));
    EXPECT_EQ(wrap(c)->get("TabIndex").toInt32(), 4);
    EXPECT_EQ(wrap(a)->get("TabIndex").toInt32(), 0);
    EXPECT_EQ(firstFocusable(&form), a);
    EXPECT_EQ(failureNumber([&] { wrap(a)->set("TabIndex", Value(int32_t{-1})); }), 380);
}

// --- collections and fonts ------------------------------------------------------------------

TEST(QtCollections, controlsAreEveryNamedControlFlatWithoutQtParts)
{
    QWidget form;
    form.setObjectName("Form1");
    auto* combo = named<QComboBox>(&form, "Combo1");
    combo->setEditable(true); // its line edit is a part, not a control
    combo->lineEdit()->setObjectName("innerEdit");
    auto* frame = named<QGroupBox>(&form, "Frame1");
    named<QLabel>(frame, "Label1");
    named<QLabel>(frame, "qt_helper");
    new QLabel(frame); // unnamed
    auto* tabs = named<QTabWidget>(&form, "SSTab1");
    auto* page = named<QWidget>(nullptr, "page0");
    tabs->addTab(page, "one");
    named<QPushButton>(page, "Command1");
    auto* timer = new QTimer(&form);
    timer->setObjectName("Timer1");
    auto* dialog = named<QWidget>(&form, "Dialog1");
    dialog->setWindowFlag(Qt::Window);

    const Ref controls = wrap(&form)->get("Controls").toObject();
    std::vector<std::string> names;
    for (int32_t i = 0; i < controls->get("Count").toInt32(); ++i)
        names.push_back(controls->get("Item", {Value(i)}).toObject()->get("Name").toString());
    EXPECT_EQ(names, (std::vector<std::string>{"Combo1", "Frame1", "Label1", "SSTab1", "Command1", "Timer1"}));
    EXPECT_EQ(failureNumber([&] { controls->get("Item", {Value(int32_t{6})}); }), err::SubscriptOutOfRange);

    // A control on a tab page sits in the tab widget; off the shown tab it reports far left.
    auto* page2 = named<QWidget>(nullptr, "page1");
    tabs->addTab(page2, "two");
    auto* hidden = named<QPushButton>(page2, "Command2");
    EXPECT_TRUE(sameObject(wrap(hidden)->get("Container").toObject(), wrap(tabs)));
    EXPECT_LT(wrap(hidden)->get("Left").toDouble(), -70000);
    EXPECT_GE(wrap(tabs->widget(0)->findChild<QPushButton*>())->get("Left").toDouble(), 0);
    wrap(tabs)->set("Tab", Value(int32_t{1}));
    EXPECT_GE(wrap(hidden)->get("Left").toDouble(), 0);
    EXPECT_EQ(wrap(tabs)->get("Tabs").toInt32(), 2);
}

TEST(QtFonts, scalingAContainersFontLeavesItsControlsTheirOwn)
{
    QWidget form;
    form.setObjectName("Form1");
    QFont base = form.font();
    base.setPointSizeF(10);
    form.setFont(base);
    auto* frame = named<QGroupBox>(&form, "Frame1");
    auto* label = named<QLabel>(frame, "Label1");
    const Ref font = wrap(frame)->get("Font").toObject();
    EXPECT_DOUBLE_EQ(font->get("Size").toDouble(), 10);
    font->set("Size", Value(15.0));
    EXPECT_DOUBLE_EQ(frame->font().pointSizeF(), 15);
    EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 10);
    wrap(label)->get("Font").toObject()->set("Name", Value("Arial"));
    EXPECT_EQ(label->font().family(), "Arial");
    EXPECT_EQ(failureNumber([&] { font->set("Size", Value(0.0)); }), 380);
}

TEST(QtFonts, editableComboTextFollowsTheBoxUnderAStyleSheet)
{
    QWidget form;
    form.setObjectName("Form1");
    auto* frame = named<QGroupBox>(&form, "Frame1");
    frame->setStyleSheet("QGroupBox { border: 1px solid gray; }");
    auto* combo = named<QComboBox>(frame, "Combo1");
    combo->setEditable(true);
    QFont start = combo->font();
    start.setPointSizeF(9);
    combo->setFont(start);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    const Ref font = wrap(combo)->get("Font").toObject();
    font->set("Size", Value(18.0));
    EXPECT_DOUBLE_EQ(combo->font().pointSizeF(), 18.0);
    EXPECT_DOUBLE_EQ(combo->lineEdit()->font().pointSizeF(), 18.0);
}

TEST(QtGrids, flexGridKeepsCellAndSelectionThroughRowColWrites)
{
    QWidget form;
    auto* grid = named<QTableWidget>(&form, "Grid1");
    grid->setRowCount(5);
    grid->setColumnCount(4);
    const Ref g = wrap(grid);
    g->set("Row", Value(int32_t{1}));
    g->set("Col", Value(int32_t{2}));
    g->set("RowSel", Value(int32_t{3}));
    g->set("ColSel", Value(int32_t{3}));
    // What a pass does: visit every cell, then put the four back.
    for (int32_t r = 0; r < 5; ++r)
        for (int32_t c = 0; c < 4; ++c) {
            g->set("Row", Value(r));
            g->set("Col", Value(c));
        }
    g->set("Row", Value(int32_t{1}));
    g->set("Col", Value(int32_t{2}));
    g->set("RowSel", Value(int32_t{3}));
    g->set("ColSel", Value(int32_t{3}));
    EXPECT_EQ(grid->currentRow(), 1);
    EXPECT_EQ(grid->currentColumn(), 2);
    ASSERT_EQ(grid->selectedRanges().size(), 1);
    EXPECT_EQ(grid->selectedRanges()[0].bottomRow(), 3);
    EXPECT_EQ(grid->selectedRanges()[0].rightColumn(), 3);
    EXPECT_EQ(g->get("RowSel").toInt32(), 3);

    const double h = g->get("RowHeight", {Value(int32_t{2})}).toDouble();
    g->set("RowHeight", Value(h * 0.61), {Value(int32_t{2})});
    g->set("RowHeight", Value(g->get("RowHeight", {Value(int32_t{2})}).toDouble() / 0.61), {Value(int32_t{2})});
    EXPECT_NEAR(g->get("RowHeight", {Value(int32_t{2})}).toDouble(), h, 1e-9);
    EXPECT_EQ(failureNumber([&] { g->get("RowHeight", {Value(int32_t{5})}); }), err::SubscriptOutOfRange);
    EXPECT_EQ(failureNumber([&] { g->set("Row", Value(int32_t{9})); }), err::SubscriptOutOfRange);
}

TEST(QtGrids, cellFontIsTheCellsOwnOnceSet)
{
    QWidget form;
    auto* grid = named<QTableWidget>(&form, "Grid1");
    grid->setRowCount(2);
    grid->setColumnCount(2);
    const Ref g = wrap(grid);
    const double tableSize = g->get("Font").toObject()->get("Size").toDouble();
    g->set("CellFontSize", Value(21.0));
    EXPECT_DOUBLE_EQ(g->get("CellFontSize").toDouble(), 21);
    g->set("Row", Value(int32_t{1}));
    EXPECT_DOUBLE_EQ(g->get("CellFontSize").toDouble(), tableSize);
}

// --- platform and the widget ----------------------------------------------------------------

TEST(QtPlatformMetrics, frameScreenAndWorkAreaOfTheWindow)
{
    QWidget form;
    form.setObjectName("Form1");
    form.setGeometry(50, 60, 300, 200);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QtPlatform platform;
    const Ref f = wrap(&form);
    const DisplayMetrics m = platform.displayMetrics(f);
    const QScreen* screen = form.screen();
    EXPECT_EQ(m.screenWidth, screen->geometry().width());
    EXPECT_EQ(m.borderWidth, form.geometry().left() - form.frameGeometry().left());
    EXPECT_EQ(m.captionHeight + m.borderWidth, form.geometry().top() - form.frameGeometry().top());
    EXPECT_GT(m.scrollWidth, 0);
    EXPECT_GT(m.menuHeight, 0);
    const auto work = platform.workArea(f);
    ASSERT_TRUE(work.has_value());
    EXPECT_EQ(work->width, screen->availableGeometry().width());
    EXPECT_DOUBLE_EQ(platform.twipsPerPixelY(f), 1440.0 / screen->logicalDotsPerInchY());
    EXPECT_FALSE(platform.developmentMode());
    const auto forms = platform.openForms();
    EXPECT_TRUE(std::any_of(forms.begin(), forms.end(), [&](const Ref& r) { return sameObject(r, f); }));
}

TEST(QtWidget, runModeHidesTheControlAndNeverHoldsUpAClose)
{
    QWidget form;
    form.setObjectName("Form1");
    auto* control = new KelvaneUCWidget(&form);
    MemoryPropertyBag bag;
    ASSERT_TRUE(control->load(bag).ok());
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_TRUE(control->isHidden());
    EXPECT_FALSE(control->control().GetErrors().empty()); // the first showing ran a pass
    EXPECT_TRUE(form.close());
}

TEST(QtWidget, designModeShowsTheFaceNoSmallerThanItsMinimum)
{
    QWidget form;
    form.setObjectName("Form1");
    auto* control = new KelvaneUCWidget(&form, true);
    control->initialize();
    form.show();
    control->show();
    control->resize(20, 20);
    QApplication::processEvents();
    EXPECT_GE(control->width() * tpp(), 2600 - tpp());
    EXPECT_GE(control->height() * tpp(), 1300 - tpp());
    const QLabel* face = control->findChild<QLabel*>();
    ASSERT_NE(face, nullptr);
    EXPECT_TRUE(face->text().startsWith("Res="));
}

} // namespace
} // namespace kelvane::qt

namespace kelvane::qt {
namespace {

TEST(QtControls, aWidgetPlacedByALayoutIsLookedThrough)
{
    QWidget form;
    form.setObjectName("Form1");
    auto* bar = named<QMenuBar>(&form, "MainMenu");
    bar->addMenu("&File");
    auto* client = named<QWidget>(&form, "client");
    auto* layout = new QVBoxLayout(&form);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setMenuBar(bar);
    layout->addWidget(client);
    auto* label = named<QLabel>(client, "Label1");
    label->setGeometry(10, 10, 40, 20);
    form.resize(200, 200);
    layout->activate();

    const Ref controls = wrap(&form)->get("Controls").toObject();
    EXPECT_EQ(controls->get("Count").toInt32(), 2); // the menu bar and the label
    EXPECT_TRUE(sameObject(wrap(label)->get("Container").toObject(), wrap(&form)));
    // The form's area starts below its menu bar, which is the form's menu, not an aligned control.
    ASSERT_GT(client->y(), 0);
    EXPECT_DOUBLE_EQ(wrap(label)->get("Top").toDouble(), 10 * tpp());
    EXPECT_EQ(failureNumber([&] { wrap(bar)->get("Align"); }), err::MissingMember);
    EXPECT_FALSE(IsAligned(wrap(bar)));
    EXPECT_DOUBLE_EQ(wrap(&form)->get("ScaleHeight").toDouble(), (200 - bar->height()) * tpp());
}

TEST(QtGeometry, aWindowMovedByOthersKeepsItsExactSize)
{
    QWidget form;
    form.setObjectName("Form1");
    form.setGeometry(40, 40, 300, 200);
    const Ref f = wrap(&form);
    const double width = f->get("Width").toDouble() * 1.2345;
    f->set("Width", Value(width));
    form.move(90, 70);
    EXPECT_DOUBLE_EQ(f->get("Width").toDouble(), width);
    EXPECT_DOUBLE_EQ(f->get("Left").toDouble(), form.frameGeometry().left() * tpp());
}

} // namespace
} // namespace kelvane::qt

namespace kelvane::qt {
namespace {

TEST(QtGeometry, duringAPassAControlIsPlacedOnceAtTheEnd)
{
    QWidget form;
    auto* label = named<QLabel>(&form, "Label1");
    label->setGeometry(10, 10, 40, 20);
    const Ref c = wrap(label);
    beginDeferredGeometry();
    c->set("Left", Value(30 * tpp()));
    c->set("Width", Value(60 * tpp()));
    EXPECT_EQ(label->geometry(), QRect(10, 10, 40, 20)); // not yet
    EXPECT_DOUBLE_EQ(c->get("Left").toDouble(), 30 * tpp());
    EXPECT_DOUBLE_EQ(c->get("Width").toDouble(), 60 * tpp());
    endDeferredGeometry();
    EXPECT_EQ(label->geometry(), QRect(30, 10, 60, 20));
}

} // namespace
} // namespace kelvane::qt
