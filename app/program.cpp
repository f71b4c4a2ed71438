#include "program.h"

#include "card/card_window.h"
#include "common/number.h"
#include "common/qt/svg_picture.h"
#include "common/qt/twips.h"
#include "common/random_source.h"
#include "layout_link.h"
#include "progress/progress_record.h"
#include "progress/progress_service.h"
#include "progress/school_config.h"
#include "setup/setup_resources.h"
#include "setup/setup_window.h"
#include "setup/version.h"
#include "sheets/printed/printed_window.h"
#include "sheets/sheet_window.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDateTime>

namespace zorvix {

namespace {
std::unique_ptr<Program>& programSlot()
{
    static std::unique_ptr<Program> program;
    return program;
}

// A freshly created main window gets its layout control before it is first shown.
template <class Window> Window* ensureWindow(std::unique_ptr<Window>& slot, Shell& shell)
{
    if (!slot) {
        slot = std::make_unique<Window>(shell);
        attachLayoutControl(*slot);
    }
    return slot.get();
}
} // namespace

Program::Program()
    : m_random(std::make_unique<ClockRandom>())
{
}

Program::~Program() = default;

void Program::record(const progress::TestRecord& record)
{
    if (progress::ProgressService* service = progress())
        service->record(record);
}

void Program::setProgressLocation(const QString& location)
{
    if (!m_progress)
        m_progressLocation = location;
}

std::int64_t Program::wallClockMs() { return QDateTime::currentMSecsSinceEpoch(); }

progress::ProgressService* Program::progress()
{
    if (!m_progress)
        m_progress = std::make_unique<progress::ProgressService>(m_progressLocation, progress::readSchoolConfig());
    return m_progress.get();
}

void Program::practise(const std::vector<progress::Fact>& facts)
{
    if (m_ended || facts.empty())
        return;
    std::vector<CardEntry> problems;
    for (const progress::Fact& f : facts)
        problems.push_back(CardEntry{toInt16Clamped(f.first), toInt16Clamped(f.second), f.sign});
    ensureWindow(m_card, *this)->practise(std::move(problems));
    showDrill(TestMethod::Cards);
}

void Program::setRandomSource(std::unique_ptr<RandomSource> random)
{
    if (random)
        m_random = std::move(random);
}

void Program::showSetup()
{
    if (m_ended)
        return;
    ensureWindow(m_setup, *this)->show();
}

void Program::hideSetup()
{
    if (m_setup)
        m_setup->hide();
}

void Program::showDrill(TestMethod method)
{
    if (m_ended)
        return;
    QWidget* window = nullptr;
    switch (method) {
    case TestMethod::Page: window = ensureWindow(m_sheet, *this); break;
    case TestMethod::Cards: window = ensureWindow(m_card, *this); break;
    case TestMethod::Printed: window = ensureWindow(m_printed, *this); break;
    }
    if (window) {
        window->show();
        window->raise();
        window->activateWindow();
    }
}

void Program::endProgram()
{
    if (m_ended)
        return;
    m_ended = true;
    // Close every window we made; their own close handlers see m_ended and do nothing more.
    for (QWidget* w : {static_cast<QWidget*>(m_card.get()), static_cast<QWidget*>(m_sheet.get()),
                       static_cast<QWidget*>(m_printed.get()), static_cast<QWidget*>(m_setup.get())}) {
        if (w)
            w->close();
    }
    for (QWidget* w : QApplication::topLevelWidgets())
        w->close();
    QCoreApplication::quit();
}

void Program::languageChanged()
{
    // A drill window keeps the texts it was built with; one not on screen is built afresh, in
    // the new language, the next time it opens.
    auto dropHidden = [](auto& slot) {
        if (slot && !slot->isVisible())
            slot.reset();
    };
    dropHidden(m_card);
    dropHidden(m_sheet);
    dropHidden(m_printed);
}

Program& startProgram()
{
    auto& slot = programSlot();
    readFontsAhead();
    if (!slot) {
        loadSetupResources();
        QCoreApplication::setApplicationName(QString::fromUtf8(programTitle));
        QCoreApplication::setApplicationVersion(QString::fromUtf8(versionString));
        QApplication::setWindowIcon(svgIcon(QStringLiteral(":/setup/zorvix.svg")));
        // The windows must go before the application does, whichever way main() ends.
        static const bool cleanupRegistered = [] {
            qAddPostRoutine(discardProgram);
            return true;
        }();
        (void)cleanupRegistered;
        slot = std::make_unique<Program>();
        loadLayoutControl();
    }
    slot->showSetup();
    // A school computer sends what waits in its outbox at every start, off the GUI thread.
    if (progress::readSchoolConfig())
        slot->progress()->startSending();
    return *slot;
}

Program* currentProgram() { return programSlot().get(); }

void discardProgram() { programSlot().reset(); }

} // namespace zorvix
