#pragma once
// The two offscreen screens every robustness test runs on, side by side: the smallest screen the
// program should still work on and a 4K one. Set by the test's main through the offscreen
// platform's configfile before the application starts.
#include <QRect>

class QScreen;
class QWidget;

namespace robust {

inline constexpr QRect kSmallScreen(0, 0, 640, 480);
inline constexpr QRect kLargeScreen(640, 0, 3840, 2160);

QScreen* screenAt(const QRect& geometry);
// Moves a top-level window onto a screen (top-left corner plus an offset) and lets it settle.
void moveToScreen(QWidget* window, const QRect& screen, int offset = 10);
// Lets posted events, deferred deletes and zero timers run.
void settle(int rounds = 3);

} // namespace robust
