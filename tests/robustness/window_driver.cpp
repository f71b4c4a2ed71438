#include "window_driver.h"

#include "screens.h"

#include "card/card_window.h"
#include "common/number.h"
#include "setup/setup_window.h"
#include "sheets/printed/printed_window.h"
#include "sheets/sheet_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <cmath>

namespace robust {

using namespace zorvix;

namespace {

// Far past any screen here: a window or control beyond it has run away (a pass compounding on
// itself, an overflow). A window somewhat larger than its screen is possible: a window left at
// one screen's scale on the other and then resized by hand is scaled once more by the next pass.
constexpr int kSaneExtent = 20000;

bool divisorIsZero(const std::string& divisor) { return !divisor.empty() && readNumber(divisor) == 0.0; }

std::string describe(const QRect& r)
{
    return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) + "x" +
        std::to_string(r.height());
}

void checkGeometry(const QWidget* window, const char* name, std::vector<std::string>& broken)
{
    const QRect g = window->geometry();
    if (g.width() < 0 || g.height() < 0 || g.width() > kSaneExtent || g.height() > kSaneExtent ||
        std::abs(g.x()) > 4 * kSaneExtent || std::abs(g.y()) > 4 * kSaneExtent)
        broken.push_back(std::string(name) + " window geometry out of bounds: " + describe(g));
    for (const QWidget* child : window->findChildren<QWidget*>()) {
        if (child->isWindow())
            continue;
        const QRect c = child->geometry();
        if (c.width() < 0 || c.height() < 0 || c.width() > kSaneExtent || c.height() > kSaneExtent ||
            std::abs(c.x()) > 4 * kSaneExtent || std::abs(c.y()) > 4 * kSaneExtent) {
            broken.push_back(std::string(name) + " control " + child->objectName().toStdString() +
                             " geometry out of bounds: " + describe(c));
            return;
        }
    }
}

} // namespace

WindowDriver::WindowDriver(RobustShell& shell, Target target, std::uint64_t seed)
    : m_shell(shell)
    , m_target(target)
    , m_engine(seed)
{
}

std::vector<std::string> WindowDriver::brokenPromises(RobustShell& shell)
{
    std::vector<std::string> broken;
    const DrillState& state = shell.state();
    const DrillSettings& s = state.settings;
    if (!std::isfinite(state.elapsedSeconds) || state.elapsedSeconds < 0)
        broken.push_back("elapsedSeconds is " + std::to_string(state.elapsedSeconds));
    if (s.testType < 0 || s.testType > 5)
        broken.push_back("test type " + std::to_string(s.testType));
    if (s.method < 0 || s.method > 2)
        broken.push_back("method " + std::to_string(s.method));
    if (s.timed != 0 && s.timed != 1)
        broken.push_back("timed " + std::to_string(s.timed));

    if (const CardWindow* card = shell.card()) {
        const CardTest& t = card->logic().test();
        if (t.numRight < 0 || t.numTried < 0)
            broken.push_back("card counters negative");
        if (t.numSkipped < 0 || t.numSkipped > kCardListCapacity)
            broken.push_back("card skipped list holds " + std::to_string(t.numSkipped));
        if (t.numMissed < 0 || t.numMissed > kCardListCapacity)
            broken.push_back("card missed list holds " + std::to_string(t.numMissed));
        if (t.iwrongprob < 0 || t.iwrongprob > t.numMissed)
            broken.push_back("card retry position " + std::to_string(t.iwrongprob) + " of " + std::to_string(t.numMissed));
        const CardScreen& sc = card->logic().screen();
        if (sc.digitsVisible && sc.divideSignVisible && divisorIsZero(sc.digit1))
            broken.push_back("card shows a division by 0: " + sc.digit0 + " / " + sc.digit1);
        if (sc.timerbarWidth < 0 || sc.timerbarWidth > kCardTrackLength)
            broken.push_back("card time bar " + std::to_string(sc.timerbarWidth));
        checkGeometry(card, "card", broken);
    }
    if (const SheetWindow* sheet = shell.sheet()) {
        const SheetView& v = sheet->logic().view();
        const int used = sheet->logic().usedSlots();
        if (used < 0 || used > kOnScreenSlots)
            broken.push_back("sheet uses " + std::to_string(used) + " slots");
        for (const SheetSlotView& slot : v.problems)
            if (slot.secondShown && slot.imageShown && divisorIsZero(slot.second))
                broken.push_back("sheet shows a division by 0: " + slot.first + " / " + slot.second);
        if (v.barWidth < 0 || v.barWidth > kTrackTwips)
            broken.push_back("sheet time bar " + std::to_string(v.barWidth));
        checkGeometry(sheet, "sheet", broken);
    }
    if (const PrintedSheetWindow* printed = shell.printed()) {
        const PrintedPageView& v = printed->sheet().view();
        if (v.problems.size() != static_cast<std::size_t>(kPrintedSlots))
            broken.push_back("printed page holds " + std::to_string(v.problems.size()) + " slots");
        for (const PrintedSlotView& slot : v.problems)
            if (slot.operandsShown && slot.problem.divisionSymbol && divisorIsZero(slot.problem.second))
                broken.push_back("printed page shows a division by 0: " + slot.problem.first + " / " + slot.problem.second);
        if (!std::isfinite(v.windowWidth) || !std::isfinite(v.windowHeight) || v.windowWidth < 0 || v.windowHeight < 0)
            broken.push_back("printed window size not sane");
        checkGeometry(printed, "printed", broken);
    }
    if (const SetupWindow* setup = shell.setup()) {
        const SetupScreen& sc = setup->screen();
        if (sc.testType < 0 || sc.testType >= testTypeCount || sc.methodOption < 0 || sc.methodOption >= methodCount)
            broken.push_back("setup screen choices out of range");
        checkGeometry(setup, "setup", broken);
    }
    return broken;
}

void WindowDriver::open()
{
    if (m_shell.ended()) {
        m_shell.restart();
        ++m_report.restarts;
    }
    if (m_target == Target::Setup)
        m_shell.showSetup();
    else
        m_shell.showDrill(static_cast<TestMethod>(static_cast<int>(m_target)));
}

QWidget* WindowDriver::target()
{
    QWidget* w = m_shell.existing(static_cast<int>(m_target));
    if (!w || m_shell.ended()) {
        open();
        w = m_shell.existing(static_cast<int>(m_target));
    }
    return w;
}

QString WindowDriver::anyText()
{
    static const QString pool = QStringLiteral("0123456789012345678901234567890123456789--..++ ,eE\t"
                                               "abcxyzXYZ!?%$&()[]'\"\\/ÄéßÿЖ٣١２") +
        QChar(0x00A0) + QChar(0x200B) + QChar(0xFFFD);
    const int length = pick(0, 99) == 0 ? pick(60, 300) : pick(0, 8);
    QString text;
    for (int i = 0; i < length; ++i) {
        if (pick(0, 40) == 0)
            text += QString::fromUcs4(U"\U0001F600"); // a character outside the basic plane
        else
            text += pool.at(pick(0, static_cast<int>(pool.size()) - 1));
    }
    return text;
}

void WindowDriver::click(QWidget* window)
{
    QList<QWidget*> candidates;
    for (QWidget* w : window->findChildren<QWidget*>())
        if (w->isVisible() && !w->isWindow() && w->width() > 0 && w->height() > 0)
            candidates.push_back(w);
    QWidget* w = candidates.isEmpty() || pick(0, 9) == 0 ? window : candidates.at(pick(0, int(candidates.size()) - 1));
    const QPoint at(pick(0, std::max(0, w->width() - 1)), pick(0, std::max(0, w->height() - 1)));
    const Qt::MouseButton button = pick(0, 9) == 0 ? Qt::RightButton : Qt::LeftButton;
    if (pick(0, 15) == 0)
        QTest::mouseDClick(w, button, Qt::NoModifier, at);
    else
        QTest::mouseClick(w, button, Qt::NoModifier, at);
    ++m_report.clicks;
}

void WindowDriver::typeText(QWidget* window)
{
    const QList<QLineEdit*> edits = window->findChildren<QLineEdit*>();
    QWidget* into = window;
    if (!edits.isEmpty()) {
        QLineEdit* edit = edits.at(pick(0, int(edits.size()) - 1));
        if (edit->isVisible() && edit->isEnabled()) {
            edit->setFocus();
            if (pick(0, 3) == 0)
                edit->selectAll(); // typing then replaces the whole text
            into = edit;
        }
    }
    // QTest maps only ASCII to keys; anything else arrives as a key event carrying its text,
    // as an input method delivers it.
    for (const QChar c : anyText()) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F)
            QTest::keyClick(into, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, into, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    ++m_report.texts;
}

void WindowDriver::pressKey(QWidget* window)
{
    static constexpr Qt::Key keys[] = {Qt::Key_0,      Qt::Key_1,      Qt::Key_5,       Qt::Key_9,      Qt::Key_Minus,
                                       Qt::Key_Period, Qt::Key_Return, Qt::Key_Enter,   Qt::Key_Escape, Qt::Key_Backspace,
                                       Qt::Key_Delete, Qt::Key_Tab,    Qt::Key_Backtab, Qt::Key_Space,  Qt::Key_Left,
                                       Qt::Key_Right,  Qt::Key_Up,     Qt::Key_Down,    Qt::Key_Home,   Qt::Key_End,
                                       Qt::Key_F1,     Qt::Key_A,      Qt::Key_C,       Qt::Key_E,      Qt::Key_F,
                                       Qt::Key_H,      Qt::Key_N,      Qt::Key_S,       Qt::Key_X,      Qt::Key_PageDown};
    const Qt::Key key = keys[pick(0, int(std::size(keys)) - 1)];
    Qt::KeyboardModifiers mods = Qt::NoModifier;
    const int m = pick(0, 19);
    if (m == 0)
        mods = Qt::AltModifier;
    else if (m == 1)
        mods = Qt::ControlModifier;
    else if (m == 2)
        mods = Qt::ShiftModifier;
    QWidget* to = QApplication::focusWidget();
    if (!to || to->window() != window)
        to = window;
    if (pick(0, 5) == 0) // held down and let go later, as the keypad's key tracking sees it
        QTest::keyPress(to, key, mods);
    else
        QTest::keyClick(to, key, mods);
    ++m_report.keys;
}

void WindowDriver::tickTimers(QWidget* window)
{
    // Ticks as the running timers would deliver them, only many times faster.
    for (QTimer* t : window->findChildren<QTimer*>())
        if (t->isActive())
            QMetaObject::invokeMethod(t, "timeout", Qt::DirectConnection);
    ++m_report.ticks;
}

void WindowDriver::resize(QWidget* window)
{
    // No full screen: the program offers maximize, minimize and normal only.
    switch (pick(0, 9)) {
    case 0: window->showMaximized(); break;
    case 1: window->showMinimized(); break;
    case 2: window->showNormal(); break;
    case 3: window->resize(pick(0, 40), pick(0, 40)); break;
    default: {
        // What a person can drag: up to a little past the screen the window is on.
        const QRect screen = window->screen() ? window->screen()->availableGeometry() : kSmallScreen;
        window->resize(pick(100, screen.width() * 11 / 10), pick(100, screen.height() * 11 / 10));
        break;
    }
    }
    ++m_report.resizes;
}

void WindowDriver::changeScreen(QWidget* window)
{
    const bool large = pick(0, 1) == 1;
    const QRect screen = large ? kLargeScreen : kSmallScreen;
    if (pick(0, 4) == 0)
        window->move(screen.left() - pick(0, 300), screen.top() - pick(0, 300)); // partly off the screen
    else
        window->move(screen.left() + pick(0, 200), screen.top() + pick(0, 100));
    // A drag to another screen ends before the next gesture can start: its events run first.
    QApplication::processEvents();
    ++m_report.screenChanges;
}

void WindowDriver::menuCommand(QWidget* window)
{
    QList<QAction*> actions;
    for (QAction* a : window->findChildren<QAction*>())
        if (!a->menu() && !a->isSeparator() && a->isEnabled())
            actions.push_back(a);
    if (!actions.isEmpty())
        actions.at(pick(0, int(actions.size()) - 1))->trigger();
}

DriveReport WindowDriver::run(long events)
{
    // Modal boxes (help pages, About) run their own loop: close them from inside it, and any
    // popup a click opened, so no event waits for a person.
    QTimer closer;
    closer.setInterval(1);
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    closer.start();

    for (long i = 0; i < events; ++i) {
        QWidget* window = target();
        // A hidden window comes back now and then, as the user starts that drill again.
        if (!window->isVisible() && pick(0, 19) == 0)
            open();
        const int kind = pick(0, 999);
        const QRect before = window->geometry();
        if (kind < 300)
            click(window);
        else if (kind < 420)
            typeText(window);
        else if (kind < 580)
            pressKey(window);
        else if (kind < 760)
            tickTimers(window);
        else if (kind < 800)
            resize(window);
        else if (kind < 830)
            changeScreen(window);
        else if (kind < 850)
            menuCommand(window);
        else if (kind < 853) {
            window->close(); // closing a main window ends the program; the user starts it again
            open();
        } else
            QApplication::processEvents();
        ++m_report.events;
        for (std::string& b : brokenPromises(m_shell))
            m_report.broken.push_back("event " + std::to_string(i) + " (kind " + std::to_string(kind) + ", window was " +
                                      describe(before) + "): " + b);
        if (m_report.broken.size() > 20)
            break; // enough to go on
    }
    closer.stop();
    settle();
    return m_report;
}

} // namespace robust
