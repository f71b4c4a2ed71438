#include "sheet_window.h"

#include "settings/shell.h"

namespace zorvix {

SheetWindow::SheetWindow(Shell& shell, QWidget* parent)
    : QWidget(parent)
    , m_shell(shell)
{
    setObjectName(QStringLiteral("Form3"));
}

} // namespace zorvix
