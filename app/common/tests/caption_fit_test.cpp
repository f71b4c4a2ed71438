// Caption fitting on real widgets: just small enough, never below the floor, back to size for a
// shorter text, and along with the layout control when it scales the font.
#include "common/qt/caption_fit.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace zorvix;

namespace {

struct FitCase {
    const char* name;
    std::function<QWidget*(QWidget* parent)> make;
    const char* longer; // a caption too long for the control at its own size
};

QFont sans(double points)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

void setCaption(QWidget* w, const QString& text)
{
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        button->setText(text);
    else if (auto* frame = qobject_cast<QGroupBox*>(w))
        frame->setTitle(text);
    else if (auto* label = qobject_cast<QLabel*>(w))
        label->setText(text);
}

void PrintTo(const FitCase& c, std::ostream* out) { *out << c.name; }

class CaptionFit : public ::testing::TestWithParam<FitCase> {
protected:
    void SetUp() override
    {
        window = std::make_unique<QWidget>();
        control = GetParam().make(window.get());
        control->setFont(sans(10));
    }

    std::unique_ptr<QWidget> window;
    QWidget* control = nullptr;
};

TEST_P(CaptionFit, leavesAFittingCaptionAlone)
{
    setCaption(control, QStringLiteral("OK"));
    fitCaption(control);
    EXPECT_DOUBLE_EQ(control->font().pointSizeF(), 10);
}

TEST_P(CaptionFit, shrinksJustEnoughAndGrowsBackForAShorterText)
{
    setCaption(control, QString::fromUtf8(GetParam().longer));
    ASSERT_FALSE(captionFits(control, control->font())) << "the case needs a caption that does not fit";
    fitCaption(control);
    const double fitted = control->font().pointSizeF();
    EXPECT_LT(fitted, 10);
    EXPECT_GE(fitted, kCaptionFloorPoints);
    EXPECT_TRUE(captionFits(control, control->font()));
    QFont larger = control->font();
    larger.setPointSizeF(fitted + 0.25);
    EXPECT_FALSE(captionFits(control, larger)) << "shrunk more than needed";

    setCaption(control, QStringLiteral("OK"));
    fitCaption(control);
    EXPECT_DOUBLE_EQ(control->font().pointSizeF(), 10);
}

TEST_P(CaptionFit, stopsAtTheFloorAndScalesItWithTheLayout)
{
    setCaption(control, QStringLiteral("AN EXTREMELY LONG CAPTION THAT NO SHRINKING CAN EVER SAVE AT ALL"));
    fitCaption(control);
    EXPECT_NEAR(control->font().pointSizeF(), kCaptionFloorPoints, 0.25);
    EXPECT_NEAR(captionFloor(control), kCaptionFloorPoints, 1e-9);

    // The layout control halves the window and its fonts: the floor halves with them, and the
    // size the caption would have without shrinking is known from the ratio.
    const double before = control->font().pointSizeF();
    QFont half = control->font();
    half.setPointSizeF(before / 2);
    control->setFont(half);
    control->resize(control->size() / 2);
    setCaption(control, QStringLiteral("OK"));
    fitCaption(control);
    EXPECT_NEAR(control->font().pointSizeF(), 5, 1e-9);
    EXPECT_NEAR(captionFloor(control), kCaptionFloorPoints / 2, 1e-9);
}

TEST(CaptionFitNumbers, leavesNumbersAndSignsAsTheyAre)
{
    QWidget window;
    auto* digit = new QLabel(QStringLiteral("-125"), &window);
    digit->setGeometry(0, 0, 10, 10);
    digit->setFont(sans(40));
    fitCaption(digit);
    EXPECT_DOUBLE_EQ(digit->font().pointSizeF(), 40);
}

// A label with a buddy draws its shortcut mark as an underline, not as an "&": sized to its own
// caption by a layout, it fits.
TEST(CaptionFitShortcut, aBuddiedLabelSizedToItsCaptionFits)
{
    QWidget window;
    auto* field = new QLabel(&window);
    for (const char* text : {"&Child:", "P&eriod:", "&Anzahl der Blätter:"}) {
        auto* label = new QLabel(QString::fromUtf8(text), &window);
        label->setBuddy(field);
        label->setFont(sans(10));
        label->resize(label->sizeHint());
        EXPECT_TRUE(captionFits(label, label->font())) << text;
        fitCaption(label);
        EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 10) << text;
    }
}

// A window laid out by a Qt layout, fitted as it is built: its controls get the room their
// captions ask for, so nothing shrinks, then or once it shows.
TEST(CaptionFitLayout, aLaidOutWindowFittedBeforeItShowsKeepsItsFonts)
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* option = new QRadioButton(QStringLiteral("Après chaque fiche de calculs"), &window);
    auto* label = new QLabel(QStringLiteral("Nombre de fiches à enregistrer :"), &window);
    for (QWidget* w : {static_cast<QWidget*>(option), static_cast<QWidget*>(label)}) {
        w->setFont(sans(10));
        layout->addWidget(w);
    }
    keepCaptionsFitted(&window);
    window.show();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_DOUBLE_EQ(option->font().pointSizeF(), 10);
    EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 10);
    EXPECT_TRUE(captionFits(option, option->font()));
    EXPECT_TRUE(captionFits(label, label->font()));
}

// When the fitting happens: a window the layout control rescales as it shows is fitted once,
// after that pass, with the floor of the window as built; any other window before its first
// paint. The pass is stood in for by halving the font before the events run.
struct WhenCase {
    const char* name;
    bool scaledWhenShown;
};

class CaptionFitWhen : public ::testing::TestWithParam<WhenCase> {};

TEST_P(CaptionFitWhen, fitsOnceThePassIsDoneWithTheFloorAsBuilt)
{
    QWidget window;
    window.resize(300, 100);
    if (GetParam().scaledWhenShown)
        window.setProperty(kScaledWhenShown, true);
    auto* button = new QPushButton(QStringLiteral("MULTIPLICATION"), &window);
    button->setGeometry(0, 0, 60, 30);
    button->setFont(sans(20));
    keepCaptionsFitted(&window);
    EXPECT_DOUBLE_EQ(button->font().pointSizeF(), 20) << "fitted while the window was built";

    window.show();
    EXPECT_EQ(button->font().pointSizeF() < 20, !GetParam().scaledWhenShown) << "fitted as it showed";
    // The layout control's pass: every font at half size.
    QFont half = button->font();
    half.setPointSizeF(button->font().pointSizeF() / 2);
    button->setFont(half);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_LT(button->font().pointSizeF(), 10);
    EXPECT_NEAR(captionFloor(button), kCaptionFloorPoints / 2, 1e-9);
    EXPECT_TRUE(captionFits(button, button->font()) || button->font().pointSizeF() <= captionFloor(button) + 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Windows, CaptionFitWhen,
                         ::testing::Values(WhenCase{"scaledByTheLayoutControl", true}, WhenCase{"leftAsBuilt", false}),
                         [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Controls, CaptionFit,
                         ::testing::Values(FitCase{"pushButton",
                                                   [](QWidget* p) {
                                                       auto* b = new QPushButton(p);
                                                       b->setGeometry(0, 0, 90, 40);
                                                       return b;
                                                   },
                                                   "MULTIPLICATION"},
                                           FitCase{"wrappingButton",
                                                   [](QWidget* p) {
                                                       auto* b = new QPushButton(p);
                                                       b->setProperty(kWrapsCaption, true);
                                                       b->setGeometry(0, 0, 80, 48);
                                                       return b;
                                                   },
                                                   "NEUE AUFGABE RECHNEN"},
                                           FitCase{"optionButton",
                                                   [](QWidget* p) {
                                                       auto* b = new QRadioButton(p);
                                                       b->setGeometry(0, 0, 110, 18);
                                                       return b;
                                                   },
                                                   "MOLTIPLICARE"},
                                           FitCase{"frameCaption",
                                                   [](QWidget* p) {
                                                       auto* f = new QGroupBox(p);
                                                       f->setGeometry(0, 0, 140, 60);
                                                       return f;
                                                   },
                                                   "COMMENT S'ENTRAINER"},
                                           FitCase{"wrappedLabel",
                                                   [](QWidget* p) {
                                                       auto* l = new QLabel(p);
                                                       l->setWordWrap(true);
                                                       l->setGeometry(0, 0, 110, 34);
                                                       return l;
                                                   },
                                                   "NOMBRE DE CALCULS A FAIRE"}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
