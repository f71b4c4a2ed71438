#pragma once
#include <QWidget>

namespace zorvix {

class Shell;

// Placeholder until the window is built.
class PrintedSheetWindow final : public QWidget {
    Q_OBJECT
public:
    explicit PrintedSheetWindow(Shell& shell, QWidget* parent = nullptr);

private:
    Shell& m_shell;
};

} // namespace zorvix
