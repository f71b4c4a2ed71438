#include "robust_shell.h"

#include "card/card_window.h"
#include "layout_link.h"
#include "setup/setup_window.h"
#include "sheets/printed/printed_window.h"
#include "sheets/sheet_window.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPrinter>

namespace zorvix {

namespace {
template <class Window> Window* ensure(std::unique_ptr<Window>& slot, Shell& shell)
{
    if (!slot) {
        slot = std::make_unique<Window>(shell);
        attachLayoutControl(*slot);
    }
    return slot.get();
}
} // namespace

RobustShell::RobustShell(std::uint64_t seed, Printer printer)
    : m_random(seed)
    , m_printer(printer)
    , m_pdfPath(
          QDir::temp().filePath(QStringLiteral("zorvix_robust_%1_%2.pdf").arg(QCoreApplication::applicationPid()).arg(seed)))
{
}

RobustShell::~RobustShell()
{
    restart();
    QFile::remove(m_pdfPath);
}

void RobustShell::preparePrinted(PrintedSheetWindow& window)
{
    if (m_printer == Printer::None) {
        window.setPrinterFactory([] { return std::unique_ptr<QPrinter>(); });
    } else {
        const QString path = m_pdfPath;
        window.setPrinterFactory([path] {
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(path);
            return printer;
        });
    }
    window.setMessagePresenter([this](const QString& message) {
        ++m_messages;
        m_lastMessage = message;
    });
}

void RobustShell::showSetup()
{
    if (!m_ended)
        window(3)->show();
}

void RobustShell::hideSetup()
{
    if (m_setup)
        m_setup->hide();
}

void RobustShell::showDrill(TestMethod method)
{
    if (m_ended)
        return;
    QWidget* w = window(static_cast<int>(method));
    w->show();
    w->raise();
    w->activateWindow();
}

void RobustShell::endProgram()
{
    ++m_endRequests;
    if (m_ended)
        return;
    m_ended = true;
    for (int which = 0; which < 4; ++which)
        if (QWidget* w = existing(which))
            w->close();
}

void RobustShell::restart()
{
    m_card.reset();
    m_sheet.reset();
    m_printed.reset();
    m_setup.reset();
    m_ended = false;
}

QWidget* RobustShell::existing(int which) const
{
    switch (which) {
    case 0: return m_sheet.get();
    case 1: return m_card.get();
    case 2: return m_printed.get();
    default: return m_setup.get();
    }
}

QWidget* RobustShell::window(int which)
{
    switch (which) {
    case 0: return ensure(m_sheet, *this);
    case 1: return ensure(m_card, *this);
    case 2:
        if (!m_printed) {
            // The printer is chosen before the window can first print.
            m_printed = std::make_unique<PrintedSheetWindow>(*this);
            preparePrinted(*m_printed);
            attachLayoutControl(*m_printed);
        }
        return m_printed.get();
    default: return ensure(m_setup, *this);
    }
}

} // namespace zorvix
