// The dispatch of a Qt control's members: kinds and names, Qt properties of the member's name,
// the members every control shares (visibility, names, nesting, tab order), and the concerns
// that answer the rest (qt_members.h).
#include "qt_control.h"

#include "qt_collection.h"
#include "qt_members.h"
#include "qt_names.h"
#include "qt_taborder.h"
#include "qt_tree.h"
#include "qt_values.h"

#include <kelvaneuc/kelvaneucwidget.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
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

#include <unordered_map>

namespace kelvane::qt {

namespace {

constexpr int32_t kNotAnArray = 343;

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

M memberOf(std::string_view name)
{
    static const std::unordered_map<std::string, M> table = [] {
        const std::pair<const char*, M> entries[] = {{"left", M::Left},
                                                     {"top", M::Top},
                                                     {"width", M::Width},
                                                     {"height", M::Height},
                                                     {"visible", M::Visible},
                                                     {"enabled", M::Enabled},
                                                     {"name", M::Name},
                                                     {"index", M::Index},
                                                     {"font", M::Font},
                                                     {"backcolor", M::BackColor},
                                                     {"tabindex", M::TabIndex},
                                                     {"container", M::Container},
                                                     {"parent", M::Parent},
                                                     {"controls", M::Controls},
                                                     {"count", M::Count},
                                                     {"move", M::Move},
                                                     {"refresh", M::Refresh},
                                                     {"setfocus", M::SetFocus},
                                                     {"zorder", M::ZOrder},
                                                     {"windowstate", M::WindowState},
                                                     {"scalemode", M::ScaleMode},
                                                     {"scalewidth", M::ScaleWidth},
                                                     {"scaleheight", M::ScaleHeight},
                                                     {"align", M::Align},
                                                     {"mdichild", M::MDIChild},
                                                     {"startupposition", M::StartUpPosition},
                                                     {"clipcontrols", M::ClipControls},
                                                     {"caption", M::Caption},
                                                     {"interval", M::Interval},
                                                     {"stretch", M::Stretch},
                                                     {"autosize", M::AutoSize},
                                                     {"autoredraw", M::AutoRedraw},
                                                     {"rowheight", M::RowHeight},
                                                     {"colwidth", M::ColWidth},
                                                     {"rows", M::Rows},
                                                     {"cols", M::Cols},
                                                     {"row", M::Row},
                                                     {"col", M::Col},
                                                     {"rowsel", M::RowSel},
                                                     {"colsel", M::ColSel},
                                                     {"rowpos", M::RowPos},
                                                     {"rowheightmin", M::RowHeightMin},
                                                     {"cellfontname", M::CellFontName},
                                                     {"cellfontsize", M::CellFontSize},
                                                     {"cellfontwidth", M::CellFontWidth},
                                                     {"scrollbars", M::ScrollBars},
                                                     {"defcolwidth", M::DefColWidth},
                                                     {"columns", M::Columns},
                                                     {"headfont", M::HeadFont},
                                                     {"tab", M::Tab},
                                                     {"tabs", M::Tabs},
                                                     {"tabmaxwidth", M::TabMaxWidth},
                                                     {"tabheight", M::TabHeight},
                                                     {"tabfixedwidth", M::TabFixedWidth},
                                                     {"tabfixedheight", M::TabFixedHeight},
                                                     {"tabminwidth", M::TabMinWidth},
                                                     {"picture", M::Picture},
                                                     {"paintpicture", M::PaintPicture}};
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
    static const std::unordered_map<std::string, Kind> kinds = {{"form", Kind::Form},
                                                                {"mdiform", Kind::Form},
                                                                {"timer", Kind::Timer},
                                                                {"line", Kind::Line},
                                                                {"image", Kind::Image},
                                                                {"menu", Kind::Menu},
                                                                {"toolbar", Kind::Toolbar},
                                                                {"statusbar", Kind::StatusBar},
                                                                {"msflexgrid", Kind::FlexGrid},
                                                                {"mshflexgrid", Kind::FlexGrid},
                                                                {"datagrid", Kind::DataGrid},
                                                                {"dbgrid", Kind::DataGrid},
                                                                {"sstab", Kind::TabDialog},
                                                                {"tabstrip", Kind::TabStrip},
                                                                {"picturebox", Kind::PictureBox},
                                                                {"frame", Kind::Frame}};
    auto it = kinds.find(t);
    if (it == kinds.end())
        return Kind::Other;
    if (it->second == Kind::Form && !isForm(o))
        return Kind::Other; // only a window can be a form
    return it->second;
}

void missing() { throw Failure(err::MissingMember); }
void invalidValue() { throw Failure(kInvalidPropertyValue, "Invalid property value"); }

QWidget* widgetOf(QObject* o)
{
    if (!o->isWidgetType())
        missing();
    return static_cast<QWidget*>(o);
}

int32_t arg(const Array& args, std::size_t i)
{
    if (args.size() <= i)
        throw Failure(err::InvalidCall);
    return args[i].toInt32();
}

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
    if (qobject_cast<const KelvaneUCWidget*>(o))
        return "KelvaneUC";
    if (qobject_cast<const QPushButton*>(o))
        return "CommandButton";
    if (showsPicture(o))
        return "PictureBox";
    if (qobject_cast<const QLabel*>(o))
        return "Label";
    if (qobject_cast<const QLineEdit*>(o) || qobject_cast<const QTextEdit*>(o) || qobject_cast<const QPlainTextEdit*>(o))
        return "TextBox";
    if (qobject_cast<const QComboBox*>(o))
        return "ComboBox";
    if (qobject_cast<const QGroupBox*>(o))
        return "Frame";
    if (qobject_cast<const QRadioButton*>(o))
        return "OptionButton";
    if (qobject_cast<const QCheckBox*>(o))
        return "CheckBox";
    if (qobject_cast<const QListWidget*>(o))
        return "ListBox";
    if (qobject_cast<const QTimer*>(o))
        return "Timer";
    if (qobject_cast<const QMenuBar*>(o))
        return "Menu";
    if (qobject_cast<const QToolBar*>(o))
        return "Toolbar";
    if (qobject_cast<const QStatusBar*>(o))
        return "StatusBar";
    if (qobject_cast<const QTableWidget*>(o))
        return "MSFlexGrid";
    if (qobject_cast<const QTableView*>(o))
        return "DataGrid";
    if (qobject_cast<const QTabWidget*>(o))
        return "SSTab";
    if (qobject_cast<const QTabBar*>(o))
        return "TabStrip";
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

Kind QtControl::kind(const QObject* o) const
{
    // Working the kind out reads a property by name and walks the class list: a pass asks it
    // for every member of every control, so it is worked out once per reference.
    if (!m_kind)
        m_kind = kindOf(o);
    return *m_kind;
}

std::string QtControl::typeName() const
{
    if (!m_object)
        return "Nothing";
    // Asked for every control at every step of a pass; worked out once, as the kind is.
    if (!m_typeName)
        m_typeName = typeNameOf(m_object.data());
    return *m_typeName;
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

std::function<void()> QtControl::keepLook()
{
    if (!m_object || !m_object->isWidgetType())
        return {};
    QPointer<QWidget> w = static_cast<QWidget*>(m_object.data());
    // A widget's palette carries in its resolve mask exactly the roles set on the widget itself;
    // setting it back with that mask leaves the other roles to follow the parent and theme.
    const QPalette own = w->palette();
    const bool autoFill = w->autoFillBackground();
    const bool disabledItself = w->testAttribute(Qt::WA_ForceDisabled);
    return [w, own, autoFill, disabledItself] {
        if (!w)
            return;
        w->setPalette(own);
        w->setAutoFillBackground(autoFill);
        w->setEnabled(!disabledItself);
    };
}
Value QtControl::get(std::string_view member, const Array& args)
{
    QObject* o = live();
    const std::string name(member);
    if (args.empty())
        if (auto v = readQtProperty(o, name))
            return *v;
    const M m = memberOf(member);
    const Kind k = kind(o);
    if (auto v = getGeometry(o, k, m))
        return *v;
    if (auto v = getText(o, k, m))
        return *v;
    if (auto v = getPicture(o, k, m))
        return *v;
    if (auto v = getInner(o, k, m, args))
        return *v;
    switch (m) {
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
        return Value(
            Ref(std::make_shared<QtCollection>([window] { return window ? static_cast<int>(controlsOf(window).size()) : 0; },
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
    case M::MDIChild:
        if (k != Kind::Form)
            missing();
        return Value(false);
    case M::Interval: return Value(static_cast<int32_t>(as<QTimer>(o)->interval()));
    default: break;
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
    const Kind k = kind(o);
    if (setGeometry(o, k, m, value) || setText(o, k, m, value) || setPicture(o, k, m, value) || setInner(o, k, m, value, args))
        return;
    switch (m) {
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
    case M::TabIndex: {
        if (!hasTabIndex(o))
            missing();
        const int32_t n = value.toInt32();
        if (n < 0)
            invalidValue();
        setTabIndex(widgetOf(o), n);
        return;
    }
    case M::Interval: {
        const int32_t ms = value.toInt32();
        if (ms < 0)
            invalidValue();
        as<QTimer>(o)->setInterval(ms);
        return;
    }
    case M::Name:
    case M::Index:
    case M::Container:
    case M::Parent:
    case M::Controls:
    case M::Count:
    case M::MDIChild: throw Failure(kReadOnly, "Property is read-only");
    default: break;
    }
    missing();
}

Value QtControl::call(std::string_view member, Array& args)
{
    QObject* o = live();
    const M m = memberOf(member);
    const Kind k = kind(o);
    if (auto v = callGeometry(o, k, m, args))
        return *v;
    if (auto v = callPicture(o, k, m, args))
        return *v;
    switch (m) {
    case M::Refresh: {
        if (k == Kind::Timer)
            missing();
        QWidget* w = widgetOf(o);
        if (w->isVisible() && w->updatesEnabled())
            w->repaint();
        return {};
    }
    case M::SetFocus: widgetOf(o)->setFocus(Qt::OtherFocusReason); return {};
    default: break;
    }
    if (m == M::Unknown && args.empty()) {
        if (auto v = readQtProperty(o, std::string(member)))
            return *v;
    }
    return get(member, args);
}

} // namespace kelvane::qt
