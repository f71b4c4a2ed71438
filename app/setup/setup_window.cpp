#include "setup_window.h"

#include "settings/shell.h"

namespace zorvix {

SetupWindow::SetupWindow(Shell& shell, QWidget* parent)
    : QWidget(parent)
    , m_shell(shell)
{
    setObjectName(QStringLiteral("Form1"));
}

} // namespace zorvix
