#include "qt_tree.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QHash>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolBar>

namespace kelvane::qt {

namespace {

constexpr int kMaxDepth = 256; // widget trees deeper than this are not walked further

bool isTabPage(const QObject* object)
{
    const QObject* stack = object->parent();
    return qobject_cast<const QStackedWidget*>(stack) && qobject_cast<const QTabWidget*>(stack->parent());
}

// Widgets whose children are their own parts, never controls of the window.
bool isOpaque(const QObject* object)
{
    if (qobject_cast<const QScrollArea*>(object))
        return false; // a scroll area holds real controls inside its viewport
    return qobject_cast<const QComboBox*>(object) || qobject_cast<const QAbstractSpinBox*>(object) ||
        qobject_cast<const QAbstractScrollArea*>(object) || qobject_cast<const QTabBar*>(object) ||
        qobject_cast<const QMenuBar*>(object) || qobject_cast<const QLineEdit*>(object) || qobject_cast<const QMenu*>(object);
}

bool inLayout(const QLayout* layout, const QWidget* widget, int depth)
{
    if (!layout || depth > kMaxDepth)
        return false;
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (!item)
            continue;
        if (item->widget() == widget || inLayout(item->layout(), widget, depth + 1))
            return true;
    }
    return false;
}

// A widget a layout places is not placed by anyone else: it is looked through like an unnamed
// one, and what it holds keeps its place in the container. Edge bars stay controls.
bool placedByLayout(const QObject* object)
{
    const auto* widget = static_cast<const QWidget*>(object);
    const QWidget* parent = widget->parentWidget();
    if (!parent || !parent->layout())
        return false;
    if (qobject_cast<const QMenuBar*>(widget) || qobject_cast<const QToolBar*>(widget) || qobject_cast<const QStatusBar*>(widget))
        return false;
    return inLayout(parent->layout(), widget, 0);
}

bool hasControlName(const QObject* object)
{
    const QString& name = object->objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"));
}

// Bumps a generation on every child added or removed, so cached control lists stay true.
class TreeWatcher final : public QObject {
public:
    explicit TreeWatcher(QObject* parent)
        : QObject(parent)
    {
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        const auto type = event->type();
        if (type == QEvent::ChildAdded || type == QEvent::ChildRemoved || type == QEvent::ParentChange)
            ++generation;
        return false;
    }
    quint64 generation = 1;
};

TreeWatcher* watcher()
{
    static QPointer<TreeWatcher> instance;
    if (!instance && QCoreApplication::instance()) {
        instance = new TreeWatcher(QCoreApplication::instance());
        QCoreApplication::instance()->installEventFilter(instance);
    }
    return instance;
}

struct CachedList {
    quint64 generation = 0;
    std::vector<QObject*> controls;
};

void collect(QObject* parent, std::vector<QObject*>& out, int depth)
{
    if (depth > kMaxDepth)
        return;
    for (QObject* child : parent->children()) {
        if (auto* widget = qobject_cast<QWidget*>(child)) {
            if (widget->isWindow())
                continue; // dialogs, menus and other windows are forms of their own
            if (hasControlName(widget) && !isTabPage(widget) && !placedByLayout(widget))
                out.push_back(widget);
            if (!isOpaque(widget))
                collect(widget, out, depth + 1);
        } else if (qobject_cast<QTimer*>(child) && hasControlName(child)) {
            out.push_back(child);
        }
    }
}

} // namespace

QWidget* windowOf(const QObject* object)
{
    for (int depth = 0; object && depth <= kMaxDepth; ++depth, object = object->parent())
        if (object->isWidgetType())
            return static_cast<const QWidget*>(object)->window();
    return nullptr;
}

bool isForm(const QObject* object) { return object && object->isWidgetType() && static_cast<const QWidget*>(object)->isWindow(); }

bool isControl(const QObject* object)
{
    if (!object || isForm(object))
        return false;
    if (!object->isWidgetType() && !qobject_cast<const QTimer*>(object))
        return false;
    if (!hasControlName(object) || isTabPage(object) || (object->isWidgetType() && placedByLayout(object)))
        return false;
    if (!object->isWidgetType() && !(object->parent() && object->parent()->isWidgetType()))
        return false; // timers count only as direct children of a widget
    int depth = 0;
    for (const QObject* up = object->parent(); up && depth <= kMaxDepth; up = up->parent(), ++depth) {
        if (isForm(up))
            return true;
        if (!up->isWidgetType() || isOpaque(up))
            return false;
    }
    return false;
}

QWidget* containerOf(const QObject* object)
{
    if (!object || isForm(object))
        return nullptr;
    int depth = 0;
    for (QObject* up = object->parent(); up && depth <= kMaxDepth; up = up->parent(), ++depth) {
        if (!up->isWidgetType())
            continue;
        auto* widget = static_cast<QWidget*>(up);
        if (widget->isWindow() || isControl(widget))
            return widget;
    }
    return nullptr;
}

const std::vector<QObject*>& controlsOf(QWidget* window)
{
    static QHash<const QWidget*, CachedList> cache;
    static std::vector<QObject*> none;
    if (!window)
        return none;
    TreeWatcher* w = watcher();
    const quint64 generation = w ? w->generation : 0;
    if (cache.size() > 64)
        cache.clear(); // windows come and go; the lists are cheap to rebuild
    CachedList& entry = cache[window];
    if (entry.generation != generation || generation == 0) {
        entry.controls.clear();
        collect(window, entry.controls, 0);
        entry.generation = generation;
    }
    return entry.controls;
}

QString baseName(const QString& objectName)
{
    return arrayIndex(objectName) >= 0 ? objectName.left(objectName.lastIndexOf(QLatin1Char('('))) : objectName;
}

int arrayIndex(const QString& objectName)
{
    if (!objectName.endsWith(QLatin1Char(')')))
        return -1;
    const qsizetype open = objectName.lastIndexOf(QLatin1Char('('));
    if (open <= 0 || open + 2 > objectName.size() - 1)
        return -1;
    bool ok = false;
    const int index = objectName.mid(open + 1, objectName.size() - open - 2).toInt(&ok);
    return ok && index >= 0 ? index : -1;
}

QTabWidget* tabDialogOf(const QObject* object, QWidget** page)
{
    QWidget* container = containerOf(object);
    auto* tabs = qobject_cast<QTabWidget*>(container);
    if (!tabs)
        return nullptr;
    int depth = 0;
    for (QObject* up = object->parent(); up && up != tabs && depth <= kMaxDepth; up = up->parent(), ++depth) {
        if (isTabPage(up)) {
            if (page)
                *page = static_cast<QWidget*>(up);
            return tabs;
        }
    }
    return nullptr;
}

} // namespace kelvane::qt
