#pragma once
// The component host of one KelvaneUCWidget: user mode, the extender (Parent, Visible, Name),
// change notification and the design-time surface, answered by the widget and its window.
#include <kelvaneuc/host.h>

#include "qt_platform.h"

#include <QPointer>
#include <QString>
#include <vector>

class QLabel;
class QWidget;

namespace kelvane::qt {

class QtSite final : public Site {
public:
    QtSite(QWidget* control, QWidget* window, bool designMode);
    Platform& platform() override { return m_platform; }
    bool userMode() const override { return !m_designMode; }
    Ref parent() override;
    void setVisible(bool visible) override;
    std::string name() const override;
    Ref self() override;
    void propertyChanged(std::string_view property) override;
    double width() const override;
    double height() const override;
    void setWidth(double twips) override;
    void setHeight(double twips) override;
    void showFace(const std::string& caption, double width, double height) override;

    // Properties the control asked the designer to save, in order.
    const std::vector<std::string>& changedProperties() const { return m_changed; }
    QLabel* face() const { return m_face; }
    // The form the control sits in now (the extender's Parent).
    void setWindow(QWidget* window) { m_window = window; }

private:
    QtPlatform m_platform;
    QPointer<QWidget> m_control;
    QPointer<QWidget> m_window;
    bool m_designMode;
    QLabel* m_face = nullptr;
    std::vector<std::string> m_changed;
};

} // namespace kelvane::qt
