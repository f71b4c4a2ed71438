#pragma once
// GoogleTest prints a QString as raw UTF-16 units unless told otherwise; a failed comparison
// should show the text.
#include <QString>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
