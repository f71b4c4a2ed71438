#pragma once
// Fixed-geometry windows and captions of any length: a caption that would be cut off by its
// control gets a font just small enough to fit, never below a readable floor. Longer
// translations are what this is for; an English caption that fits is never touched.
#include <QFont>
#include <QRect>
#include <QString>

class QWidget;

namespace zorvix {

// The smallest size a caption is shrunk to, in points, in the window as designed; the layout
// control scales it with the window.
inline constexpr double kCaptionFloorPoints = 7.0;

// What a control's caption is drawn into and how; empty text for a control without a caption.
struct CaptionRoom {
    QString text;
    QRect room;
    int flags = 0;
};

// Buttons that wrap their caption at blanks (they draw it themselves) say so with this
// property, so their room is measured the way they draw.
inline constexpr char kWrapsCaption[] = "zorvixWrapsCaption";

CaptionRoom captionRoom(const QWidget* control);

// Whether the control's caption fits its room when drawn in font.
bool captionFits(const QWidget* control, const QFont& font);

// Shrinks the control's font in quarter points until its caption fits or the floor is reached.
// A caption that later fits again (a shorter text) gets its size back, up to the size it had
// before any shrinking, as the layout control has scaled it since. Texts without a letter
// (numbers, signs) are left alone.
void fitCaption(QWidget* control);

// The size fitCaption shrinks the control's caption to at most, in points, at the window's
// present scale; 0 for a control it has not fitted.
double captionFloor(const QWidget* control);

// fitCaption for every control in the window.
void fitCaptions(QWidget* window);

// A window whose layout control rescales it as it first shows carries this property: its
// captions are fitted after that pass only, not also at the size the window was built with.
inline constexpr char kScaledWhenShown[] = "zorvixScaledWhenShown";

// Keeps the window's captions fitted: as it first shows (after the layout control's pass when
// one follows), and again after each resize, when the layout control has scaled the fonts. A
// window arranged by a Qt layout is laid out first.
void keepCaptionsFitted(QWidget* window);

} // namespace zorvix
