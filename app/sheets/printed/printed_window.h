#pragma once
// Form4: the printed worksheet window. It lays the page out on a letter-size panel, prints
// that panel as vectors, and stays up showing the page's upper part with two buttons.
#include "printed_sheet.h"

#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

class QPrinter;
class QPushButton;

namespace zorvix {

class Shell;
class PagePanel;

// Picture2: the capture surface. It draws the page panel exactly as it goes to paper, so
// showing it shows the printed page; printing itself draws the panel straight to the printer.
class CapturedPage final : public QWidget {
public:
    CapturedPage(const QWidget& page, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const QWidget& m_page;
};

class PrintedSheetWindow final : public QWidget, private PrintedSheetHost {
    Q_OBJECT
public:
    // A printer ready to take one page, or null when there is none.
    using PrinterFactory = std::function<std::unique_ptr<QPrinter>()>;
    using MessagePresenter = std::function<void(const QString& message)>;

    explicit PrintedSheetWindow(Shell& shell, QWidget* parent = nullptr);
    ~PrintedSheetWindow() override;

    // Tests print to a file and count messages instead of opening a modal box.
    void setPrinterFactory(PrinterFactory factory);
    void setMessagePresenter(MessagePresenter presenter);

    // The system's default printer, or null when none is set up.
    static std::unique_ptr<QPrinter> defaultPrinter();

    const PrintedSheet& sheet() const { return m_sheet; }
    QWidget* pagePanel() const;
    // Captures the page panel as it is shown and prints it on one letter page.
    bool printPage(PrintJob job) override;
    int pagesPrinted() const { return m_pagesPrinted; }

signals:
    void pagePrinted(bool ok);

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void render(const PrintedPageView& view) override;
    void letEventsRun() override;
    void reportPrinterUnavailable() override;

    void runPendingActivation();
    void buildControls();
    void fitWindow(double widthTwips, double heightTwips);
    void keepOnScreen(QSize size);

    PrintedSheet m_sheet;
    PrinterFactory m_printerFactory;
    MessagePresenter m_messagePresenter;
    QPushButton* m_back = nullptr;
    QPushButton* m_answers = nullptr;
    PagePanel* m_picture1 = nullptr;
    CapturedPage* m_picture2 = nullptr;
    // Activation runs once per showing: coming back to the window from another program
    // must not print another page.
    bool m_activationPending = false;
    bool m_keepingOnScreen = false;
    int m_pagesPrinted = 0;
};

} // namespace zorvix
