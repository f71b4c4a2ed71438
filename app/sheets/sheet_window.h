#pragma once
// Form3, the on-screen worksheet: 30 problem slots, three buttons and the timer bar. Every
// event goes to SheetLogic; the window paints what the logic's view says.
#include "sheet_logic.h"

#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace zorvix {

class LineWidget;
class Shell;
class SvgPicture;

class SheetWindow final : public QWidget {
    Q_OBJECT
public:
    explicit SheetWindow(Shell& shell, QWidget* parent = nullptr);
    ~SheetWindow() override;

    const SheetLogic& logic() const { return m_logic; }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct SlotControls {
        QLabel* num1 = nullptr;
        QLabel* num2 = nullptr;
        QLabel* sign = nullptr;
        SvgPicture* image1 = nullptr;
        LineWidget* line1 = nullptr;
        QLineEdit* answer = nullptr;
    };

    void buildSlots();
    void buildButtons();
    void buildTimerBar();
    void render();
    QString caption() const;

    Shell& m_shell;
    SheetLogic m_logic;
    std::array<SlotControls, kOnScreenSlots> m_slots{};
    QPushButton* m_nsheet = nullptr;
    QPushButton* m_answers = nullptr;
    QPushButton* m_back = nullptr;
    QPushButton* m_command2 = nullptr;
    QLabel* m_label1 = nullptr;
    QPushButton* m_timerbar = nullptr;
    QPushButton* m_command3 = nullptr;
    QTimer* m_clock = nullptr;
    bool m_rendering = false;
};

} // namespace zorvix
