#pragma once
// What the printing module offers the program. Qt's printing support is loaded with the module,
// the first time the program prints, and not at every start. The version is in the names: a
// module from another build is refused.
class QPainter;
class QPrinter;
class QString;

namespace zorvix {

// The system's default printer, made for one page; null when none is set up. The caller owns it.
using DefaultPrinterFn = QPrinter* (*)();
// Paints one letter-size page on the printer, the whole sheet being the page: paint gets the
// painter and the printer's dots per inch. False when the printer failed or refused.
using PagePainterFn = void (*)(QPainter& painter, int printerDpi, void* context);
using PrintLetterPageFn = bool (*)(QPrinter& printer, const QString& document, PagePainterFn paint, void* context);

inline constexpr char kDefaultPrinterEntry[] = "zorvix_printing_default_printer_1";
inline constexpr char kPrintLetterPageEntry[] = "zorvix_printing_print_letter_page_1";

} // namespace zorvix
