#pragma once
// frmAbout: the program's title, version and description. Modal, destroyed when closed.
#include <QDialog>

namespace zorvix {

class AboutBox final : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);
};

// Shows the box modally over parent and returns once it has been closed and destroyed.
void showAboutBox(QWidget* parent);

} // namespace zorvix
