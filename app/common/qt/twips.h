#pragma once
// Window layouts are stored in twips (1440 to the inch); widgets want logical pixels.
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QWidget;

namespace zorvix {

double twipsPerPixel();                                                // 1440 / the primary screen's logical DPI
int twipsToPixels(double twips);                                       // rounded to the nearest pixel
QRect twipsRect(double left, double top, double width, double height); // edges rounded, not sizes
void placeTwips(QWidget* widget, double left, double top, double width, double height);

// The family itself where installed; otherwise a sans-serif face of similar width (Tahoma and
// Verdana are rarely installed on Linux). A font names one real family: a list of candidates
// costs a font search per candidate for every new size, and the layout control makes many.
QString layoutFamily(const QString& family);
// Reading the installed fonts is the longest single step of start-up. This starts it on a second
// thread while the first window is built from what needs no font; the window waits for it before
// its first control measures a text. Only the font list is read there: fonts made on that thread
// would hold the font list's lock and be of no use to this one.
void readFontsAhead();
// Called before the application object is made, starts the part of the reading that needs none.
void startReadingFonts();
void waitForFontsRead();
// A font of the stored layout, in layoutFamily(family).
QFont layoutFont(const QString& family, double points, bool bold = false);

// Background colour that survives the platform style (buttons included).
void setBackground(QWidget* widget, const QColor& colour);
void setForeground(QWidget* widget, const QColor& colour);

// Qt objectName of an element of a control array: "keypad(3)".
QString arrayName(const QString& name, int index);

} // namespace zorvix
