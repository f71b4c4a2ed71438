#pragma once
// Qt Designer's entry for KelvaneUCWidget: drop a KelvaneUC on a form, see the design screen's
// metrics on its face, and have its stored properties saved into the .ui file.
#include <QObject>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

namespace kelvane {

class KelvaneUCPlugin final : public QObject, public QDesignerCustomWidgetInterface {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetInterface")
    Q_INTERFACES(QDesignerCustomWidgetInterface)
public:
    explicit KelvaneUCPlugin(QObject* parent = nullptr);

    QString name() const override;
    QString group() const override;
    QString toolTip() const override;
    QString whatsThis() const override;
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override;
    QString domXml() const override;
    bool isInitialized() const override;
    // Designer calls this with its core; a form loader at run time (QUiLoader) does not, so a
    // widget made without a core is a run-time control.
    void initialize(QDesignerFormEditorInterface* core) override;
    QWidget* createWidget(QWidget* parent) override;

private:
    QDesignerFormEditorInterface* m_core = nullptr;
};

} // namespace kelvane
