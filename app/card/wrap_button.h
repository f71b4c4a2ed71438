#pragma once
// A command button whose caption wraps onto more lines at blanks when it is too wide, as the
// drill's button captions ("MISSED PROBLEMS") need; text() keeps the caption as given.
#include <QPushButton>

namespace zorvix {

class WrapButton final : public QPushButton {
public:
    explicit WrapButton(const QString& caption, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace zorvix
