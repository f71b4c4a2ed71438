#include "kelvaneucplugin.h"

#include <kelvaneuc/kelvaneucwidget.h>

#include <QDesignerFormEditorInterface>
#include <QDesignerPropertySheetExtension>
#include <QExtensionManager>
#include <QIcon>
#include <QPointer>
#include <QTimer>

namespace kelvane {

namespace {

// Designer writes a property into the .ui file only when its sheet marks it changed; the
// control asks for the design metrics it measured and the settings it was placed with. Only a
// value that differs from its default is stored, as the control's own save decides; the rest
// are marked unchanged, so the file holds what matters. The sheet is asked once the event loop
// runs again, since it does not exist while the widget is made.
void markChanged(QDesignerFormEditorInterface* core, KelvaneUCWidget* widget, const QString& property)
{
    QPointer<QDesignerFormEditorInterface> editor(core);
    QTimer::singleShot(0, widget, [editor, widget, property] {
        if (!editor || !editor->extensionManager())
            return;
        auto* sheet = qt_extension<QDesignerPropertySheetExtension*>(editor->extensionManager(), widget);
        if (!sheet)
            return;
        const int index = sheet->indexOf(property);
        if (index < 0)
            return;
        MemoryPropertyBag stored;
        widget->save(stored);
        sheet->setChanged(index, stored.find(property.toStdString()).has_value());
    });
}

} // namespace

KelvaneUCPlugin::KelvaneUCPlugin(QObject* parent)
    : QObject(parent)
{
}

QString KelvaneUCPlugin::name() const { return QStringLiteral("kelvane::KelvaneUCWidget"); }
QString KelvaneUCPlugin::group() const { return QStringLiteral("KelvaneUCP"); }
QString KelvaneUCPlugin::toolTip() const { return QStringLiteral("KelvaneUC layout control"); }

QString KelvaneUCPlugin::whatsThis() const
{
    return QStringLiteral("Rescales the window and every named control on it to the screen the program runs on. "
                          "Place one directly on the form; it is invisible at run time.");
}

// Angle brackets: Designer then writes a global include, as for any installed library.
QString KelvaneUCPlugin::includeFile() const { return QStringLiteral("<kelvaneuc/kelvaneucwidget.h>"); }
QIcon KelvaneUCPlugin::icon() const { return {}; }
bool KelvaneUCPlugin::isContainer() const { return false; }

QString KelvaneUCPlugin::domXml() const
{
    return QStringLiteral(R"(<ui language="c++">
 <widget class="kelvane::KelvaneUCWidget" name="KelvaneUC1"/>
 <customwidgets>
  <customwidget>
   <class>kelvane::KelvaneUCWidget</class>
   <extends>QWidget</extends>
   <header location="global">kelvaneuc/kelvaneucwidget.h</header>
  </customwidget>
 </customwidgets>
</ui>
)");
}

bool KelvaneUCPlugin::isInitialized() const { return m_core != nullptr; }

void KelvaneUCPlugin::initialize(QDesignerFormEditorInterface* core)
{
    if (!m_core)
        m_core = core;
}

QWidget* KelvaneUCPlugin::createWidget(QWidget* parent)
{
    const bool designMode = m_core != nullptr;
    auto* widget = new KelvaneUCWidget(parent, designMode);
    if (designMode) {
        QDesignerFormEditorInterface* core = m_core;
        connect(widget, &KelvaneUCWidget::propertyChanged, widget,
                [core, widget](const QString& property) { markChanged(core, widget, property); });
        // A fresh placement: measure this screen and take the default settings. A form read
        // from a .ui file then sets the settings it stored.
        widget->initialize();
    }
    return widget;
}

} // namespace kelvane
