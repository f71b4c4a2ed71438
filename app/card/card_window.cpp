#include "card_window.h"

#include "settings/shell.h"

namespace zorvix {

CardWindow::CardWindow(Shell& shell, QWidget* parent)
    : QWidget(parent)
    , m_shell(shell)
{
    setObjectName(QStringLiteral("Form2"));
}

} // namespace zorvix
