#pragma once
#include <QWidget>

namespace zorvix {

class Shell;

// Placeholder until the window is built.
class SheetWindow final : public QWidget {
    Q_OBJECT
public:
    explicit SheetWindow(Shell& shell, QWidget* parent = nullptr);

private:
    Shell& m_shell;
};

} // namespace zorvix
