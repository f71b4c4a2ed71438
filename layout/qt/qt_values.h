#pragma once
// Conversions between the library's values and Qt's: variants, colours, units.
#include <kelvaneuc/value.h>

#include <QColor>
#include <QMetaType>
#include <QVariant>

class QWidget;

namespace kelvane::qt {

inline constexpr int32_t kInvalidPropertyValue = 380;

Value toValue(const QVariant& v);
// A value for a property of the given type; Failure(TypeMismatch) when it cannot be one.
QVariant toVariant(const Value& v, QMetaType type);
// A value as its own natural variant (for dynamic properties).
QVariant toVariant(const Value& v);

// The platform colour: &HBBGGRR.
int32_t toPlatformColor(const QColor& c);
QColor fromPlatformColor(int32_t c);

// Twips per logical pixel of the screen the widget is on (1440 / logical DPI).
double twipsPerPixel(const QWidget* widget, bool vertical);
// How many units of a scale mode one logical pixel makes.
double unitsPerPixel(int32_t mode, double twipsPerPixel, bool vertical);

// A finite number or Failure(InvalidPropertyValue).
double finite(const Value& v);

} // namespace kelvane::qt
