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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    class Private;
    std::unique_ptr<Private> const d;
};

} // namespace kelvane
