#pragma once
#include <QWidget>

namespace zorvix {

class Shell;

// Placeholder until the window is built.
class SetupWindow final : public QWidget {
    Q_OBJECT
public:
    explicit SetupWindow(Shell& shell, QWidget* parent = nullptr);

private:
    Shell& m_shell;
};

} // namespace zorvix
