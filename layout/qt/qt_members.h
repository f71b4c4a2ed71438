#pragma once
// The members of a Qt control, shared by the files that answer them: the kinds, the member
// names, and one pair of handlers per concern. Each handler answers the members it owns and
// passes on (nullopt, false) for the others; QtControl asks them in turn.
//   qt_geometry.cpp  position, size and units; alignment and window state
//   qt_text.cpp      fonts, colours and captions
//   qt_inner.cpp     the inner sizes of grids, tab widgets and tab bars
//   qt_picture.cpp   pictures redrawn at a new size
#include "access/access.h"

#include <kelvaneuc/value.h>

#include <QPalette>

#include <optional>

class QObject;
class QWidget;

namespace kelvane::qt {

enum class Kind {
    Form,
    Timer,
    Line,
    Image,
    Menu,
    Toolbar,
    StatusBar,
    FlexGrid,
    DataGrid,
    TabDialog,
    TabStrip,
    PictureBox,
    Frame,
    Other
};

enum class M {
    Left,
    Top,
    Width,
    Height,
    Visible,
    Enabled,
    Name,
    Index,
    Font,
    BackColor,
    TabIndex,
    Container,
    Parent,
    Controls,
    Count,
    Move,
    Refresh,
    SetFocus,
    ZOrder,
    WindowState,
    ScaleMode,
    ScaleWidth,
    ScaleHeight,
    Align,
    MDIChild,
    StartUpPosition,
    ClipControls,
    Caption,
    Interval,
    Stretch,
    AutoSize,
    AutoRedraw,
    RowHeight,
    ColWidth,
    Rows,
    Cols,
    Row,
    Col,
    RowSel,
    ColSel,
    RowPos,
    RowHeightMin,
    CellFontName,
    CellFontSize,
    CellFontWidth,
    ScrollBars,
    DefColWidth,
    Columns,
    HeadFont,
    Tab,
    Tabs,
    TabMaxWidth,
    TabHeight,
    TabFixedWidth,
    TabFixedHeight,
    TabMinWidth,
    Picture,
    PaintPicture,
    Unknown
};

inline constexpr int32_t kReadOnly = 383;

M memberOf(std::string_view name);
Kind kindOf(const QObject* o);

[[noreturn]] void missing();
[[noreturn]] void invalidValue();

template <class T> T* as(QObject* o)
{
    if (auto* t = qobject_cast<T*>(o))
        return t;
    missing();
}

QWidget* widgetOf(QObject* o);
// The i-th argument as a 32-bit integer, or Failure(InvalidCall) when it is missing.
int32_t arg(const Array& args, std::size_t i);
// Keys of whole-pixel values kept exact: member in the top byte, index below.
inline quint32 scalarKey(M m, int index) { return (static_cast<quint32>(m) << 24) | (static_cast<quint32>(index) & 0xFFFFFFu); }

// --- geometry and units ---
bool hasGeometry(Kind k);
bool hasScale(Kind k);
bool hasAlign(Kind k);
// Pixels of the widget's own size for a width and height in its container's units.
QSizeF pixelsOf(QWidget* w, double width, double height);
std::optional<Value> getGeometry(QObject* o, Kind k, M m);
bool setGeometry(QObject* o, Kind k, M m, const Value& value);
std::optional<Value> callGeometry(QObject* o, Kind k, M m, Array& args);

// --- text and fonts ---
std::optional<Value> getText(QObject* o, Kind k, M m);
bool setText(QObject* o, Kind k, M m, const Value& value);

// --- inner sizes of grids and tabs ---
std::optional<Value> getInner(QObject* o, Kind k, M m, const Array& args);
bool setInner(QObject* o, Kind k, M m, const Value& value, const Array& args);

// --- pictures ---
// A label that shows a picture: a pixmap, or an image file named by its "Picture" property.
bool showsPicture(const QObject* o);
std::optional<Value> getPicture(QObject* o, Kind k, M m);
bool setPicture(QObject* o, Kind k, M m, const Value& value);
std::optional<Value> callPicture(QObject* o, Kind k, M m, Array& args);

} // namespace kelvane::qt
