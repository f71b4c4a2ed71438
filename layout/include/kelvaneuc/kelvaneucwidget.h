#pragma once
// KelvaneUCWidget: the KelvaneUC layout control as a Qt widget. Put one on a window (as a
// child of the window); at run time it hides itself, follows the window's resize and close
// events and rescales the window and its controls to the screen the window is on.
#include "host.h"
#include "kelvaneuc.h"

#include <QWidget>
#include <memory>

namespace kelvane {

class KELVANEUCP_EXPORT KelvaneUCWidget : public QWidget {
    Q_OBJECT
    // The stored properties, for form editors: Qt Designer saves them into the .ui file, and
    // code from uic (or QUiLoader) sets them back. Set at run time before the window is first
    // shown, they become the control's property bag, unless load() gave it one. In design mode
    // the six design metrics come from the screen; setting them there changes nothing.
    Q_PROPERTY(double DesignWidth READ designWidth WRITE setDesignWidth)
    Q_PROPERTY(double DesignHeight READ designHeight WRITE setDesignHeight)
    Q_PROPERTY(double DesignBorderWidth READ designBorderWidth WRITE setDesignBorderWidth)
    Q_PROPERTY(double DesignCaptionHeight READ designCaptionHeight WRITE setDesignCaptionHeight)
    Q_PROPERTY(double DesignMenuHeight READ designMenuHeight WRITE setDesignMenuHeight)
    Q_PROPERTY(double DesignScrollWidth READ designScrollWidth WRITE setDesignScrollWidth)
    Q_PROPERTY(bool AccountForAlignedControls READ accountForAlignedControls WRITE setAccountForAlignedControls)
    Q_PROPERTY(bool KeepAspectRatio READ keepAspectRatio WRITE setKeepAspectRatio)
    Q_PROPERTY(bool ResizeOnChange READ resizeOnChange WRITE setResizeOnChange)
    Q_PROPERTY(bool ResizeAtStartUp READ resizeAtStartUp WRITE setResizeAtStartUp)
    Q_PROPERTY(bool ResizeForFixedTaskBar READ resizeForFixedTaskBar WRITE setResizeForFixedTaskBar)
    Q_PROPERTY(bool ResizeForOverhead READ resizeForOverhead WRITE setResizeForOverhead)
    Q_PROPERTY(bool ResizeContainedByToolbar READ resizeContainedByToolbar WRITE setResizeContainedByToolbar)
public:
    // designMode: the window is being designed (a form editor), not run.
    explicit KelvaneUCWidget(QWidget* window, bool designMode = false);
    ~KelvaneUCWidget() override;

    KelvaneUC& control();
    // Loads the stored properties (ReadProperties) and hooks the window.
    Result<> load(PropertyBag& bag);
    // A freshly placed control: InitProperties.
    void initialize();
    Result<> save(PropertyBag& bag);

    // The stored properties one by one (see the Q_PROPERTYs above).
    double designWidth() const { return metric(0); }
    void setDesignWidth(double value) { setMetric(0, value); }
    double designHeight() const { return metric(1); }
    void setDesignHeight(double value) { setMetric(1, value); }
    double designBorderWidth() const { return metric(2); }
    void setDesignBorderWidth(double value) { setMetric(2, value); }
    double designCaptionHeight() const { return metric(3); }
    void setDesignCaptionHeight(double value) { setMetric(3, value); }
    double designMenuHeight() const { return metric(4); }
    void setDesignMenuHeight(double value) { setMetric(4, value); }
    double designScrollWidth() const { return metric(5); }
    void setDesignScrollWidth(double value) { setMetric(5, value); }
    bool accountForAlignedControls() const { return setting(0); }
    void setAccountForAlignedControls(bool value) { setSetting(0, value); }
    bool keepAspectRatio() const { return setting(1); }
    void setKeepAspectRatio(bool value) { setSetting(1, value); }
    bool resizeOnChange() const { return setting(2); }
    void setResizeOnChange(bool value) { setSetting(2, value); }
    bool resizeAtStartUp() const { return setting(3); }
    void setResizeAtStartUp(bool value) { setSetting(3, value); }
    bool resizeForFixedTaskBar() const { return setting(4); }
    void setResizeForFixedTaskBar(bool value) { setSetting(4, value); }
    bool resizeForOverhead() const { return setting(5); }
    void setResizeForOverhead(bool value) { setSetting(5, value); }
    bool resizeContainedByToolbar() const { return setting(6); }
    void setResizeContainedByToolbar(bool value) { setSetting(6, value); }

Q_SIGNALS:
    // The control asks its form editor to save this stored property (design mode only).
    void propertyChanged(const QString& property);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    double metric(int index) const;
    void setMetric(int index, double value);
    bool setting(int index) const;
    void setSetting(int index, bool value);

    class Private;
    std::unique_ptr<Private> const d;
};

} // namespace kelvane
