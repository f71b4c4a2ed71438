#pragma once
// "You Got Them All!!!": shown after a perfect test; OK hides it and it is reused.
#include <QDialog>

class QLabel;
class QPushButton;

namespace zorvix {

class CompletionDialog final : public QDialog {
    Q_OBJECT
public:
    explicit CompletionDialog(QWidget* parent = nullptr);
    void setText(const QString& text);
    QString text() const;

private:
    QLabel* m_label;
    QPushButton* m_ok;
};

} // namespace zorvix
