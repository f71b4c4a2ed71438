#include "card_window.h"

#include "common/qt/line_widget.h"
#include "common/qt/svg_picture.h"
#include "common/qt/caption_fit.h"
#include "common/qt/twips.h"
#include "common/number.h"
#include "completion_dialog.h"
#include "i18n/translation.h"
#include "settings/shell.h"
#include "wrap_button.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cmath>

// Q_INIT_RESOURCE must stand outside any namespace. The pictures live in a static library,
// where nothing else would pull them into the program.
static void initCardQrc() { Q_INIT_RESOURCE(card); }

namespace zorvix {

namespace {

constexpr double kStoredClientWidth = 11715;
constexpr double kStoredClientHeight = 8490;
constexpr double kEdgeMargin = 240; // room kept right of the keypad and Return

const QColor kFormBlue(0, 0, 255);
const QColor kKeyGrey(224, 224, 224);
const QColor kCardInk(255, 255, 255);
const QColor kTrackGrey(212, 208, 200);

QColor toQColor(CardRgb c) { return QColor(c.r, c.g, c.b); }
QString toQString(const std::string& text) { return QString::fromStdString(text); }
QString trCard(const char* english) { return i18n::text(i18n::kCard, QString::fromUtf8(english)); }
QString trLogic(const std::string& english) { return i18n::text(i18n::kCard, toQString(english)); }

// Captions the logic writes; listed so the translation template carries them.
[[maybe_unused]] constexpr const char* kLogicCaptions[] = {QT_TRANSLATE_NOOP("Form2", "START"),
                                                           QT_TRANSLATE_NOOP("Form2", "NEW PROBLEM")};

// What a screen reader says for each face: the face tells the result, not only its colour.
const char* const kFaceNames[] = {QT_TRANSLATE_NOOP("Form2", "thinking"), QT_TRANSLATE_NOOP("Form2", "right"),
                                  QT_TRANSLATE_NOOP("Form2", "wrong")};

QString faceResource(int index)
{
    static const char* const names[] = {":/card/thinking.svg", ":/card/grinning.svg", ":/card/howling.svg"};
    return QString::fromLatin1(names[index]);
}

QLabel* addLabel(QWidget* parent, const QString& name, double left, double top, double width, double height)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    placeTwips(label, left, top, width, height);
    return label;
}

} // namespace

CardWindow::CardWindow(Shell& shell, QWidget* parent)
    : QWidget(parent)
    , m_shell(shell)
    , m_logic(shell)
{
    static const bool loaded = (initCardQrc(), true);
    (void)loaded;
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(trCard(QT_TRANSLATE_NOOP("Form2", "Individual Flashcards")));
    build();
    render();
    keepCaptionsFitted(this);
}

CardWindow::~CardWindow() = default;

QPushButton* CardWindow::addButton(const QString& name, const QString& caption, double left, double top, double width,
                                   double height, QColor colour, double points)
{
    auto* button = new WrapButton(i18n::text(i18n::kCard, caption), this);
    button->setObjectName(name);
    placeTwips(button, left, top, width, height);
    setBackground(button, colour);
    setForeground(button, Qt::black);
    button->setFont(layoutFont(QStringLiteral("Arial"), points, true));
    return button;
}

void CardWindow::build()
{
    setBackground(this, kFormBlue);
    const QFont cardFont = layoutFont(QStringLiteral("Arial"), 48);

    // The card: operands right-aligned on one edge, so the digits line up like on paper.
    m_digit[0] = addLabel(this, arrayName(QStringLiteral("Digit"), 0), 3360, 2280, 1695, 1095);
    m_digit[1] = addLabel(this, arrayName(QStringLiteral("Digit"), 1), 3600, 3360, 1455, 1095);
    for (QLabel* digit : m_digit) {
        digit->setFont(cardFont);
        digit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setForeground(digit, kCardInk);
    }
    m_digit[0]->setAccessibleDescription(trCard(QT_TRANSLATE_NOOP("Form2", "first number")));
    m_digit[1]->setAccessibleDescription(trCard(QT_TRANSLATE_NOOP("Form2", "second number")));
    m_sign = addLabel(this, QStringLiteral("sign"), 2640, 3120, 855, 1335);
    m_sign->setFont(layoutFont(QStringLiteral("Arial"), 56.25));
    m_sign->setAlignment(Qt::AlignCenter);
    setForeground(m_sign, kCardInk);
    m_sign->setAccessibleDescription(trCard(QT_TRANSLATE_NOOP("Form2", "operation")));
    m_divideSign = new SvgPicture(QStringLiteral(":/card/divide.svg"), this);
    m_divideSign->setObjectName(QStringLiteral("DivideSign"));
    placeTwips(m_divideSign, 2520, 3360, 900, 930);
    m_divideSign->setAccessibleName(i18n::signName(QStringLiteral("/")));
    m_divideSign->setAccessibleDescription(trCard(QT_TRANSLATE_NOOP("Form2", "operation")));
    m_line = new LineWidget(this);
    m_line->setObjectName(QStringLiteral("Line1"));
    m_line->setBorderWidth(3);
    m_line->setColour(kCardInk);
    m_line->setEnds(2760, 4560, 5040, 4560);

    m_answer = new QLineEdit(this);
    m_answer->setObjectName(QStringLiteral("Answer"));
    placeTwips(m_answer, 2760, 4800, 2295, 1155);
    m_answer->setFont(cardFont);
    m_answer->setAlignment(Qt::AlignRight);
    setForeground(m_answer, Qt::black);
    m_answer->setAccessibleName(trCard(QT_TRANSLATE_NOOP("Form2", "answer")));
    m_answer->setAccessibleDescription(trCard(QT_TRANSLATE_NOOP("Form2", "Type the answer, then press Enter to check it")));
    m_answer->installEventFilter(this);
    // Every change but our own rendering is the user's: typing, and also text that assistive
    // technology writes into the box through its editable-text interface.
    connect(m_answer, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!m_renderingAnswer)
            forward([&] { m_logic.answerEdited(text.toStdString()); });
    });
    // Enter checks, as CHECK would, whenever CHECK is there to press.
    connect(m_answer, &QLineEdit::returnPressed, this, [this] {
        if (m_check->isVisible() && m_check->isEnabled())
            m_check->click();
    });

    m_erase = addButton(QStringLiteral("Erase"), QStringLiteral(QT_TRANSLATE_NOOP("Form2", "ERASE")), 2760, 6240, 2295, 375,
                        Qt::white, 12);
    connect(m_erase, &QPushButton::clicked, this, [this] { forward([&] { m_logic.eraseClick(); }); });

    for (int i = 0; i < 3; ++i) {
        m_faces[i] = new SvgPicture(faceResource(i), this);
        placeTwips(m_faces[i], 1440, 5040, 780, 765);
    }
    m_faces[0]->setObjectName(QStringLiteral("iffybox"));
    m_faces[1]->setObjectName(QStringLiteral("smileybox"));
    m_faces[2]->setObjectName(QStringLiteral("frowneybox"));
    for (int i = 0; i < 3; ++i)
        m_faces[i]->setAccessibleName(trCard(kFaceNames[i]));

    struct Counter {
        const char* frameName;
        const char* caption;
        const char* labelName;
        double left;
        double labelHeight;
        QColor ink;
        QLabel** label;
    };
    const Counter counters[] = {
        {"Frame1", QT_TRANSLATE_NOOP("Form2", "Correct"), "NumRight", 6960, 495, QColor(0, 255, 0), &m_numRight},
        {"Frame2", QT_TRANSLATE_NOOP("Form2", "Total Tries"), "tries", 8520, 375, QColor(255, 255, 255), &m_tries},
        {"Frame3", QT_TRANSLATE_NOOP("Form2", "Skipped"), "numskip", 10080, 375, QColor(255, 255, 0), &m_numskip},
    };
    for (const Counter& c : counters) {
        auto* frame = new QGroupBox(trCard(c.caption), this);
        frame->setObjectName(QString::fromLatin1(c.frameName));
        placeTwips(frame, c.left, 1680, 1335, 855);
        setBackground(frame, kFormBlue);
        setForeground(frame, Qt::white);
        frame->setFont(layoutFont(QStringLiteral("Arial"), 8.25, true));
        QLabel* label = addLabel(frame, QString::fromLatin1(c.labelName), 240, 240, 855, c.labelHeight);
        label->setFont(layoutFont(QStringLiteral("Arial"), 14, true));
        label->setAlignment(Qt::AlignCenter);
        setForeground(label, c.ink);
        *c.label = label;
    }

    m_check = addButton(QStringLiteral("check"), QStringLiteral(QT_TRANSLATE_NOOP("Form2", "CHECK")), 6960, 3480, 1455, 975,
                        QColor(255, 128, 0), 12);
    m_skip = addButton(QStringLiteral("skip"), QStringLiteral(QT_TRANSLATE_NOOP("Form2", "SKIP")), 8520, 3480, 1455, 975,
                       QColor(255, 255, 0), 12);
    m_tryagain = addButton(QStringLiteral("tryagain"), QStringLiteral(QT_TRANSLATE_NOOP("Form2", "MISSED PROBLEMS")), 8520, 3480,
                           1455, 975, QColor(255, 0, 0), 12);
    m_newProb = addButton(QStringLiteral("new_prob"), QStringLiteral("START"), 10080, 3480, 1455, 975, QColor(0, 255, 0), 12);
    connect(m_check, &QPushButton::clicked, this, [this] {
        forward([&] { m_logic.checkClick(); });
        announceResult();
    });
    connect(m_skip, &QPushButton::clicked, this, [this] { forward([&] { m_logic.skipClick(); }); });
    connect(m_tryagain, &QPushButton::clicked, this, [this] { forward([&] { m_logic.tryagainClick(); }); });
    connect(m_newProb, &QPushButton::clicked, this, [this] { forward([&] { m_logic.newProbClick(); }); });

    constexpr double keyLefts[] = {6960, 8040, 9120, 10200, 11280};
    for (int i = 0; i < 11; ++i) {
        const double left = i == 10 ? 6960 : keyLefts[i % 5];
        const double top = i < 5 ? 4800 : (i < 10 ? 5760 : 6720);
        const QString caption = i == 10 ? QStringLiteral("-") : QString::number(i);
        m_keypad[i] = addButton(arrayName(QStringLiteral("keypad"), i), caption, left, top, 855, 735, kKeyGrey, 26.25);
        if (i == 10)
            m_keypad[i]->setAccessibleName(i18n::signName(caption));
        m_keypad[i]->setAccessibleDescription(trCard(QT_TRANSLATE_NOOP("Form2", "types into the answer")));
        connect(m_keypad[i], &QPushButton::clicked, this, [this, i] { forward([&] { m_logic.keypadClick(i); }); });
    }

    // The time bar and its track: the track is drawn first so the bar lies on top of it.
    m_track = addLabel(this, QStringLiteral("Label1"), 1440, 7080, 4695, 375);
    m_track->setAutoFillBackground(true);
    setBackground(m_track, kTrackGrey);
    m_track->installEventFilter(this);
    m_track->setAccessibleName(trCard(QT_TRANSLATE_NOOP("Form2", "time bar track")));
    m_track->setAccessibleDescription(trCard(QT_TRANSLATE_NOOP("Form2", "click to show the time bar")));
    m_timerbar = addButton(QStringLiteral("timerbar"), QString(), 1440, 7080, 75, 375, QColor(0, 255, 0), 12);
    m_timerbar->setFocusPolicy(Qt::NoFocus);
    m_timerbar->setAccessibleName(trCard(QT_TRANSLATE_NOOP("Form2", "time bar")));
    connect(m_timerbar, &QPushButton::clicked, this, [this] { forward([&] { m_logic.timerbarClick(); }); });
    for (auto [name, left] : {std::pair{"Command1", 1200.0}, std::pair{"Command2", 6120.0}}) {
        QPushButton* mark = addButton(QString::fromLatin1(name), QString(), left, 7080, 255, 375, QColor(0, 0, 128), 12);
        mark->setFocusPolicy(Qt::NoFocus);
        mark->setAccessibleName(trCard(QT_TRANSLATE_NOOP("Form2", "end of the time bar")));
    }

    m_return = addButton(QStringLiteral("Return"), QStringLiteral(QT_TRANSLATE_NOOP("Form2", "Return")), 10680, 7080, 1575, 855,
                         QColor(192, 192, 255), 12);
    connect(m_return, &QPushButton::clicked, this, [this] { forward([&] { m_logic.returnClick(); }); });

    m_testLength = new QTimer(this);
    m_testLength->setObjectName(QStringLiteral("Test_LengthT"));
    m_testLength->setInterval(kCardClockInterval);
    connect(m_testLength, &QTimer::timeout, this, [this] { forward([&] { m_logic.testLengthTick(); }); });
    m_autoNewProb = new QTimer(this);
    m_autoNewProb->setObjectName(QStringLiteral("Auto_New_Prob"));
    m_autoNewProb->setInterval(kCardClockInterval);
    connect(m_autoNewProb, &QTimer::timeout, this, [this] { forward([&] { m_logic.autoNewProbTick(); }); });

    m_dialog = new CompletionDialog(this);
    connect(m_dialog, &QDialog::finished, this, [this] { forward([&] { m_logic.dialogOk(); }); });

    // The stored client area is narrower than the keypad and Return reach: open wide enough
    // for every control, with the same margin on the right as the counters keep inside frames.
    const QRect bounds = childrenRect();
    const QRect stored = twipsRect(0, 0, kStoredClientWidth, kStoredClientHeight);
    const int margin = twipsToPixels(kEdgeMargin);
    resize(std::max(stored.width(), bounds.right() + 1 + margin), std::max(stored.height(), bounds.bottom() + 1 + margin));
}

void CardWindow::practise(std::vector<CardEntry> problems)
{
    forward([&] { m_logic.practise(std::move(problems)); });
}

template <class Handler> void CardWindow::forward(Handler handler)
{
    handler();
    render();
}

void CardWindow::render()
{
    const CardScreen& s = m_logic.screen();

    m_digit[0]->setText(toQString(s.digit0));
    m_digit[1]->setText(toQString(s.digit1));
    m_digit[0]->setAccessibleName(toQString(s.digit0));
    m_digit[1]->setAccessibleName(toQString(s.digit1));
    m_digit[0]->setVisible(s.digitsVisible);
    m_digit[1]->setVisible(s.digitsVisible);
    m_sign->setText(toQString(s.sign));
    m_sign->setAccessibleName(i18n::signName(toQString(s.sign)));
    m_sign->setVisible(s.signVisible);
    m_divideSign->setVisible(s.divideSignVisible);

    const QString answer = toQString(s.answer);
    if (m_answer->text() != answer) {
        m_renderingAnswer = true;
        m_answer->setText(answer);
        m_renderingAnswer = false;
    }
    setBackground(m_answer, toQColor(s.answerBackground));

    m_keypad[10]->setVisible(s.minusKeyVisible);
    if (m_newProb->text() != trLogic(s.newProbCaption)) {
        m_newProb->setText(trLogic(s.newProbCaption));
        fitCaption(m_newProb);
    }
    m_newProb->setVisible(s.newProbVisible);
    m_check->setVisible(s.checkVisible);
    m_skip->setVisible(s.skipVisible);
    m_tryagain->setVisible(s.tryagainVisible);
    m_numRight->setText(toQString(s.numRightCaption));
    m_tries->setText(toQString(s.triesCaption));
    m_numskip->setText(toQString(s.numskipCaption));
    // A counter alone reads as a bare number; its name carries its frame's caption.
    for (QLabel* counter : {m_numRight, m_tries, m_numskip}) {
        const auto* frame = static_cast<const QGroupBox*>(counter->parentWidget());
        counter->setAccessibleName(
            i18n::text(i18n::kCard, QStringLiteral(QT_TRANSLATE_NOOP("Form2", "%1: %2"))).arg(frame->title(), counter->text()));
    }
    for (int i = 0; i < 3; ++i)
        m_faces[i]->setVisible(int(s.face) == i);

    // The bar is measured against its track as it stands now, so it follows the track
    // wherever the layout control has scaled it.
    const QRect track = m_track->geometry();
    QRect bar = track;
    bar.setWidth(int(std::lround(double(track.width()) * s.timerbarWidth / kCardTrackLength)));
    // A bar of a few twips rounds to no pixel; it must still show that it is there.
    if (s.timerbarWidth > 0)
        bar.setWidth(std::max(bar.width(), 1));
    m_timerbar->setGeometry(bar);
    setBackground(m_timerbar, toQColor(s.timerbarColour));
    const int percent = int(std::clamp<long>(std::lround(100.0 * s.timerbarWidth / kCardTrackLength), 0L, 100L));
    m_timerbar->setAccessibleDescription(
        i18n::text(i18n::kCard, QStringLiteral(QT_TRANSLATE_NOOP("Form2", "%1 percent of the time used"))).arg(percent));
    m_timerbar->setVisible(s.timerbarVisible && bar.width() > 0);

    if (s.testClockOn && !m_testLength->isActive())
        m_testLength->start();
    else if (!s.testClockOn)
        m_testLength->stop();
    if (!s.autoNewProbOn) {
        m_autoNewProb->stop();
    } else if (s.autoNewProbStarts != m_seenAutoStarts || !m_autoNewProb->isActive()) {
        m_autoNewProb->start(s.autoNewProbInterval); // each CHECK restarts the delay
    }
    m_seenAutoStarts = s.autoNewProbStarts;

    if (!s.windowVisible && isVisible() && !m_closing)
        hide();
    if (s.answerFocusRequests != m_seenFocusRequests) {
        m_seenFocusRequests = s.answerFocusRequests;
        if (isVisible())
            m_answer->setFocus();
    }
    if (s.dialogVisible && !m_dialog->isVisible()) {
        const QString count = toQString(writeNumber(m_logic.dialogCount()));
        m_dialog->setText(i18n::composed(i18n::kCompletion, QT_TRANSLATE_NOOP("Dialog", "Nice Job!!  %1 out of %2!!"),
                                         {count, count}, toQString(s.dialogText)));
        m_dialog->show();
        // The dialog takes the keyboard at once, so Enter or Escape closes it.
        m_dialog->activateWindow();
    }
}

void CardWindow::announceResult()
{
    // The face that shows the result is also what a screen reader hears, not the colour alone.
    const CardFace face = m_logic.screen().face;
    if (face == CardFace::Thinking)
        return;
    QWidget* shown = m_faces[int(face)];
    m_status = shown->accessibleName();
    QAccessibleEvent named(shown, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&named);
    QAccessibleEvent alert(shown, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    ++m_announcements;
}

bool CardWindow::typeKey(const QKeyEvent* key)
{
    // Number-pad digits and the minus key go by key, not by the text the layout makes of them.
    // Chords (Ctrl, Alt) stay shortcuts.
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    QString typed;
    if ((key->modifiers() & Qt::KeypadModifier) && key->key() >= Qt::Key_0 && key->key() <= Qt::Key_9)
        typed = QString(QChar(u'0' + (key->key() - Qt::Key_0)));
    else if (key->key() == Qt::Key_Minus)
        typed = QStringLiteral("-");
    if (typed.isEmpty() || !m_answer->isVisible() || m_answer->isReadOnly())
        return false;
    m_answer->setFocus();
    m_answer->insert(typed);
    return true;
}

void CardWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        forward([&] { m_logic.formActivate(); });
}

void CardWindow::closeEvent(QCloseEvent* event)
{
    if (!m_closing) {
        m_closing = true;
        forward([&] { m_logic.formUnload(); });
    }
    event->accept();
}

void CardWindow::keyPressEvent(QKeyEvent* event)
{
    if (typeKey(event))
        return;
    // Typing lands in the answer box wherever the focus stands.
    // A key the answer box refuses (Ctrl+5 carries "5") comes back here: pass it on once only.
    static bool redirecting = false;
    const QString text = event->text();
    if (!redirecting && !text.isEmpty() && text.at(0).isPrint() && m_answer->isVisible()) {
        redirecting = true;
        m_answer->setFocus();
        QCoreApplication::sendEvent(m_answer, event);
        redirecting = false;
        return;
    }
    QWidget::keyPressEvent(event);
}

bool CardWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_answer && event->type() == QEvent::KeyPress && typeKey(static_cast<QKeyEvent*>(event)))
        return true;
    if (watched == m_track && event->type() == QEvent::MouseButtonRelease)
        forward([&] { m_logic.trackClick(); });
    return QWidget::eventFilter(watched, event);
}

} // namespace zorvix
