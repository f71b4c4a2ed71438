// The printing module: the program's only code that needs Qt's printing support.
#include "printing_module.h"

#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

extern "C" {

Q_DECL_EXPORT QPrinter* zorvix_printing_default_printer_1()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    return info.isNull() ? nullptr : new QPrinter(info, QPrinter::HighResolution);
}

Q_DECL_EXPORT bool zorvix_printing_print_letter_page_1(QPrinter& printer, const QString& document, zorvix::PagePainterFn paint,
                                                       void* context)
{
    if (!printer.isValid())
        return false;
    printer.setDocName(document);
    // The panel is the whole sheet of paper, its own margins included.
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    paint(painter, printer.logicalDpiX(), context);
    return painter.end() && printer.printerState() != QPrinter::Error && printer.printerState() != QPrinter::Aborted;
}

} // extern "C"

// Both entry points must keep the types the program calls them by.
static_assert(std::is_same_v<decltype(&zorvix_printing_default_printer_1), zorvix::DefaultPrinterFn>);
static_assert(std::is_same_v<decltype(&zorvix_printing_print_letter_page_1), zorvix::PrintLetterPageFn>);
