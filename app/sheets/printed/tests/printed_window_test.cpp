// Form4 on real widgets: activation prints the page, the answer key prints it again with the
// answers, and every way the printer can fail is reported once with the setup screen back.
#include "sheets/printed/printed_window.h"

#include "sheets/printed/page_painter.h"
#include "sheets/printed/page_panel.h"

#include "common/qt/line_widget.h"
#include "common/qt/twips.h"
#include "common/random_source.h"
#include "settings/shell.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>

namespace zorvix {
namespace {

// No print server answers this process, whatever the machine has set up: the system has no
// default printer here. Set before the first printer is made, as the print system reads it once.
const bool kNoPrintServer = [] {
    qputenv("CUPS_SERVER", "/nonexistent/zorvix-test/cups.sock");
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    return true;
}();

class TestShell final : public Shell {
public:
    DrillState& state() override { return m_state; }
    RandomSource& random() override { return m_random; }
    void showSetup() override { setupShown = true; }
    void hideSetup() override { setupShown = false; }
    void showDrill(TestMethod) override {}
    void endProgram() override { ++ends; }

    DrillState m_state;
    ClockRandom m_random;
    bool setupShown = true;
    int ends = 0;
};

// Runs a poppler tool; empty when it is not installed.
QString runTool(const QString& tool, const QStringList& arguments)
{
    if (QStandardPaths::findExecutable(tool).isEmpty())
        return {};
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000))
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

QStringList words(const QString& text) { return text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts); }

// What the page should read, row by row, left to right: the tops, then signs and bottoms,
// then on the answer key the answers.
QStringList expectedWords(const PrintedPageView& view, bool withAnswers)
{
    QStringList out;
    for (std::size_t row = 0; row < view.problems.size(); row += kPageColumns) {
        for (std::size_t k = row; k < row + kPageColumns; ++k)
            out << QString::fromStdString(view.problems[k].problem.first);
        for (std::size_t k = row; k < row + kPageColumns; ++k) {
            if (view.problems[k].problem.signShown)
                out << QString::fromStdString(view.problems[k].problem.sign);
            out << QString::fromStdString(view.problems[k].problem.second);
        }
        if (withAnswers) {
            for (std::size_t k = row; k < row + kPageColumns; ++k)
                out << QString::fromStdString(view.problems[k].answer);
        }
    }
    return out;
}

class PrintedWindowTest : public ::testing::Test {
protected:
    PrintedWindowTest()
    {
        window.setMessagePresenter([this](const QString& message) { messages << message; });
    }

    // The program shows the window; its activation does the rest.
    void showLikeStart()
    {
        shell.setupShown = false;
        window.show();
        window.raise();
        window.activateWindow();
    }

    bool waitFor(const std::function<bool()>& done) { return QTest::qWaitFor(done, 10000); }

    TestShell shell;
    PrintedSheetWindow window{shell};
    QStringList messages;
};

struct BrokenPrinter {
    const char* name;
    std::function<std::unique_ptr<QPrinter>()> make;
};

class PrinterUnavailable : public PrintedWindowTest, public ::testing::WithParamInterface<BrokenPrinter> {};

TEST_P(PrinterUnavailable, messageOnceWindowHiddenSetupBack)
{
    window.setPrinterFactory(GetParam().make);
    showLikeStart();
    ASSERT_TRUE(waitFor([&] { return !messages.isEmpty(); })) << "the page was never attempted";
    QTest::qWait(50); // a second message would come in the same turn or right after

    EXPECT_EQ(messages, QStringList{QStringLiteral("Printer is not available")});
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(shell.setupShown);
    EXPECT_EQ(window.pagesPrinted(), 0);
    EXPECT_EQ(shell.m_state.settings.problemCount, 40);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, PrinterUnavailable,
    ::testing::Values(BrokenPrinter{"noDefaultPrinter",
                                    [] { return kNoPrintServer ? PrintedSheetWindow::defaultPrinter() : nullptr; }},
                      BrokenPrinter{"invalidPrinter",
                                    [] {
                                        auto printer = std::make_unique<QPrinter>();
                                        printer->setOutputFormat(QPrinter::NativeFormat);
                                        printer->setPrinterName(QStringLiteral("zorvix-no-such-printer"));
                                        return printer;
                                    }},
                      BrokenPrinter{"painterCannotBegin",
                                    [] {
                                        auto printer = std::make_unique<QPrinter>();
                                        printer->setOutputFormat(QPrinter::PdfFormat);
                                        printer->setOutputFileName(QStringLiteral("/nonexistent/zorvix-test/page.pdf"));
                                        return printer;
                                    }}),
    [](const auto& info) { return std::string(info.param.name); });

class PrintToPdf : public PrintedWindowTest {
protected:
    PrintToPdf()
    {
        window.setPrinterFactory([this] {
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdf(static_cast<int>(files.size()) + 1));
            files << printer->outputFileName();
            return printer;
        });
    }

    QString pdf(int n) const { return dir.filePath(QStringLiteral("page-%1.pdf").arg(n)); }

    void SetUp() override
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
        ASSERT_TRUE(dir.isValid());
    }

    QTemporaryDir dir;
    QStringList files;
};

TEST_F(PrintToPdf, worksheetThenAnswerKeyAsLetterPagesOfText)
{
    shell.m_state.settings.testType = static_cast<int16_t>(TestType::MultiplyDivide);
    shell.m_state.settings.minOperand = -9;
    shell.m_state.settings.maxOperand = 12;
    showLikeStart();
    ASSERT_TRUE(waitFor([&] { return window.pagesPrinted() == 1; }));
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(shell.setupShown);

    const QStringList page =
        words(runTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf(1), QStringLiteral("-")}));
    const QStringList expectedPage = expectedWords(window.sheet().view(), false);
    EXPECT_EQ(expectedPage.size(), 40 * 2 + 20); // 20 multiplications show their sign
    EXPECT_EQ(page, expectedPage);

    auto* answers = window.findChild<QPushButton*>(QStringLiteral("answers"));
    ASSERT_NE(answers, nullptr);
    QTest::mouseClick(answers, Qt::LeftButton);
    ASSERT_EQ(window.pagesPrinted(), 2);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(shell.setupShown);
    EXPECT_TRUE(messages.isEmpty());

    const QStringList key = words(runTool(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf(2), QStringLiteral("-")}));
    const QStringList expectedKey = expectedWords(window.sheet().view(), true);
    EXPECT_EQ(expectedKey.size(), 40 * 3 + 20);
    EXPECT_EQ(key, expectedKey);
    // The answer boxes are hidden again once the key is printed.
    for (int k = 0; k < kPrintedSlots; ++k)
        EXPECT_FALSE(window.findChild<QLineEdit*>(QStringLiteral("answer(%1)").arg(k))->isVisibleTo(window.pagePanel()));

    for (int n : {1, 2}) {
        const QString info = runTool(QStringLiteral("pdfinfo"), {pdf(n)});
        EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Page size:\\s+612 x 792 pts")))) << info.toStdString();
        EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n")))) << info.toStdString();
        // Vectors only: a rasterised page would show up as an image.
        const QStringList images =
            runTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf(n)}).split('\n', Qt::SkipEmptyParts);
        EXPECT_LE(images.size(), 2) << images.join('\n').toStdString();
    }
}

TEST_F(PrintToPdf, comingBackToTheWindowDoesNotPrintAgain)
{
    showLikeStart();
    ASSERT_TRUE(waitFor([&] { return window.pagesPrinted() == 1; }));
    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(waitFor([&] { return other.isActiveWindow(); }));
    window.activateWindow();
    ASSERT_TRUE(waitFor([&] { return window.isActiveWindow(); }));
    QTest::qWait(20);
    EXPECT_EQ(window.pagesPrinted(), 1);
}

TEST_F(PrintToPdf, returnPrintsNothingAndTheNextStartPrintsANewPage)
{
    showLikeStart();
    ASSERT_TRUE(waitFor([&] { return window.pagesPrinted() == 1; }));
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("back")), Qt::LeftButton);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(shell.setupShown);
    EXPECT_EQ(window.pagesPrinted(), 1);

    showLikeStart();
    ASSERT_TRUE(waitFor([&] { return window.pagesPrinted() == 2; }));
    EXPECT_TRUE(QFile::exists(pdf(2)));
    EXPECT_TRUE(window.isVisible());
}

TEST_F(PrintToPdf, divisionsShowThePictureLeftOfTheDivisor)
{
    shell.m_state.settings.testType = static_cast<int16_t>(TestType::Divide);
    showLikeStart();
    ASSERT_TRUE(waitFor([&] { return window.pagesPrinted() == 1; }));
    for (int k = 0; k < kPrintedSlots; ++k) {
        const QWidget* image = window.findChild<QWidget*>(QStringLiteral("image1(%1)").arg(k));
        const QWidget* sign = window.findChild<QWidget*>(QStringLiteral("sign(%1)").arg(k));
        const QWidget* divisor = window.findChild<QWidget*>(QStringLiteral("num2(%1)").arg(k));
        ASSERT_TRUE(image && sign && divisor);
        EXPECT_TRUE(image->isVisibleTo(window.pagePanel())) << k;
        EXPECT_FALSE(sign->isVisibleTo(window.pagePanel())) << k;
        EXPECT_LT(image->geometry().right(), divisor->geometry().left() + divisor->width()) << k;
        EXPECT_EQ(image->geometry().top(), divisor->geometry().top()) << k;
    }
}

bool darkNear(const QImage& image, int x, int y)
{
    // Antialiased edges fall a pixel either way; a shifted or missing glyph does not.
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const int px = x + dx;
            const int py = y + dy;
            if (px >= 0 && py >= 0 && px < image.width() && py < image.height() && qGray(image.pixel(px, py)) < 128)
                return true;
        }
    }
    return false;
}

// Dark pixels of either picture with nothing dark near them in the other, against all dark
// pixels of the screen.
double darkMismatch(const QImage& screen, const QImage& paper)
{
    long dark = 0;
    long mismatched = 0;
    for (int y = 0; y < screen.height(); ++y) {
        for (int x = 0; x < screen.width(); ++x) {
            const bool a = qGray(screen.pixel(x, y)) < 128;
            const bool b = qGray(paper.pixel(x, y)) < 128;
            dark += a ? 1 : 0;
            if ((a && !darkNear(paper, x, y)) || (b && !darkNear(screen, x, y)))
                ++mismatched;
        }
    }
    return dark == 0 ? 1.0 : static_cast<double>(mismatched) / static_cast<double>(dark);
}

struct PaperCase {
    const char* name;
    TestType type;
    int16_t minOperand, maxOperand;
};

class PaperLikeScreen : public PrintToPdf, public ::testing::WithParamInterface<PaperCase> {};

// Three-character operands reach under the next sign's box, whose white ground covers them on
// screen: the paper must cover them just the same, while fills over blank page may be left out.
TEST_P(PaperLikeScreen, paperShowsWhatTheScreenShows)
{
    shell.m_state.settings.testType = static_cast<int16_t>(GetParam().type);
    shell.m_state.settings.minOperand = GetParam().minOperand;
    shell.m_state.settings.maxOperand = GetParam().maxOperand;
    showLikeStart();
    ASSERT_TRUE(waitFor([&] { return window.pagesPrinted() == 1; }));

    QWidget* panel = window.pagePanel();
    const QImage screen = panel->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QImage paper(screen.size(), QImage::Format_RGB32);
    paper.setDevicePixelRatio(screen.devicePixelRatio());
    paper.fill(Qt::red);
    {
        QPainter painter(&paper);
        paintPagePanel(painter, *panel);
    }
    EXPECT_LT(darkMismatch(screen, paper), 0.01);
}

INSTANTIATE_TEST_SUITE_P(Pages, PaperLikeScreen,
                         ::testing::Values(PaperCase{"divisionPictures", TestType::MultiplyDivide, 0, 9},
                                           PaperCase{"wideNegativeOperands", TestType::AddSubtract, -99, -10}),
                         [](const auto& info) { return std::string(info.param.name); });

int darkPixels(const QImage& image, const QRect& area)
{
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
    return dark;
}

// The sign's box reaches over the left of the bottom operand's box and, lying above it, covers
// with its white ground whatever a long operand puts there. Leaving out white fills must not
// leave out that one.
TEST(PagePainter, theSignsWhiteGroundCoversALongOperandAsOnScreen)
{
    SheetSlot slot;
    slot.first = "1";
    slot.second = "-888";
    slot.sign = "+";
    slot.signShown = true;
    PagePanel panel;
    panel.showPage(printedPage({slot}, false));
    const QWidget* sign = panel.findChild<QWidget*>(QStringLiteral("sign(0)"));
    const QWidget* bottom = panel.findChild<QWidget*>(QStringLiteral("num2(0)"));
    ASSERT_TRUE(sign && bottom);
    const QRect covered = sign->geometry() & bottom->geometry();
    ASSERT_FALSE(covered.isEmpty());

    const QImage screen = panel.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QImage paper(screen.size(), QImage::Format_RGB32);
    paper.setDevicePixelRatio(screen.devicePixelRatio());
    paper.fill(Qt::white);
    {
        QPainter painter(&paper);
        paintPagePanel(painter, panel);
    }
    // Without the sign's box the operand does reach there.
    QImage bare(screen.size(), QImage::Format_RGB32);
    bare.setDevicePixelRatio(screen.devicePixelRatio());
    bare.fill(Qt::white);
    const_cast<QWidget*>(sign)->hide();
    {
        QPainter painter(&bare);
        paintPagePanel(painter, panel);
    }
    const QRect strip(covered.topLeft() * screen.devicePixelRatio(), covered.size() * screen.devicePixelRatio());
    ASSERT_GT(darkPixels(bare, strip), 0) << "the operand is not long enough to test this";
    EXPECT_EQ(darkPixels(screen, strip), 0);
    EXPECT_EQ(darkPixels(paper, strip), 0);
}

// The painter paints drawings of one kind together, but never moves one past another it touches:
// a white ground laid over a text and a rule still hides them, and a text laid over that ground
// still shows, as on screen.
TEST(PagePainter, drawingsOfAKindGoTogetherOnlyWhereNothingLiesBetween)
{
    QWidget panel;
    panel.resize(300, 160);
    setBackground(&panel, Qt::white);
    const QFont font = layoutFont(QStringLiteral("Tahoma"), 15.75, true);
    auto label = [&](const QString& text, const QRect& box, bool ground) {
        auto* l = new QLabel(text, &panel);
        l->setFont(font);
        l->setAlignment(Qt::AlignCenter);
        l->setGeometry(box);
        if (ground)
            setBackground(l, Qt::white);
        return l;
    };
    label(QStringLiteral("8888"), QRect(20, 20, 160, 40), false);
    auto* rule = new LineWidget(&panel);
    rule->setBorderWidth(3);
    const double twips = twipsPerPixel();
    rule->setEnds(10 * twips, 40 * twips, 280 * twips, 40 * twips);
    const QRect cover(70, 10, 60, 60);
    label(QString(), cover, true);
    label(QStringLiteral("1"), cover, false);
    label(QStringLiteral("7"), QRect(200, 90, 60, 40), false);

    const QImage screen = panel.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QImage paper(screen.size(), QImage::Format_RGB32);
    paper.setDevicePixelRatio(screen.devicePixelRatio());
    paper.fill(Qt::white);
    {
        QPainter painter(&paper);
        paintPagePanel(painter, panel);
    }
    const qreal ratio = screen.devicePixelRatio();
    auto device = [ratio](const QRect& r) { return QRect(r.topLeft() * ratio, r.size() * ratio); };
    // The ground hides the rule and the eights beside the one; the rule shows beyond it.
    const QRect hidden = device(QRect(cover.left() + 2, 20, 12, 40));
    ASSERT_GT(darkPixels(screen, device(QRect(200, 38, 60, 5))), 0);
    ASSERT_EQ(darkPixels(screen, hidden), 0);
    EXPECT_EQ(darkPixels(paper, hidden), 0);
    EXPECT_GT(darkPixels(paper, device(QRect(200, 38, 60, 5))), 0);
    EXPECT_GT(darkPixels(paper, device(cover)), 0) << "the one on the ground is hidden";
    EXPECT_LT(darkMismatch(screen, paper), 0.01);
}

} // namespace
} // namespace zorvix
