// Real passes over real widgets on configured offscreen screens: a window laid out on a
// 1024 x 768 screen, shown there, then moved to a larger screen and back (or shown on a smaller
// one). What the resize engine does on the fake host must come out the same on Qt: geometry,
// fonts, a menu bar counted once, pictures redrawn at their new size, and the inner sizes of
// tab widgets, grids and tab bars.
#include "qt/qt_platform.h"
#include "qt/qt_tree.h"

#include <kelvaneuc/kelvaneucwidget.h>

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include "offscreen_screens.h"

#include <functional>
#include <map>
#include <memory>

namespace {

constexpr QRect kDesign(0, 0, 1024, 768);
constexpr QRect kSmall(1024, 0, 800, 600);
constexpr QRect kLarge(1824, 0, 1600, 1200);

template <class T> T* named(QWidget* parent, const char* name)
{
    auto* w = new T(parent);
    w->setObjectName(QString::fromLatin1(name));
    return w;
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
    window->move(screen.topLeft() + QPoint(10, 10));
    settle();
}

// The frame metrics of this platform, read from a shown window like the form: a form laid out
// "on this screen" stores them as its design metrics.
kelvane::DisplayMetrics frameMetrics(QWidget& form)
{
    form.move(kDesign.topLeft() + QPoint(10, 10));
    form.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
    const kelvane::DisplayMetrics m = kelvane::qt::displayMetricsOf(&form);
    form.hide();
    settle();
    return m;
}

// Places the control on the form (or in one of its containers) as laid out on the 1024 x 768
// screen with this platform's frame.
kelvane::KelvaneUCWidget* placeControl(QWidget& form, const kelvane::DisplayMetrics& m,
                                       std::initializer_list<std::pair<const char*, kelvane::Value>> more = {})
{
    auto* control = new kelvane::KelvaneUCWidget(&form);
    kelvane::MemoryPropertyBag bag{{"DesignWidth", 1024.0},
                                   {"DesignHeight", 768.0},
                                   {"DesignBorderWidth", m.borderWidth},
                                   {"DesignCaptionHeight", m.captionHeight},
                                   {"DesignMenuHeight", m.menuHeight},
                                   {"DesignScrollWidth", m.scrollWidth}};
    for (const auto& [key, value] : more)
        bag.write(key, value, kelvane::Value());
    EXPECT_TRUE(control->load(bag));
    return control;
}

void showOn(QWidget& form, const QRect& screen)
{
    form.move(screen.topLeft() + QPoint(10, 10));
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    settle();
    ASSERT_EQ(form.screen()->geometry(), screen);
}

// --- the form is the top-level window, wherever the control sits -------------------------------

struct FormCase {
    const char* name;
    bool dialog;       // a QDialog form, else a QWidget one
    const char* panel; // the container: "frame", "group" or "plain" (a QWidget, as Designer's "Widget")
    bool joinsLater;   // the container is made first and put on the form after the control
};

class QtPassForm : public ::testing::TestWithParam<FormCase> {};

TEST_P(QtPassForm, theWholeWindowFollowsTheControlInAContainer)
{
    const FormCase& c = GetParam();
    std::unique_ptr<QWidget> form = c.dialog ? std::make_unique<QDialog>() : std::make_unique<QWidget>();
    form->setObjectName("Form1");
    form->resize(900, 640);
    auto* start = named<QPushButton>(form.get(), "Start");
    start->setGeometry(600, 480, 240, 60);
    QWidget* panel = std::string(c.panel) == "frame" ? static_cast<QWidget*>(new QFrame)
        : std::string(c.panel) == "group"            ? static_cast<QWidget*>(new QGroupBox("Answer"))
                                                     : new QWidget;
    panel->setObjectName("Panel");
    if (!c.joinsLater)
        panel->setParent(form.get());
    panel->setGeometry(20, 20, 400, 300);
    auto* answer = named<QLineEdit>(panel, "Answer");
    answer->setGeometry(20, 40, 200, 30);
    const kelvane::DisplayMetrics m = frameMetrics(*form);
    auto* control = placeControl(*panel, m);
    if (c.joinsLater) {
        panel->setParent(form.get());
        panel->show();
    }
    const QRect panelDesign = panel->geometry();
    showOn(*form, kSmall);

    const std::string errors = control->control().GetErrors();
    EXPECT_EQ(errors.find("doesn't support"), std::string::npos) << errors;
    const double r = control->control().WidthRatio();
    EXPECT_LT(r, 0.85);
    EXPECT_TRUE(form->screen()->availableGeometry().contains(form->frameGeometry()));
    const auto expectScaled = [r](const QWidget* w, const QRect& design) {
        SCOPED_TRACE(w->objectName().toStdString());
        EXPECT_NEAR(w->x(), design.x() * r, 1.0);
        EXPECT_NEAR(w->y(), design.y() * r, 1.0);
        EXPECT_NEAR(w->width(), design.width() * r, 1.0);
        EXPECT_NEAR(w->height(), design.height() * r, 1.0);
    };
    expectScaled(start, QRect(600, 480, 240, 60));
    expectScaled(answer, QRect(20, 40, 200, 30));
    expectScaled(panel, panelDesign);
}

INSTANTIATE_TEST_SUITE_P(Containers, QtPassForm,
                         ::testing::Values(FormCase{"inAFrameOfAWidgetForm", false, "frame", false},
                                           FormCase{"inAGroupBoxOfADialog", true, "group", false},
                                           FormCase{"inAPlainWidgetOfADialog", true, "plain", false},
                                           FormCase{"madeInCodeBeforeItsContainerJoinsTheForm", false, "frame", true}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- the menu bar is the form's menu, counted once --------------------------------------------

TEST(QtPassMenu, aMainWindowsMenuBarIsSubtractedOnceByTheMenuHeight)
{
    QMainWindow form;
    form.setObjectName("Form1");
    form.menuBar()->setObjectName("MainMenu");
    form.menuBar()->addMenu("&File");
    form.menuBar()->setFixedHeight(19);
    auto* client = new QWidget;
    form.setCentralWidget(client);
    auto* button = named<QPushButton>(client, "Command1");
    button->setGeometry(100, 200, 120, 40);
    form.resize(900, 640);
    const kelvane::DisplayMetrics m = frameMetrics(form);
    ASSERT_EQ(m.menuHeight, 19);
    auto* control = placeControl(form, m, {{"KeepAspectRatio", kelvane::Value(false)}});
    showOn(form, kSmall);

    // Design: 768 - 8 - 2 x border - caption - menu; here the same on 600 (no aligned controls).
    const double frame = 2 * m.borderWidth + m.captionHeight;
    const double designHeight = 768 - 8 - frame - 19;
    const double height = 600 - 8 - frame - 19;
    EXPECT_DOUBLE_EQ(control->control().HeightRatio(), height / designHeight);
    EXPECT_DOUBLE_EQ(control->control().WidthRatio(), (800 - 6 - 2 * m.borderWidth) / (1024 - 6 - 2 * m.borderWidth));
    // The control lands where the formula puts it, measured from below the menu bar.
    EXPECT_NEAR(button->y(), 200 * height / designHeight, 1.0);
    EXPECT_NEAR(button->height(), 40 * height / designHeight, 1.0);
    EXPECT_EQ(client->y(), 19);
}

// --- the tab-order display leaves every control as it was --------------------------------------

TEST(QtTabOrderDisplay, eachControlKeepsItsOwnAndItsInheritedPalette)
{
    QWidget form;
    form.setObjectName("Form1");
    QPalette formPalette = form.palette();
    formPalette.setColor(QPalette::Base, QColor(250, 250, 200));
    form.setPalette(formPalette);
    auto* inherits = named<QLineEdit>(&form, "Text1");
    auto* own = named<QPushButton>(&form, "Command1");
    QPalette buttonPalette;
    buttonPalette.setColor(QPalette::Button, QColor(0, 128, 0));
    own->setPalette(buttonPalette);
    auto* filled = named<QLabel>(&form, "Label1");
    auto* disabled = named<QCheckBox>(&form, "Check1");
    disabled->setEnabled(false);
    auto* painted = named<QLabel>(&form, "Label2");
    painted->setAutoFillBackground(true);
    int x = 10;
    for (QWidget* w : std::initializer_list<QWidget*>{inherits, own, filled, disabled, painted}) {
        w->setGeometry(x, 10, 60, 24);
        x += 70;
    }
    kelvane::KelvaneUCWidget control(&form);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    struct Before {
        bool setPalette;
        QPalette::ResolveMask mask;
        bool autoFill;
        bool enabled;
    };
    std::map<QWidget*, Before> before;
    for (QWidget* w : std::initializer_list<QWidget*>{inherits, own, filled, disabled, painted})
        before[w] =
            Before{w->testAttribute(Qt::WA_SetPalette), w->palette().resolveMask(), w->autoFillBackground(), w->isEnabled()};

    ASSERT_TRUE(control.control().ShowTabOrderDemo(0, 0x0000FF));

    for (const auto& [w, was] : before) {
        SCOPED_TRACE(w->objectName().toStdString());
        EXPECT_EQ(w->testAttribute(Qt::WA_SetPalette), was.setPalette);
        EXPECT_EQ(w->palette().resolveMask(), was.mask);
        EXPECT_EQ(w->autoFillBackground(), was.autoFill);
        EXPECT_EQ(w->isEnabled(), was.enabled);
    }
    EXPECT_EQ(own->palette().color(QPalette::Button), QColor(0, 128, 0));

    // A later theme change reaches what was inherited, and only that.
    formPalette.setColor(QPalette::Base, QColor(10, 20, 30));
    formPalette.setColor(QPalette::Button, QColor(200, 0, 0));
    formPalette.setColor(QPalette::Window, QColor(40, 50, 60));
    form.setPalette(formPalette);
    EXPECT_EQ(inherits->palette().color(QPalette::Base), QColor(10, 20, 30));
    EXPECT_EQ(filled->palette().color(QPalette::Window), QColor(40, 50, 60));
    EXPECT_EQ(own->palette().color(QPalette::Button), QColor(0, 128, 0));
    EXPECT_EQ(own->palette().color(QPalette::Base), QColor(10, 20, 30));
}

// --- pictures are redrawn at their new size -------------------------------------------------

// Black on the left half, white on the right: an edge that blurs when a picture is stretched
// from pixels instead of drawn anew.
constexpr const char* kEdgeSvg = R"(<svg xmlns="http://www.w3.org/2000/svg" width="80" height="40" viewBox="0 0 80 40">
<rect x="0" y="0" width="80" height="40" fill="#ffffff"/><rect x="0" y="0" width="40" height="40" fill="#000000"/></svg>)";

QImage edgeImage(QSize size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.fillRect(QRect(0, 0, size.width() / 2, size.height()), Qt::black);
    return image;
}

// Pixels of one row that are neither black nor white.
int greyPixels(const QImage& image, int row)
{
    int grey = 0;
    for (int x = 0; x < image.width(); ++x) {
        const int v = qGray(image.pixel(x, row));
        grey += v > 20 && v < 235 ? 1 : 0;
    }
    return grey;
}

class QtPassPictures : public ::testing::Test {
protected:
    void SetUp() override
    {
        svgPath = QDir::temp().filePath(QStringLiteral("kelvane_edge_%1.svg").arg(QCoreApplication::applicationPid()));
        QFile file(svgPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(kEdgeSvg);
    }
    void TearDown() override { QFile::remove(svgPath); }
    QString svgPath;
};

TEST_F(QtPassPictures, aPixmapAndAnSvgPictureAreDrawnAtTheNewSizeAndComeBackExactly)
{
    QWidget form;
    form.setObjectName("Form1");
    form.resize(600, 400);
    auto* pixmapLabel = named<QLabel>(&form, "Picture1");
    const QImage original = edgeImage(QSize(80, 40));
    pixmapLabel->setPixmap(QPixmap::fromImage(original));
    pixmapLabel->setGeometry(20, 20, 80, 40);
    auto* svgLabel = named<QLabel>(&form, "Picture2");
    svgLabel->setProperty("Picture", svgPath); // the source: drawn anew at each size
    svgLabel->setPixmap(QPixmap(svgPath));
    svgLabel->setGeometry(20, 100, 80, 40);
    const kelvane::DisplayMetrics m = frameMetrics(form);
    auto* control = placeControl(form, m);
    showOn(form, kDesign);

    moveTo(&form, kLarge);
    const double ratio = control->control().WidthRatio();
    ASSERT_GT(ratio, 1.3);
    for (QLabel* label : {pixmapLabel, svgLabel}) {
        SCOPED_TRACE(label->objectName().toStdString());
        EXPECT_NEAR(label->width(), 80 * ratio, 1.0);
        EXPECT_EQ(label->pixmap().deviceIndependentSize().toSize(), label->size()) << "the picture kept its size";
    }
    // Drawn from the picture itself: the edge stays one pixel wide at most.
    const QImage svgNow = svgLabel->pixmap().toImage();
    EXPECT_LE(greyPixels(svgNow, svgNow.height() / 2), 1);
    EXPECT_EQ(qGray(svgNow.pixel(svgNow.width() / 2 - 2, 5)), 0);
    EXPECT_EQ(qGray(svgNow.pixel(svgNow.width() / 2 + 2, 5)), 255);

    moveTo(&form, kDesign);
    EXPECT_EQ(pixmapLabel->size(), QSize(80, 40));
    // Drawn from the original, not from the stretched copy: back at its size it is the original.
    EXPECT_EQ(pixmapLabel->pixmap().toImage().convertToFormat(QImage::Format_ARGB32), original);
    EXPECT_EQ(svgLabel->pixmap().size(), QSize(80, 40));
    EXPECT_LE(greyPixels(svgLabel->pixmap().toImage(), 20), 1);
}

// --- tab widgets, grids and tab bars, up and back ---------------------------------------------

struct Design {
    QRect geometry;
    double pointSize;
};

class QtPassRealWidgets : public ::testing::Test {
protected:
    void SetUp() override
    {
        form.setObjectName("Form1");
        form.resize(700, 500);
        QFont font = form.font();
        font.setPointSizeF(10);
        form.setFont(font);

        tabs = named<QTabWidget>(&form, "SSTab1");
        tabs->setGeometry(10, 10, 340, 220);
        auto* first = new QWidget;
        auto* second = new QWidget;
        tabs->addTab(first, "First");
        tabs->addTab(second, "Second");
        named<QPushButton>(first, "Command1")->setGeometry(10, 10, 100, 30);
        named<QLineEdit>(first, "Text1")->setGeometry(10, 60, 200, 26);
        named<QLabel>(second, "Label1")->setGeometry(20, 20, 150, 24);
        named<QCheckBox>(second, "Check1")->setGeometry(20, 70, 150, 24);
        tabs->setCurrentIndex(1); // the second page shows; the first is hidden during the pass

        grid = named<QTableWidget>(&form, "Grid1");
        grid->setGeometry(360, 10, 320, 220);
        grid->setRowCount(4);
        grid->setColumnCount(3);
        const int widths[] = {80, 60, 100};
        for (int c = 0; c < 3; ++c)
            grid->setColumnWidth(c, widths[c]);
        for (int r = 0; r < 4; ++r)
            grid->setRowHeight(r, 24 + 2 * r);
        auto* item = new QTableWidgetItem("12");
        QFont cellFont = grid->font();
        cellFont.setPointSizeF(12);
        item->setFont(cellFont);
        grid->setItem(1, 2, item);
        grid->setCurrentCell(2, 1);

        bar = named<QTabBar>(&form, "TabStrip1");
        bar->addTab("One");
        bar->addTab("Two");
        bar->addTab("Three");
        bar->setCurrentIndex(2);
        bar->setGeometry(10, 260, 300, 30);

        for (QObject* o : kelvane::qt::controlsOf(&form)) // what a pass reaches
            if (o->isWidgetType())
                design[static_cast<QWidget*>(o)] =
                    Design{static_cast<QWidget*>(o)->geometry(), static_cast<QWidget*>(o)->font().pointSizeF()};
        ASSERT_EQ(design.size(), 7u);
        for (int c = 0; c < 3; ++c)
            columnWidths.push_back(grid->columnWidth(c));
        for (int r = 0; r < 4; ++r)
            rowHeights.push_back(grid->rowHeight(r));

        metrics = frameMetrics(form);
        control = placeControl(form, metrics);
        showOn(form, kDesign);
    }

    QWidget form;
    QTabWidget* tabs = nullptr;
    QTableWidget* grid = nullptr;
    QTabBar* bar = nullptr;
    std::map<QWidget*, Design> design;
    std::vector<int> columnWidths, rowHeights;
    kelvane::DisplayMetrics metrics;
    kelvane::KelvaneUCWidget* control = nullptr;
};

TEST_F(QtPassRealWidgets, upScalesEveryPageGridAndTabBarAndBackRestoresThemExactly)
{
    moveTo(&form, kLarge);
    const double wr = control->control().WidthRatio();
    const double hr = control->control().HeightRatio();
    ASSERT_GT(wr, 1.3);
    for (const auto& [w, d] : design) {
        SCOPED_TRACE(w->objectName().toStdString());
        EXPECT_NEAR(w->x(), d.geometry.x() * wr, 1.0);
        EXPECT_NEAR(w->y(), d.geometry.y() * hr, 1.0);
        EXPECT_NEAR(w->width(), d.geometry.width() * wr, 1.0);
        EXPECT_NEAR(w->height(), d.geometry.height() * hr, 1.0);
        EXPECT_NEAR(w->font().pointSizeF(), d.pointSize * std::min(wr, hr), 0.75);
    }
    EXPECT_EQ(tabs->currentIndex(), 1) << "the shown tab";
    for (int c = 0; c < 3; ++c)
        EXPECT_NEAR(grid->columnWidth(c), columnWidths[c] * wr, 1.0) << "column " << c;
    for (int r = 0; r < 4; ++r)
        EXPECT_NEAR(grid->rowHeight(r), rowHeights[r] * hr, 1.0) << "row " << r;
    EXPECT_NEAR(grid->item(1, 2)->font().pointSizeF(), 12 * std::min(wr, hr), 0.75);
    EXPECT_EQ(grid->currentRow(), 2);
    EXPECT_EQ(grid->currentColumn(), 1);
    EXPECT_EQ(bar->currentIndex(), 2);

    moveTo(&form, kDesign);
    for (const auto& [w, d] : design) {
        SCOPED_TRACE(w->objectName().toStdString());
        EXPECT_EQ(w->geometry(), d.geometry);
        EXPECT_NEAR(w->font().pointSizeF(), d.pointSize, 0.01);
    }
    EXPECT_EQ(tabs->currentIndex(), 1);
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(grid->columnWidth(c), columnWidths[c]) << "column " << c;
    for (int r = 0; r < 4; ++r)
        EXPECT_EQ(grid->rowHeight(r), rowHeights[r]) << "row " << r;
    EXPECT_NEAR(grid->item(1, 2)->font().pointSizeF(), 12, 0.01);
    EXPECT_EQ(grid->currentRow(), 2);
    EXPECT_EQ(grid->currentColumn(), 1);
    EXPECT_EQ(control->control().GetErrors().find("Err=Object"), std::string::npos) << control->control().GetErrors();
}

} // namespace

int main(int argc, char** argv)
{
    return runTestsOnScreens(argc, argv, R"([
        {"name": "design", "x": 0, "y": 0, "width": 1024, "height": 768, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
        {"name": "small", "x": 1024, "y": 0, "width": 800, "height": 600, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1},
        {"name": "large", "x": 1824, "y": 0, "width": 1600, "height": 1200, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}])");
}
