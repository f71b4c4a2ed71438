#pragma once
// The four help pages (Dialog1..Dialog4): a read-only rich-text page stored with the program
// and an OK button. Modal, and destroyed when closed.
#include <QDialog>

class QTextBrowser;

namespace zorvix {

inline constexpr int helpPageCount = 4;

class HelpPage final : public QDialog {
    Q_OBJECT
public:
    // page 1..4: setup page, flash cards, flash page, printed page.
    explicit HelpPage(int page, QWidget* parent = nullptr);

private:
    QTextBrowser* m_text = nullptr;
};

// Shows the page modally over parent and returns once it has been closed and destroyed.
// Pages outside 1..4 show nothing.
void showHelpPage(int page, QWidget* parent);

} // namespace zorvix
