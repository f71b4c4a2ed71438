#include "printed_window.h"

#include <algorithm>

#include "common/qt/caption_fit.h"
#include "common/qt/module_loader.h"
#include "common/qt/twips.h"
#include "i18n/translation.h"
#include "page_painter.h"
#include "page_panel.h"
#include "printing_module.h"
#include "settings/shell.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter> // for deleting one: its destructor is virtual, so none of Qt's printing is linked
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>

#include <cstdio>

namespace zorvix {

namespace {
constexpr double kButtonFontPoints = 15.75;
const char* const kCaption = QT_TRANSLATE_NOOP("Form4", "www.zorvix.example");
const char* const kPrinterMessage = QT_TRANSLATE_NOOP("Form4", "Printer is not available");

QString trPrinted(const char* english) { return i18n::text(i18n::kPrinted, QString::fromUtf8(english)); }

struct Printing {
    DefaultPrinterFn defaultPrinter = nullptr;
    PrintLetterPageFn printLetterPage = nullptr;
};

// Qt's printing support comes with the printing module, loaded the first time a page is printed.
// Without it there is no printer: the window says so as it does when none is set up.
const Printing& printing()
{
    static const Printing loaded = [] {
        Printing p;
        QFunctionPointer defaultPrinter = nullptr;
        QFunctionPointer printLetterPage = nullptr;
        QString problem;
        if (loadModule(moduleCandidates(QStringLiteral(ZORVIX_PRINTING_MODULE_NAME),
                                        QStringLiteral(ZORVIX_PRINTING_MODULE_RELATIVE_DIR),
                                        QStringLiteral(ZORVIX_PRINTING_MODULE_BUILD_FILE)),
                       {{kDefaultPrinterEntry, &defaultPrinter}, {kPrintLetterPageEntry, &printLetterPage}}, problem)) {
            p.defaultPrinter = reinterpret_cast<DefaultPrinterFn>(defaultPrinter);
            p.printLetterPage = reinterpret_cast<PrintLetterPageFn>(printLetterPage);
        } else {
            std::fprintf(stderr, "zorvix: printing is not available (%s)\n", qPrintable(problem));
        }
        return p;
    }();
    return loaded;
}

void paintPanelOnPage(QPainter& painter, int printerDpi, void* panel)
{
    const auto& page = *static_cast<const QWidget*>(panel);
    // Panel pixels onto device pixels: the page panel is exactly the sheet of paper.
    const double scale = printerDpi / static_cast<double>(page.logicalDpiX());
    painter.scale(scale, scale);
    paintPagePanel(painter, page);
}

QFont tahomaBold(double points) { return layoutFont(QStringLiteral("Tahoma"), points, true); }

QPushButton* makeButton(QWidget* parent, const QString& name, const QString& caption, double left, const QColor& colour)
{
    auto* button = new QPushButton(i18n::text(i18n::kPrinted, caption), parent);
    button->setObjectName(name);
    button->setFont(tahomaBold(kButtonFontPoints));
    setBackground(button, colour);
    placeTwips(button, left, 120, 1815, 615);
    return button;
}

} // namespace

CapturedPage::CapturedPage(const QWidget& page, QWidget* parent)
    : QWidget(parent)
    , m_page(page)
{
    setProperty("kind", QStringLiteral("picturebox"));
    setBackground(this, Qt::white);
}

void CapturedPage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintPagePanel(painter, m_page);
}

PrintedSheetWindow::PrintedSheetWindow(Shell& shell, QWidget* parent)
    : QWidget(parent)
    , m_sheet(shell, *this)
    , m_printerFactory(&PrintedSheetWindow::defaultPrinter)
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(trPrinted(kCaption));
    setBackground(this, Qt::white);
    m_messagePresenter = [this](const QString& message) {
        QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), message, QMessageBox::Ok, this);
        box.exec();
    };
    buildControls();
    fitWindow(kDesignWidthTwips, kDesignHeightTwips);
    keepCaptionsFitted(this);
}

PrintedSheetWindow::~PrintedSheetWindow() = default;

QWidget* PrintedSheetWindow::pagePanel() const { return m_picture1; }

void PrintedSheetWindow::setPrinterFactory(PrinterFactory factory) { m_printerFactory = std::move(factory); }

void PrintedSheetWindow::setMessagePresenter(MessagePresenter presenter) { m_messagePresenter = std::move(presenter); }

std::unique_ptr<QPrinter> PrintedSheetWindow::defaultPrinter()
{
    const Printing& module = printing();
    return std::unique_ptr<QPrinter>(module.defaultPrinter ? module.defaultPrinter() : nullptr);
}

void PrintedSheetWindow::buildControls()
{
    // The panel first, so the buttons stack above it: they sit on the window, not on the page.
    m_picture1 = new PagePanel(this);

    // The capture surface draws the page as it goes to paper; it is never shown over the panel.
    m_picture2 = new CapturedPage(*m_picture1, this);
    m_picture2->setObjectName(QStringLiteral("Picture2"));
    placeTwips(m_picture2, 0, 0, kPageWidthTwips, kPageHeightTwips);
    m_picture2->hide();

    m_back = makeButton(this, QStringLiteral("back"), QStringLiteral(QT_TRANSLATE_NOOP("Form4", "Return")), 3840,
                        QColor(128, 128, 255));
    m_answers = makeButton(this, QStringLiteral("answers"), QStringLiteral(QT_TRANSLATE_NOOP("Form4", "Answers")), 6720,
                           QColor(255, 255, 0));
    connect(m_back, &QPushButton::clicked, this, [this] { m_sheet.returnToSetup(); });
    connect(m_answers, &QPushButton::clicked, this, [this] { m_sheet.printAnswers(); });
}

void PrintedSheetWindow::fitWindow(double widthTwips, double heightTwips)
{
    // The page is taller than most screens: the window shows its upper part and the rest is
    // clipped, while the panel keeps the full letter size for printing.
    keepOnScreen(twipsRect(0, 0, widthTwips, heightTwips).size());
}

void PrintedSheetWindow::keepOnScreen(QSize size)
{
    const QScreen* s = screen();
    if (!s) {
        if (size != this->size())
            resize(size);
        return;
    }
    // The frame counts too: a window exactly as large as the screen would overflow it by its frame.
    const QRect area = s->availableGeometry();
    const QSize frameExtra = frameGeometry().size() - this->size();
    size = size.boundedTo(area.size() - frameExtra);
    if (size != this->size())
        resize(size);
    // A window as tall as the screen must also start at its top, or its lower part is lost.
    QRect frame(frameGeometry().topLeft(), size + frameExtra);
    if (!area.contains(frame)) {
        frame.moveLeft(std::clamp(frame.left(), area.left(), std::max(area.left(), area.right() - frame.width() + 1)));
        frame.moveTop(std::clamp(frame.top(), area.top(), std::max(area.top(), area.bottom() - frame.height() + 1)));
        move(frame.topLeft());
    }
}

void PrintedSheetWindow::render(const PrintedPageView& view)
{
    fitWindow(view.windowWidth, view.windowHeight);
    m_picture1->showPage(view);
    placeTwips(m_picture2, 0, 0, kPageWidthTwips, kPageHeightTwips);

    if (view.windowVisible != isVisible()) {
        setVisible(view.windowVisible);
        // Shown by its own activation: that activation has already printed this page.
        m_activationPending = false;
    }
}

void PrintedSheetWindow::letEventsRun()
{
    // Clicks wait in the queue until the page is printed; paint and layout run now.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

bool PrintedSheetWindow::printPage(PrintJob job)
{
    // Keeps a caret or focus frame off the paper.
    m_picture1->setFocus();

    bool ok = false;
    std::unique_ptr<QPrinter> printer = m_printerFactory ? m_printerFactory() : nullptr;
    if (printer && printing().printLetterPage) {
        const QString document =
            job == PrintJob::Worksheet ? QStringLiteral("Zorvix worksheet") : QStringLiteral("Zorvix answer key");
        ok = printing().printLetterPage(*printer, document, &paintPanelOnPage, static_cast<QWidget*>(m_picture1));
    }
    if (ok)
        ++m_pagesPrinted;
    emit pagePrinted(ok);
    return ok;
}

void PrintedSheetWindow::reportPrinterUnavailable()
{
    if (m_messagePresenter)
        m_messagePresenter(trPrinted(kPrinterMessage));
}

void PrintedSheetWindow::runPendingActivation()
{
    if (!m_activationPending || !isVisible())
        return;
    m_activationPending = false;
    m_sheet.activate();
}

bool PrintedSheetWindow::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::WindowActivate)
        runPendingActivation();
    // A window as tall as one screen, scaled for another, can come out taller than that one:
    // it stays a window onto the page that the screen it is on can show whole.
    if ((event->type() == QEvent::Resize || event->type() == QEvent::Move) && isWindow() && !m_keepingOnScreen) {
        m_keepingOnScreen = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                keepOnScreen(size());
                m_keepingOnScreen = false;
            },
            Qt::QueuedConnection);
    }
    return handled;
}

void PrintedSheetWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // A window brought back by the window system (un-minimised) shows the page it has.
    if (event->spontaneous())
        return;
    m_activationPending = true;
    // Not every platform activates a window shown again while it still holds the focus, and
    // some refuse activation altogether: the page must print all the same, once.
    QMetaObject::invokeMethod(this, &PrintedSheetWindow::runPendingActivation, Qt::QueuedConnection);
}

void PrintedSheetWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        m_activationPending = false;
}

void PrintedSheetWindow::closeEvent(QCloseEvent* event)
{
    event->accept();
    m_sheet.close();
}

} // namespace zorvix
