#include "qt_control.h"

#include "qt_collection.h"
#include "qt_column.h"
#include "qt_exact.h"
#include "qt_font.h"
#include "qt_names.h"
#include "qt_taborder.h"
#include "qt_tree.h"
#include "qt_values.h"

#include <kelvaneuc/kelvaneucwidget.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QMetaProperty>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>

#include <cmath>
#include <unordered_map>

namespace kelvane::qt {

namespace {

constexpr double kOffTabTwips = 75000; // controls on hidden tabs sit this far to the left
constexpr int32_t kNotAnArray = 343;
constexpr int32_t kReadOnly = 383;

enum class Kind {
    Form, Timer, Line, Image, Menu, Toolbar, StatusBar, FlexGrid, DataGrid, TabDialog, TabStrip,
    PictureBox, Frame, Other
};

enum class M {
    Left, Top, Width, Height, Visible, Enabled, Name, Index, Font, BackColor, TabIndex, Container,
    Parent, Controls, Count, Move, Refresh, SetFocus, ZOrder, WindowState, ScaleMode, ScaleWidth,
    ScaleHeight, Align, MDIChild, StartUpPosition, ClipControls, Caption, Interval, Stretch, AutoSize,
    AutoRedraw, RowHeight, ColWidth, Rows, Cols, Row, Col, RowSel, ColSel, RowPos, RowHeightMin,
    CellFontName, CellFontSize, CellFontWidth, ScrollBars, DefColWidth, Columns, HeadFont, Tab, Tabs,
    TabMaxWidth, TabHeight, TabFixedWidth, TabFixedHeight, TabMinWidth, Unknown
};

M memberOf(std::string_view name)
{
    static const std::unordered_map<std::string, M> table = [] {
        const std::pair<const char*, M> entries[] = {
            {"left", M::Left}, {"top", M::Top}, {"width", M::Width}, {"height", M::Height},
            {"visible", M::Visible}, {"enabled", M::Enabled}, {"name", M::Name}, {"index", M::Index},
            {"font", M::Font}, {"backcolor", M::BackColor}, {"tabindex", M::TabIndex},
            {"container", M::Container}, {"parent", M::Parent}, {"controls", M::Controls},
            {"count", M::Count}, {"move", M::Move}, {"refresh", M::Refresh}, {"setfocus", M::SetFocus},
            {"zorder", M::ZOrder}, {"windowstate", M::WindowState}, {"scalemode", M::ScaleMode},
            {"scalewidth", M::ScaleWidth}, {"scaleheight", M::ScaleHeight}, {"align", M::Align},
            {"mdichild", M::MDIChild}, {"startupposition", M::StartUpPosition},
            {"clipcontrols", M::ClipControls}, {"caption", M::Caption}, {"interval", M::Interval},
            {"stretch", M::Stretch}, {"autosize", M::AutoSize}, {"autoredraw", M::AutoRedraw},
            {"rowheight", M::RowHeight}, {"colwidth", M::ColWidth}, {"rows", M::Rows}, {"cols", M::Cols},
            {"row", M::Row}, {"col", M::Col}, {"rowsel", M::RowSel}, {"colsel", M::ColSel},
            {"rowpos", M::RowPos}, {"rowheightmin", M::RowHeightMin}, {"cellfontname", M::CellFontName},
            {"cellfontsize", M::CellFontSize}, {"cellfontwidth", M::CellFontWidth},
            {"scrollbars", M::ScrollBars}, {"defcolwidth", M::DefColWidth}, {"columns", M::Columns},
            {"headfont", M::HeadFont}, {"tab", M::Tab}, {"tabs", M::Tabs}, {"tabmaxwidth", M::TabMaxWidth},
            {"tabheight", M::TabHeight}, {"tabfixedwidth", M::TabFixedWidth},
            {"tabfixedheight", M::TabFixedHeight}, {"tabminwidth", M::TabMinWidth}};
        std::unordered_map<std::string, M> map;
        for (const auto& [key, m] : entries)
            map.emplace(key, m);
        return map;
    }();
    if (name.size() > 32)
        return M::Unknown;
    std::string lower(name);
    for (char& c : lower)
        c = lowerAscii(c);
    auto it = table.find(lower);
    return it == table.end() ? M::Unknown : it->second;
}

Kind kindOf(const QObject* o)
{
    if (isForm(o))
        return Kind::Form;
    std::string t = typeNameOf(o);
    for (char& c : t)
        c = lowerAscii(c);
    static const std::unordered_map<std::string, Kind> kinds = {
        {"form", Kind::Form}, {"mdiform", Kind::Form}, {"timer", Kind::Timer}, {"line", Kind::Line},
        {"image", Kind::Image}, {"menu", Kind::Menu}, {"toolbar", Kind::Toolbar},
        {"statusbar", Kind::StatusBar}, {"msflexgrid", Kind::FlexGrid}, {"mshflexgrid", Kind::FlexGrid},
        {"datagrid", Kind::DataGrid}, {"dbgrid", Kind::DataGrid}, {"sstab", Kind::TabDialog},
        {"tabstrip", Kind::TabStrip}, {"picturebox", Kind::PictureBox}, {"frame", Kind::Frame}};
    auto it = kinds.find(t);
    if (it == kinds.end())
        return Kind::Other;
    if (it->second == Kind::Form && !isForm(o))
        return Kind::Other; // only a window can be a form
    return it->second;
}

[[noreturn]] void missing() { throw Failure(err::MissingMember); }
[[noreturn]] void invalidValue() { throw Failure(kInvalidPropertyValue, "Invalid property value"); }

template <class T>
T* as(QObject* o)
{
    if (auto* t = qobject_cast<T*>(o))
        return t;
    missing();
}

QWidget* widgetOf(QObject* o)
{
    if (!o->isWidgetType())
        missing();
    return static_cast<QWidget*>(o);
}

bool hasGeometry(Kind k) { return k != Kind::Timer && k != Kind::Line; }
bool hasScale(Kind k) { return k == Kind::Form || k == Kind::PictureBox; }
bool hasAlign(Kind k)
{
    return k == Kind::Menu || k == Kind::StatusBar || k == Kind::PictureBox || k == Kind::Toolbar;
}

int32_t scaleModeOf(const QWidget* w)
{
    if (!w || !hasScale(kindOf(w)))
        return 1;
    const QVariant v = w->property("ScaleMode");
    bool ok = false;
    const int mode = v.toInt(&ok);
    return v.isValid() && ok ? mode : 1;
}

// How a widget's own geometry maps onto its container's units.
struct Place {
    double unitsX = 15, unitsY = 15; // container units per pixel
    QPointF offset;                  // the parent's origin in the container, pixels
    double shiftX = 0;               // hidden tab pages, pixels
};

Place placeOf(QWidget* w)
{
    Place p;
    const double tppX = twipsPerPixel(w, false);
    const double tppY = twipsPerPixel(w, true);
    if (w->isWindow()) {
        p.unitsX = tppX;
        p.unitsY = tppY;
        return p;
    }
    QWidget* container = containerOf(w);
    const int32_t mode = scaleModeOf(container);
    p.unitsX = unitsPerPixel(mode, tppX, false);
    p.unitsY = unitsPerPixel(mode, tppY, true);
    QWidget* parent = w->parentWidget();
    if (parent && container && parent != container && container->isAncestorOf(parent))
        p.offset = QPointF(parent->mapTo(container, QPoint(0, 0)));
    QWidget* page = nullptr;
    if (QTabWidget* tabs = tabDialogOf(w, &page); tabs && page != tabs->currentWidget())
        p.shiftX = -kOffTabTwips / tppX;
    return p;
}

enum class Edge { Left, Top, Width, Height };

double readEdge(QWidget* w, Edge e)
{
    const Place p = placeOf(w);
    const QRectF r = exactGeometry(w);
    switch (e) {
    case Edge::Left: return (r.x() + p.offset.x() + p.shiftX) * p.unitsX;
    case Edge::Top: return (r.y() + p.offset.y()) * p.unitsY;
    case Edge::Width: return r.width() * p.unitsX;
    case Edge::Height: return r.height() * p.unitsY;
    }
    return 0;
}

// Any of the four may be left out (NaN).
void place(QWidget* w, double left, double top, double width, double height)
{
    const Place p = placeOf(w);
    QRectF r = exactGeometry(w);
    if (!std::isnan(left))
        r.moveLeft(left / p.unitsX - p.offset.x() - p.shiftX);
    if (!std::isnan(top))
        r.moveTop(top / p.unitsY - p.offset.y());
    if (!std::isnan(width)) {
        if (width < 0)
            invalidValue();
        r.setWidth(width / p.unitsX);
    }
    if (!std::isnan(height)) {
        if (height < 0)
            invalidValue();
        r.setHeight(height / p.unitsY);
    }
    setExactGeometry(w, r);
}

QPalette::ColorRole backRole(const QWidget* w)
{
    if (qobject_cast<const QLineEdit*>(w) || qobject_cast<const QTextEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w)
        || qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractItemView*>(w))
        return QPalette::Base;
    if (qobject_cast<const QAbstractButton*>(w) && !qobject_cast<const QRadioButton*>(w) && !qobject_cast<const QCheckBox*>(w))
        return QPalette::Button;
    return QPalette::Window;
}

int32_t arg(const Array& args, std::size_t i)
{
    if (args.size() <= i)
        throw Failure(err::InvalidCall);
    return args[i].toInt32();
}

// Keys of whole-pixel values kept exact: member in the top byte, index below.
quint32 scalarKey(M m, int index) { return (static_cast<quint32>(m) << 24) | (static_cast<quint32>(index) & 0xFFFFFFu); }

// --- grids ---------------------------------------------------------------------------------

int currentRow(const QTableWidget* t) { return std::max(0, t->currentRow()); }
int currentColumn(const QTableWidget* t) { return std::max(0, t->currentColumn()); }

QTableWidgetSelectionRange rangeAtCurrent(const QTableWidget* t)
{
    const int r = currentRow(t), c = currentColumn(t);
    for (const auto& range : t->selectedRanges())
        if (r >= range.topRow() && r <= range.bottomRow() && c >= range.leftColumn() && c <= range.rightColumn())
            return range;
    return QTableWidgetSelectionRange(r, c, r, c);
}

void setCurrent(QTableWidget* t, int row, int column)
{
    if (row < 0 || column < 0 || row >= t->rowCount() || column >= t->columnCount())
        throw Failure(err::SubscriptOutOfRange);
    t->selectionModel()->setCurrentIndex(t->model()->index(row, column), QItemSelectionModel::NoUpdate);
}

void selectTo(QTableWidget* t, int rowSel, int colSel)
{
    if (rowSel < 0 || colSel < 0 || rowSel >= t->rowCount() || colSel >= t->columnCount())
        throw Failure(err::SubscriptOutOfRange);
    const int r = currentRow(t), c = currentColumn(t);
    t->clearSelection();
    t->setRangeSelected(QTableWidgetSelectionRange(std::min(r, rowSel), std::min(c, colSel), std::max(r, rowSel),
                                                   std::max(c, colSel)),
                        true);
}

constexpr int kCellFontWidthRole = Qt::UserRole + 75;

// --- tab sizes, kept as set and applied through the tab bar's style sheet --------------------

const char* tabSizeProperty(M m)
{
    switch (m) {
    case M::TabMaxWidth: return "kelvane_TabMaxWidth";
    case M::TabHeight: return "kelvane_TabHeight";
    case M::TabFixedWidth: return "kelvane_TabFixedWidth";
    case M::TabFixedHeight: return "kelvane_TabFixedHeight";
    default: return "kelvane_TabMinWidth";
    }
}

void applyTabSizes(QObject* holder, QTabBar* bar)
{
    auto px = [&](M m, double tpp) {
        const QVariant v = holder->property(tabSizeProperty(m));
        return v.isValid() ? static_cast<int>(std::lround(v.toDouble() / tpp)) : 0;
    };
    const double tppX = twipsPerPixel(bar, false), tppY = twipsPerPixel(bar, true);
    QString css = QStringLiteral("QTabBar::tab {");
    if (int v = px(M::TabHeight, tppY); v > 0)
        css += QStringLiteral(" height: %1px;").arg(v);
    if (int v = px(M::TabFixedHeight, tppY); v > 0)
        css += QStringLiteral(" height: %1px;").arg(v);
    if (int v = px(M::TabMaxWidth, tppX); v > 0)
        css += QStringLiteral(" max-width: %1px;").arg(v);
    if (int v = px(M::TabFixedWidth, tppX); v > 0)
        css += QStringLiteral(" width: %1px;").arg(v);
    if (int v = px(M::TabMinWidth, tppX); v > 0)
        css += QStringLiteral(" min-width: %1px;").arg(v);
    css += QStringLiteral(" }");
    bar->setStyleSheet(css);
}

double tabSize(QObject* holder, QTabBar* bar, M m)
{
    const QVariant v = holder->property(tabSizeProperty(m));
    if (v.isValid())
        return v.toDouble();
    if (m == M::TabHeight || m == M::TabFixedHeight)
        return bar->sizeHint().height() * twipsPerPixel(bar, true);
    return 0;
}

void setTabSize(QObject* holder, QTabBar* bar, M m, const Value& value)
{
    const double v = finite(value);
    if (v < 0)
        invalidValue();
    holder->setProperty(tabSizeProperty(m), v);
    applyTabSizes(holder, bar);
}

// --- Qt properties with the member's exact name ----------------------------------------------

// The index of a declared property of a class, looked up once per class and name.
int declaredProperty(const QMetaObject* mo, const std::string& name)
{
    static QHash<QPair<const QMetaObject*, QByteArray>, int> known;
    const auto key = qMakePair(mo, QByteArray(name.data(), static_cast<qsizetype>(name.size())));
    auto it = known.constFind(key);
    if (it != known.constEnd())
        return *it;
    const int index = mo->indexOfProperty(name.c_str());
    known.insert(key, index);
    return index;
}

bool hasDynamicProperty(const QObject* o, const std::string& name)
{
    const QList<QByteArray> names = o->dynamicPropertyNames(); // shared, not copied
    for (const QByteArray& n : names)
        if (n == name.c_str())
            return true;
    return false;
}

std::optional<Value> readQtProperty(QObject* o, const std::string& name)
{
    const QMetaObject* mo = o->metaObject();
    const int index = declaredProperty(mo, name);
    if (index >= 0) {
        const QMetaProperty p = mo->property(index);
        if (!p.isReadable())
            throw Failure(err::MissingMember);
        return toValue(p.read(o));
    }
    if (hasDynamicProperty(o, name))
        return toValue(o->property(name.c_str()));
    return std::nullopt;
}

bool writeQtProperty(QObject* o, const std::string& name, const Value& value)
{
    const QMetaObject* mo = o->metaObject();
    const int index = declaredProperty(mo, name);
    if (index >= 0) {
        const QMetaProperty p = mo->property(index);
        if (!p.isWritable())
            throw Failure(kReadOnly, "Property is read-only");
        if (!p.write(o, toVariant(value, p.metaType())))
            throw Failure(err::TypeMismatch);
        return true;
    }
    if (hasDynamicProperty(o, name)) {
        o->setProperty(name.c_str(), toVariant(value));
        return true;
    }
    return false;
}

} // namespace

// -------------------------------------------------------------------------------------------

std::string typeNameOf(const QObject* o)
{
    if (!o)
        return {};
    const QVariant kind = o->property("kind");
    if (kind.typeId() == QMetaType::QString && !kind.toString().isEmpty())
        return kind.toString().toStdString();
    if (isForm(o))
        return "Form";
    if (qobject_cast<const KelvaneUCWidget*>(o)) return "KelvaneUC";
    if (qobject_cast<const QPushButton*>(o)) return "CommandButton";
    if (qobject_cast<const QLabel*>(o)) return "Label";
    if (qobject_cast<const QLineEdit*>(o) || qobject_cast<const QTextEdit*>(o) || qobject_cast<const QPlainTextEdit*>(o))
        return "TextBox";
    if (qobject_cast<const QComboBox*>(o)) return "ComboBox";
    if (qobject_cast<const QGroupBox*>(o)) return "Frame";
    if (qobject_cast<const QRadioButton*>(o)) return "OptionButton";
    if (qobject_cast<const QCheckBox*>(o)) return "CheckBox";
    if (qobject_cast<const QListWidget*>(o)) return "ListBox";
    if (qobject_cast<const QTimer*>(o)) return "Timer";
    if (qobject_cast<const QMenuBar*>(o)) return "Menu";
    if (qobject_cast<const QToolBar*>(o)) return "Toolbar";
    if (qobject_cast<const QStatusBar*>(o)) return "StatusBar";
    if (qobject_cast<const QTableWidget*>(o)) return "MSFlexGrid";
    if (qobject_cast<const QTableView*>(o)) return "DataGrid";
    if (qobject_cast<const QTabWidget*>(o)) return "SSTab";
    if (qobject_cast<const QTabBar*>(o)) return "TabStrip";
    const QMetaObject* mo = o->metaObject();
    if (mo == &QWidget::staticMetaObject || mo == &QFrame::staticMetaObject)
        return "PictureBox";
    std::string name = mo->className();
    if (const auto colons = name.rfind("::"); colons != std::string::npos)
        name = name.substr(colons + 2);
    if (name.size() > 1 && name[0] == 'Q' && name[1] >= 'A' && name[1] <= 'Z')
        name.erase(0, 1);
    return name;
}

bool hasTabIndex(const QObject* o)
{
    if (!o || !o->isWidgetType() || !isControl(o))
        return false;
    switch (kindOf(o)) {
    case Kind::Form:
    case Kind::Timer:
    case Kind::Line:
    case Kind::Image:
    case Kind::Menu: return false;
    default: return true;
    }
}

Ref wrap(QObject* object)
{
    if (!object)
        return nullptr;
    return std::make_shared<QtControl>(object);
}

QObject* unwrap(const Ref& ref)
{
    if (auto* c = dynamic_cast<QtControl*>(ref.get()))
        return c->object();
    return nullptr;
}

QtControl::QtControl(QObject* object)
    : m_object(object)
    , m_identity(object)
{
}

QObject* QtControl::live() const
{
    if (!m_object)
        throw Failure(err::ObjectRequired);
    return m_object.data();
}

std::string QtControl::typeName() const
{
    if (!m_object)
        return "Nothing";
    return typeNameOf(m_object.data());
}

bool QtControl::lacksMember(std::string_view member) const
{
    // Must agree with get(): a Qt property of that name first, then what the kind has.
    QObject* o = m_object.data();
    if (!o || memberOf(member) != M::Align)
        return false;
    const std::string name(member);
    return declaredProperty(o->metaObject(), name) < 0 && !hasDynamicProperty(o, name) && !hasAlign(kindOf(o));
}

Value QtControl::get(std::string_view member, const Array& args)
{
    QObject* o = live();
    const std::string name(member);
    if (args.empty())
        if (auto v = readQtProperty(o, name))
            return *v;
    const M m = memberOf(member);
    const Kind k = kindOf(o);
    switch (m) {
    case M::Left:
    case M::Top:
    case M::Width:
    case M::Height:
        if (!hasGeometry(k))
            missing();
        return Value(readEdge(widgetOf(o), m == M::Left ? Edge::Left : m == M::Top ? Edge::Top : m == M::Width ? Edge::Width : Edge::Height));
    case M::Visible:
        if (k == Kind::Timer || !o->isWidgetType())
            missing();
        return Value(k == Kind::Form ? widgetOf(o)->isVisible() : !widgetOf(o)->isHidden());
    case M::Enabled:
        if (auto* timer = qobject_cast<QTimer*>(o))
            return Value(timer->isActive());
        return Value(widgetOf(o)->isEnabled());
    case M::Name: return Value(baseName(o->objectName()).toStdString());
    case M::Index: {
        const int index = arrayIndex(o->objectName());
        if (index < 0 || k == Kind::Form)
            throw Failure(kNotAnArray, "Object not an array");
        return Value(static_cast<int32_t>(index));
    }
    case M::Font:
        if (k == Kind::Timer || k == Kind::Line || k == Kind::Image)
            missing();
        return Value(Ref(std::make_shared<QtFont>(widgetOf(o))));
    case M::BackColor: {
        if (k == Kind::Timer || k == Kind::Line || k == Kind::Image)
            missing();
        QWidget* w = widgetOf(o);
        return Value(toPlatformColor(w->palette().color(backRole(w))));
    }
    case M::TabIndex: {
        if (!hasTabIndex(o))
            missing();
        return Value(static_cast<int32_t>(tabIndexOf(widgetOf(o))));
    }
    case M::Container:
        if (k == Kind::Form)
            missing();
        return Value(wrap(containerOf(o)));
    case M::Parent:
        if (k == Kind::Form)
            missing();
        return Value(wrap(windowOf(o)));
    case M::Controls: {
        if (k != Kind::Form)
            missing();
        QPointer<QWidget> window = widgetOf(o);
        return Value(Ref(std::make_shared<QtCollection>(
            [window] { return window ? static_cast<int>(controlsOf(window).size()) : 0; },
            [window](int i) {
                if (!window)
                    throw Failure(err::ObjectRequired);
                const auto& all = controlsOf(window);
                if (i < 0 || static_cast<std::size_t>(i) >= all.size())
                    throw Failure(err::SubscriptOutOfRange);
                return wrap(all[static_cast<std::size_t>(i)]);
            },
            nullptr)));
    }
    case M::Count:
        if (k != Kind::Form)
            missing();
        return Value(static_cast<int32_t>(controlsOf(widgetOf(o)).size()));
    case M::Move:
    case M::Refresh:
    case M::SetFocus:
    case M::ZOrder: {
        Array copy = args;
        return call(member, copy);
    }
    case M::WindowState: {
        if (k != Kind::Form)
            missing();
        const Qt::WindowStates s = widgetOf(o)->windowState();
        return Value(static_cast<int32_t>(s & Qt::WindowMinimized ? 1 : s & Qt::WindowMaximized ? 2 : 0));
    }
    case M::ScaleMode:
        if (!hasScale(k))
            missing();
        return Value(static_cast<int32_t>(1)); // a stored mode is a dynamic property, read above
    case M::ScaleWidth:
    case M::ScaleHeight: {
        if (!hasScale(k))
            missing();
        QWidget* w = widgetOf(o);
        const bool vertical = m == M::ScaleHeight;
        const double units = unitsPerPixel(scaleModeOf(w), twipsPerPixel(w, vertical), vertical);
        return Value((vertical ? w->height() : w->width()) * units);
    }
    case M::Align:
        if (!hasAlign(k))
            missing();
        switch (k) {
        case Kind::Menu: return Value(static_cast<int32_t>(1));
        case Kind::StatusBar: return Value(static_cast<int32_t>(2));
        case Kind::PictureBox: return Value(static_cast<int32_t>(0));
        case Kind::Toolbar: {
            if (auto* bar = qobject_cast<QToolBar*>(o))
                if (auto* main = qobject_cast<QMainWindow*>(bar->parentWidget())) {
                    switch (main->toolBarArea(bar)) {
                    case Qt::BottomToolBarArea: return Value(static_cast<int32_t>(2));
                    case Qt::LeftToolBarArea: return Value(static_cast<int32_t>(3));
                    case Qt::RightToolBarArea: return Value(static_cast<int32_t>(4));
                    default: break;
                    }
                }
            return Value(static_cast<int32_t>(1));
        }
        default: missing();
        }
    case M::MDIChild:
        if (k != Kind::Form)
            missing();
        return Value(false);
    case M::StartUpPosition:
        if (k != Kind::Form)
            missing();
        return Value(static_cast<int32_t>(0));
    case M::ClipControls:
        if (k != Kind::Form && k != Kind::Frame && k != Kind::PictureBox)
            missing();
        return Value(true);
    case M::Caption:
        if (k == Kind::Form)
            return Value(widgetOf(o)->windowTitle().toStdString());
        if (auto* label = qobject_cast<QLabel*>(o))
            return Value(label->text().toStdString());
        if (auto* button = qobject_cast<QAbstractButton*>(o))
            return Value(button->text().toStdString());
        if (auto* group = qobject_cast<QGroupBox*>(o))
            return Value(group->title().toStdString());
        missing();
    case M::Interval: return Value(static_cast<int32_t>(as<QTimer>(o)->interval()));
    case M::Stretch:
        if (k != Kind::Image)
            missing();
        return Value(as<QLabel>(o)->hasScaledContents());
    case M::AutoSize:
    case M::AutoRedraw:
        if (k != Kind::PictureBox)
            missing();
        return Value(false);
    default: break;
    }

    if (k == Kind::FlexGrid) {
        auto* t = as<QTableWidget>(o);
        switch (m) {
        case M::Rows: return Value(static_cast<int32_t>(t->rowCount()));
        case M::Cols: return Value(static_cast<int32_t>(t->columnCount()));
        case M::Row: return Value(static_cast<int32_t>(currentRow(t)));
        case M::Col: return Value(static_cast<int32_t>(currentColumn(t)));
        case M::RowSel: {
            const auto range = rangeAtCurrent(t);
            return Value(static_cast<int32_t>(range.topRow() == currentRow(t) ? range.bottomRow() : range.topRow()));
        }
        case M::ColSel: {
            const auto range = rangeAtCurrent(t);
            return Value(static_cast<int32_t>(range.leftColumn() == currentColumn(t) ? range.rightColumn() : range.leftColumn()));
        }
        case M::RowHeight: {
            const int r = arg(args, 0);
            if (r < 0 || r >= t->rowCount())
                throw Failure(err::SubscriptOutOfRange);
            return Value(exactScalar(t, scalarKey(m, r), t->rowHeight(r)) * twipsPerPixel(t, true));
        }
        case M::ColWidth: {
            const int c = arg(args, 0);
            if (c < 0 || c >= t->columnCount())
                throw Failure(err::SubscriptOutOfRange);
            return Value(exactScalar(t, scalarKey(m, c), t->columnWidth(c)) * twipsPerPixel(t, false));
        }
        case M::RowHeightMin:
            return Value(exactScalar(t, scalarKey(m, 0), t->verticalHeader()->minimumSectionSize()) * twipsPerPixel(t, true));
        case M::RowPos: {
            const int r = arg(args, 0);
            if (r < 0 || r >= t->rowCount())
                throw Failure(err::SubscriptOutOfRange);
            const int head = t->horizontalHeader()->isHidden() ? 0 : t->horizontalHeader()->height();
            return Value((head + t->verticalHeader()->sectionPosition(r)) * twipsPerPixel(t, true));
        }
        case M::CellFontName:
        case M::CellFontSize: {
            QtFont cell(t, currentRow(t), currentColumn(t));
            return cell.get(m == M::CellFontName ? "Name" : "Size");
        }
        case M::CellFontWidth: {
            const QTableWidgetItem* item = t->item(currentRow(t), currentColumn(t));
            return Value(item ? item->data(kCellFontWidthRole).toDouble() : 0.0);
        }
        case M::ScrollBars:
            return Value(static_cast<int32_t>((t->horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff ? 1 : 0)
                                              | (t->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff ? 2 : 0)));
        default: break;
        }
    }
    if (k == Kind::DataGrid) {
        auto* v = as<QTableView>(o);
        switch (m) {
        case M::RowHeight:
            return Value(exactScalar(v, scalarKey(m, 0), v->verticalHeader()->defaultSectionSize()) * twipsPerPixel(v, true));
        case M::DefColWidth:
            return Value(exactScalar(v, scalarKey(m, 0), v->horizontalHeader()->defaultSectionSize()) * twipsPerPixel(v, false));
        case M::Columns: {
            QPointer<QTableView> view = v;
            return Value(Ref(std::make_shared<QtCollection>(
                [view] { return view && view->model() ? view->model()->columnCount() : 0; },
                [view](int i) { return Ref(std::make_shared<QtColumn>(view.data(), i)); }, nullptr)));
        }
        case M::HeadFont: return Value(Ref(std::make_shared<QtFont>(v->horizontalHeader())));
        default: break;
        }
    }
    if (k == Kind::TabDialog) {
        auto* tabs = as<QTabWidget>(o);
        switch (m) {
        case M::Tab: return Value(static_cast<int32_t>(std::max(0, tabs->currentIndex())));
        case M::Tabs: return Value(static_cast<int32_t>(tabs->count()));
        case M::TabMaxWidth:
        case M::TabHeight: return Value(tabSize(tabs, tabs->tabBar(), m));
        default: break;
        }
    }
    if (k == Kind::TabStrip) {
        auto* bar = as<QTabBar>(o);
        switch (m) {
        case M::TabFixedWidth:
        case M::TabFixedHeight:
        case M::TabMinWidth: return Value(tabSize(bar, bar, m));
        default: break;
        }
    }
    missing();
}

void QtControl::set(std::string_view member, const Value& value, const Array& args)
{
    QObject* o = live();
    const std::string name(member);
    if (args.empty() && writeQtProperty(o, name, value))
        return;
    const M m = memberOf(member);
    const Kind k = kindOf(o);
    constexpr double skip = std::numeric_limits<double>::quiet_NaN();
    switch (m) {
    case M::Left:
    case M::Top:
    case M::Width:
    case M::Height: {
        if (!hasGeometry(k))
            missing();
        const double v = finite(value);
        place(widgetOf(o), m == M::Left ? v : skip, m == M::Top ? v : skip, m == M::Width ? v : skip,
              m == M::Height ? v : skip);
        return;
    }
    case M::Visible:
        if (k == Kind::Timer || !o->isWidgetType())
            missing();
        widgetOf(o)->setVisible(value.toBool());
        return;
    case M::Enabled:
        if (auto* timer = qobject_cast<QTimer*>(o)) {
            if (value.toBool())
                timer->start();
            else
                timer->stop();
            return;
        }
        widgetOf(o)->setEnabled(value.toBool());
        return;
    case M::Font: {
        if (k == Kind::Timer || k == Kind::Line || k == Kind::Image)
            missing();
        const Ref source = value.toObject();
        if (!source)
            throw Failure(err::ObjectRequired);
        QtFont target(widgetOf(o));
        target.set("Name", source->get("Name"));
        target.set("Size", source->get("Size"));
        return;
    }
    case M::BackColor: {
        if (k == Kind::Timer || k == Kind::Line || k == Kind::Image)
            missing();
        QWidget* w = widgetOf(o);
        QPalette palette = w->palette();
        const QPalette::ColorRole role = backRole(w);
        palette.setColor(role, fromPlatformColor(value.toInt32()));
        w->setPalette(palette);
        if (role == QPalette::Window)
            w->setAutoFillBackground(true);
        return;
    }
    case M::TabIndex: {
        if (!hasTabIndex(o))
            missing();
        const int32_t n = value.toInt32();
        if (n < 0)
            invalidValue();
        setTabIndex(widgetOf(o), n);
        return;
    }
    case M::WindowState: {
        if (k != Kind::Form)
            missing();
        const int32_t s = value.toInt32();
        if (s < 0 || s > 2)
            invalidValue();
        widgetOf(o)->setWindowState(s == 1 ? Qt::WindowMinimized : s == 2 ? Qt::WindowMaximized : Qt::WindowNoState);
        return;
    }
    case M::ScaleMode: {
        if (!hasScale(k))
            missing();
        const int32_t mode = value.toInt32();
        if (mode < 0 || mode > 7)
            invalidValue();
        o->setProperty("ScaleMode", mode);
        return;
    }
    case M::Align:
        if (k != Kind::PictureBox)
            missing();
        if (value.toInt32() < 0 || value.toInt32() > 4)
            invalidValue();
        o->setProperty("Align", value.toInt32());
        return;
    case M::StartUpPosition:
        if (k != Kind::Form)
            missing();
        o->setProperty("StartUpPosition", value.toInt32());
        return;
    case M::ClipControls:
        if (k != Kind::Form && k != Kind::Frame && k != Kind::PictureBox)
            missing();
        o->setProperty("ClipControls", value.toBool());
        return;
    case M::AutoSize:
    case M::AutoRedraw:
        if (k != Kind::PictureBox)
            missing();
        o->setProperty(m == M::AutoSize ? "AutoSize" : "AutoRedraw", value.toBool());
        return;
    case M::Caption: {
        const QString text = QString::fromStdString(value.toString());
        if (k == Kind::Form)
            widgetOf(o)->setWindowTitle(text);
        else if (auto* label = qobject_cast<QLabel*>(o))
            label->setText(text);
        else if (auto* button = qobject_cast<QAbstractButton*>(o))
            button->setText(text);
        else if (auto* group = qobject_cast<QGroupBox*>(o))
            group->setTitle(text);
        else
            missing();
        return;
    }
    case M::Interval: {
        const int32_t ms = value.toInt32();
        if (ms < 0)
            invalidValue();
        as<QTimer>(o)->setInterval(ms);
        return;
    }
    case M::Stretch:
        if (k != Kind::Image)
            missing();
        as<QLabel>(o)->setScaledContents(value.toBool());
        return;
    case M::Name:
    case M::Index:
    case M::Container:
    case M::Parent:
    case M::Controls:
    case M::Count:
    case M::MDIChild:
    case M::ScaleWidth:
    case M::ScaleHeight:
        if (m == M::ScaleWidth || m == M::ScaleHeight ? hasScale(k) : true)
            throw Failure(kReadOnly, "Property is read-only");
        missing();
    default: break;
    }

    if (k == Kind::FlexGrid) {
        auto* t = as<QTableWidget>(o);
        switch (m) {
        case M::Rows:
        case M::Cols: {
            const int32_t n = value.toInt32();
            if (n < 0 || n > (1 << 20))
                invalidValue();
            if (m == M::Rows)
                t->setRowCount(n);
            else
                t->setColumnCount(n);
            return;
        }
        case M::Row: setCurrent(t, value.toInt32(), currentColumn(t)); return;
        case M::Col: setCurrent(t, currentRow(t), value.toInt32()); return;
        case M::RowSel: {
            const auto range = rangeAtCurrent(t);
            const int colSel = range.leftColumn() == currentColumn(t) ? range.rightColumn() : range.leftColumn();
            selectTo(t, value.toInt32(), colSel);
            return;
        }
        case M::ColSel: {
            const auto range = rangeAtCurrent(t);
            const int rowSel = range.topRow() == currentRow(t) ? range.bottomRow() : range.topRow();
            selectTo(t, rowSel, value.toInt32());
            return;
        }
        case M::RowHeight:
        case M::ColWidth: {
            const int i = arg(args, 0);
            const bool rows = m == M::RowHeight;
            if (i < 0 || i >= (rows ? t->rowCount() : t->columnCount()))
                throw Failure(err::SubscriptOutOfRange);
            const double px = finite(value) / twipsPerPixel(t, rows);
            if (px < 0)
                invalidValue();
            const int applied = setExactScalar(t, scalarKey(m, i), px);
            if (rows)
                t->setRowHeight(i, applied);
            else
                t->setColumnWidth(i, applied);
            return;
        }
        case M::RowHeightMin: {
            const double px = finite(value) / twipsPerPixel(t, true);
            if (px < 0)
                invalidValue();
            t->verticalHeader()->setMinimumSectionSize(setExactScalar(t, scalarKey(m, 0), px));
            return;
        }
        case M::CellFontName:
        case M::CellFontSize: {
            QtFont cell(t, currentRow(t), currentColumn(t));
            cell.set(m == M::CellFontName ? "Name" : "Size", value);
            return;
        }
        case M::CellFontWidth: {
            const double width = finite(value);
            const int r = currentRow(t), c = currentColumn(t);
            if (r >= t->rowCount() || c >= t->columnCount())
                throw Failure(err::SubscriptOutOfRange);
            QTableWidgetItem* item = t->item(r, c);
            if (!item) {
                item = new QTableWidgetItem;
                t->setItem(r, c, item);
            }
            item->setData(kCellFontWidthRole, width);
            return;
        }
        default: break;
        }
    }
    if (k == Kind::DataGrid) {
        auto* v = as<QTableView>(o);
        if (m == M::RowHeight || m == M::DefColWidth) {
            const bool rows = m == M::RowHeight;
            const double px = finite(value) / twipsPerPixel(v, rows);
            if (px < 1)
                invalidValue();
            const int applied = setExactScalar(v, scalarKey(m, 0), px);
            (rows ? v->verticalHeader() : v->horizontalHeader())->setDefaultSectionSize(applied);
            return;
        }
    }
    if (k == Kind::TabDialog) {
        auto* tabs = as<QTabWidget>(o);
        if (m == M::Tab) {
            const int32_t i = value.toInt32();
            if (i < 0 || i >= tabs->count())
                invalidValue();
            tabs->setCurrentIndex(i);
            return;
        }
        if (m == M::TabMaxWidth || m == M::TabHeight) {
            setTabSize(tabs, tabs->tabBar(), m, value);
            return;
        }
    }
    if (k == Kind::TabStrip && (m == M::TabFixedWidth || m == M::TabFixedHeight || m == M::TabMinWidth)) {
        auto* bar = as<QTabBar>(o);
        setTabSize(bar, bar, m, value);
        return;
    }
    missing();
}

Value QtControl::call(std::string_view member, Array& args)
{
    QObject* o = live();
    const M m = memberOf(member);
    const Kind k = kindOf(o);
    switch (m) {
    case M::Move: {
        if (!hasGeometry(k))
            missing();
        if (args.empty() || args.size() > 4)
            throw Failure(err::InvalidCall);
        constexpr double skip = std::numeric_limits<double>::quiet_NaN();
        double v[4] = {skip, skip, skip, skip};
        for (std::size_t i = 0; i < args.size(); ++i)
            if (!args[i].isEmpty())
                v[i] = finite(args[i]);
        place(widgetOf(o), v[0], v[1], v[2], v[3]);
        return {};
    }
    case M::Refresh: {
        if (k == Kind::Timer)
            missing();
        QWidget* w = widgetOf(o);
        if (w->isVisible() && w->updatesEnabled())
            w->repaint();
        return {};
    }
    case M::SetFocus:
        widgetOf(o)->setFocus(Qt::OtherFocusReason);
        return {};
    case M::ZOrder:
        if (!args.empty() && args.front().toInt32() == 1)
            widgetOf(o)->lower();
        else
            widgetOf(o)->raise();
        return {};
    default: break;
    }
    if (m == M::Unknown && args.empty()) {
        if (auto v = readQtProperty(o, std::string(member)))
            return *v;
    }
    return get(member, args);
}

} // namespace kelvane::qt
