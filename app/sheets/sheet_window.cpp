#include "sheet_window.h"

#include "common/number.h"
#include "common/qt/caption_fit.h"
#include "common/qt/line_widget.h"
#include "common/qt/svg_picture.h"
#include "common/qt/twips.h"
#include "i18n/translation.h"
#include "settings/shell.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTimer>

#include <algorithm>
#include <cmath>

// The pictures live in a static library; naming their init function keeps the linker from
// dropping them.
static void initSheetResources() { Q_INIT_RESOURCE(sheets); }

namespace zorvix {

namespace {
constexpr int kDesignWidth = 12750;
constexpr int kDesignHeight = 9210;
// The buttons reach past the stored client area (to 13215) and the timer bar below it
// (to 9255); the window opens wide and tall enough for both, with the slots' left margin
// mirrored on the right.
constexpr int kRightmostTwips = 11640 + 1575;
constexpr int kLowestTwips = 8880 + 375;
constexpr int kMarginTwips = 240;

constexpr int kRowTops[] = {360, 1920, 3480, 5160, 6720};
constexpr double kSlotFontPoints = 15.75;
constexpr int kRuleWidthPixels = 3;
constexpr int kBarTop = 8880;
constexpr int kBarHeight = 375;
constexpr int kBarLeft = 2880;

const QColor kWindowColour(255, 128, 0);
const QString kDivideResource = QStringLiteral(":/sheets/divide.svg");

QColor toColour(const Rgb& rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }
QString trSheet(const char* english) { return i18n::text(i18n::kSheet, QString::fromUtf8(english)); }
QFont tahomaBold(double points) { return layoutFont(QStringLiteral("Tahoma"), points, true); }

constexpr int kCaptionFlags = Qt::AlignCenter | Qt::TextWordWrap;

// A command button whose caption wraps at blanks onto a second line when one line is too
// narrow, as the worksheet's buttons always did.
class CaptionButton final : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        const QString caption = option.text;
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        painter.drawText(captionRect(), kCaptionFlags, caption);
    }

public:
    QRect captionRect() const { return rect().adjusted(3, 3, -3, -3); }
};

QLabel* makeLabel(QWidget* parent, const QString& name, Qt::Alignment alignment)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(alignment | Qt::AlignVCenter);
    label->setFont(tahomaBold(kSlotFontPoints));
    setBackground(label, kWindowColour);
    label->hide();
    return label;
}

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, const QColor& colour)
{
    auto* button = new CaptionButton(i18n::text(i18n::kSheet, caption), parent);
    button->setObjectName(name);
    button->setProperty(kWrapsCaption, true);
    setBackground(button, colour);
    return button;
}

void setShown(QWidget* widget, bool shown)
{
    if (widget->isVisibleTo(widget->parentWidget()) != shown)
        widget->setVisible(shown);
}
} // namespace

SheetWindow::SheetWindow(Shell& shell, QWidget* parent)
    : QWidget(parent)
    , m_shell(shell)
    , m_logic(shell)
{
    initSheetResources();
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(caption());
    setBackground(this, kWindowColour);
    setFont(tahomaBold(kSlotFontPoints));
    buildSlots();
    buildButtons();
    buildTimerBar();
    resize(twipsToPixels(std::max(kDesignWidth, kRightmostTwips + kMarginTwips)),
           twipsToPixels(std::max(kDesignHeight, kLowestTwips + kMarginTwips / 2)));
    render();
    keepCaptionsFitted(this);
}

SheetWindow::~SheetWindow() = default;

void SheetWindow::buildSlots()
{
    for (int k = 0; k < kOnScreenSlots; ++k) {
        const int x = 480 + 1800 * (k % 6);
        const int y = kRowTops[k / 6];
        SlotControls& slot = m_slots[k];

        slot.num1 = makeLabel(this, arrayName(QStringLiteral("num1"), k), Qt::AlignRight);
        placeTwips(slot.num1, x + 480, y, 615, 375);
        slot.num2 = makeLabel(this, arrayName(QStringLiteral("num2"), k), Qt::AlignRight);
        placeTwips(slot.num2, x + 480, y + 360, 615, 375);
        slot.sign = makeLabel(this, arrayName(QStringLiteral("sign"), k), Qt::AlignHCenter);
        placeTwips(slot.sign, x - 240, y + 360, 615, 375);

        slot.image1 = new SvgPicture(kDivideResource, this);
        slot.image1->setObjectName(arrayName(QStringLiteral("image1"), k));
        placeTwips(slot.image1, x - 120, y + 450, 360, 345);
        slot.image1->hide();
        slot.image1->setAccessibleName(i18n::signName(QStringLiteral("/")));

        slot.line1 = new LineWidget(this);
        slot.line1->setObjectName(arrayName(QStringLiteral("Line1"), k));
        slot.line1->setBorderWidth(kRuleWidthPixels);
        slot.line1->setEnds(x, y + 840, x + 1160, y + 840);
        slot.line1->hide();

        slot.answer = new QLineEdit(this);
        slot.answer->setObjectName(arrayName(QStringLiteral("answer"), k));
        slot.answer->setFont(tahomaBold(kSlotFontPoints));
        placeTwips(slot.answer, x, y + 960, 1215, 495);
        setBackground(slot.answer, toColour(kWhite));
        slot.answer->hide();
        // Enter moves on to the next box, as on a paper sheet one goes on to the next problem.
        connect(slot.answer, &QLineEdit::returnPressed, this, [this] { focusNextChild(); });
        connect(slot.answer, &QLineEdit::textChanged, this, [this, k](const QString& text) {
            if (m_rendering)
                return;
            m_logic.answerEdited(k, text.toStdString());
        });
    }
}

void SheetWindow::buildButtons()
{
    m_nsheet =
        makeButton(this, QStringLiteral("nsheet"), QStringLiteral(QT_TRANSLATE_NOOP("Form3", "New Problems")), QColor(0, 255, 0));
    m_nsheet->setFont(tahomaBold(14.25));
    placeTwips(m_nsheet, 11640, 480, 1575, 735);
    m_answers =
        makeButton(this, QStringLiteral("answers"), QStringLiteral(QT_TRANSLATE_NOOP("Form3", "Answers")), QColor(255, 255, 0));
    m_answers->setFont(tahomaBold(15.75));
    placeTwips(m_answers, 11640, 1560, 1575, 735);
    m_back =
        makeButton(this, QStringLiteral("back"), QStringLiteral(QT_TRANSLATE_NOOP("Form3", "Return")), QColor(128, 128, 255));
    m_back->setFont(tahomaBold(15.75));
    placeTwips(m_back, 11640, 2640, 1575, 735);
    // Tahoma's stand-in on Linux is wider, and translations are longer: a caption that would be
    // cut off gets a smaller size.
    for (QPushButton* b : {m_nsheet, m_answers, m_back})
        fitCaption(b);

    connect(m_nsheet, &QPushButton::clicked, this, [this] {
        m_logic.newProblems();
        render();
    });
    connect(m_answers, &QPushButton::clicked, this, [this] {
        m_logic.grade();
        render();
    });
    connect(m_back, &QPushButton::clicked, this, [this] {
        m_logic.back();
        render();
    });
}

void SheetWindow::buildTimerBar()
{
    const QColor cap(192, 64, 0);
    // Creation order is stacking order: the bar lies on the track, the caps on both.
    m_command2 = makeButton(this, QStringLiteral("Command2"), QString(), cap);
    placeTwips(m_command2, 2640, kBarTop, 255, kBarHeight);
    m_label1 = new QLabel(this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    setBackground(m_label1, QColor(255, 192, 128));
    placeTwips(m_label1, kBarLeft, kBarTop, kTrackTwips, kBarHeight);
    m_label1->installEventFilter(this);
    m_label1->setAccessibleName(trSheet(QT_TRANSLATE_NOOP("Form3", "time bar track")));
    m_label1->setAccessibleDescription(trSheet(QT_TRANSLATE_NOOP("Form3", "click to show or hide the time bar")));
    m_timerbar = makeButton(this, QStringLiteral("timerbar"), QString(), toColour(kRightGreen));
    placeTwips(m_timerbar, kBarLeft, kBarTop, kBarDesignTwips, kBarHeight);
    m_command3 = makeButton(this, QStringLiteral("Command3"), QString(), cap);
    placeTwips(m_command3, 8400, kBarTop, 255, kBarHeight);
    // The bar and its caps are for looking at; the keyboard goes to the boxes and buttons.
    for (QPushButton* b : {m_command2, m_timerbar, m_command3})
        b->setFocusPolicy(Qt::NoFocus);
    m_timerbar->setAccessibleName(trSheet(QT_TRANSLATE_NOOP("Form3", "time bar")));
    m_command2->setAccessibleName(trSheet(QT_TRANSLATE_NOOP("Form3", "start of the time bar")));
    m_command3->setAccessibleName(trSheet(QT_TRANSLATE_NOOP("Form3", "end of the time bar")));

    m_clock = new QTimer(this);
    m_clock->setObjectName(QStringLiteral("Test_LengthT"));
    m_clock->setInterval(kClockIntervalMs);

    connect(m_timerbar, &QPushButton::clicked, this, [this] {
        m_logic.barClicked();
        render();
    });
    for (QPushButton* cap : {m_command2, m_command3}) {
        connect(cap, &QPushButton::clicked, this, [this] {
            m_logic.trackClicked();
            render();
        });
    }
    connect(m_clock, &QTimer::timeout, this, [this] {
        m_logic.tick();
        render();
    });
}

bool SheetWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_label1 && event->type() == QEvent::MouseButtonRelease) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && m_label1->rect().contains(mouse->position().toPoint())) {
            m_logic.trackClicked();
            render();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool SheetWindow::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    // Activation renews the caption and hides the setup screen; being shown counts too,
    // since not every platform activates a window it shows.
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show) {
        m_logic.activate();
        render();
    }
    return handled;
}

void SheetWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    m_logic.close();
}

QString SheetWindow::caption() const
{
    const QString english = QString::fromStdString(m_logic.view().caption);
    const DrillSettings& s = m_shell.state().settings;
    const QStringList args = {QString::fromStdString(captionNumber(s.problemCount)),
                              QString::fromStdString(captionNumber(s.minOperand)),
                              QString::fromStdString(captionNumber(s.maxOperand))};
    return i18n::composed(i18n::kSheet, QT_TRANSLATE_NOOP("Form3", "%1 Problems - Numbers %2 Through %3"), args, english);
}

void SheetWindow::render()
{
    m_rendering = true;
    const SheetView& view = m_logic.view();
    setWindowTitle(caption());
    for (int k = 0; k < kOnScreenSlots; ++k) {
        const SheetSlotView& state = view.problems[k];
        SlotControls& slot = m_slots[k];
        slot.num1->setText(QString::fromStdString(state.first));
        slot.num2->setText(QString::fromStdString(state.second));
        slot.sign->setText(QString::fromStdString(state.sign));
        const QString signName = i18n::signName(slot.sign->text());
        slot.sign->setAccessibleName(signName);
        // The box is what the keyboard reaches, so it carries the whole problem: "problem 7: 8 plus 5".
        slot.answer->setAccessibleName(
            i18n::text(i18n::kSheet, QStringLiteral(QT_TRANSLATE_NOOP("Form3", "problem %1: %2 %3 %4")))
                .arg(k + 1)
                .arg(slot.num1->text(), signName, slot.num2->text()));
        const QString answer = QString::fromStdString(state.answer);
        if (slot.answer->text() != answer)
            slot.answer->setText(answer);
        if (slot.answer->palette().color(QPalette::Base) != toColour(state.answerColour))
            setBackground(slot.answer, toColour(state.answerColour));
        setShown(slot.num1, state.firstShown);
        setShown(slot.num2, state.secondShown);
        setShown(slot.sign, state.signShown);
        setShown(slot.image1, state.imageShown);
        setShown(slot.line1, state.lineShown);
        setShown(slot.answer, state.answerShown);
    }
    m_nsheet->setEnabled(view.newProblemsEnabled);
    // Measured against its track, so the bar stays on it wherever the layout control scaled it.
    const QRect track = m_label1->geometry();
    int barPixels = int(std::lround(double(track.width()) * view.barWidth / kTrackTwips));
    // A bar of a few twips rounds to no pixel; it must still show that it is there.
    if (view.barWidth > 0)
        barPixels = std::max(barPixels, 1);
    m_timerbar->setGeometry(track.x(), track.y(), barPixels, track.height());
    if (m_timerbar->palette().color(QPalette::Button) != toColour(view.barColour))
        setBackground(m_timerbar, toColour(view.barColour));
    setShown(m_timerbar, view.barShown);
    const int percent = std::clamp(int(100.0 * view.barWidth / kTrackTwips + 0.5), 0, 100);
    m_timerbar->setAccessibleDescription(
        i18n::text(i18n::kSheet, QStringLiteral(QT_TRANSLATE_NOOP("Form3", "%1 percent of the time used"))).arg(percent));
    // Restarting a running timer would shift its ticks; only switch it when the state changes.
    if (view.clockRunning && !m_clock->isActive())
        m_clock->start();
    else if (!view.clockRunning && m_clock->isActive())
        m_clock->stop();
    m_rendering = false;
    if (!view.windowShown && isVisible())
        hide();
}

} // namespace zorvix
