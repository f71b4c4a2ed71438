#include "printed_window.h"

#include "settings/shell.h"

namespace zorvix {

PrintedSheetWindow::PrintedSheetWindow(Shell& shell, QWidget* parent)
    : QWidget(parent)
    , m_shell(shell)
{
    setObjectName(QStringLiteral("Form4"));
}

} // namespace zorvix
