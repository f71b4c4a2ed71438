#pragma once
// Form1, the setup screen: builds the stored layout, forwards each user event to the setup
// logic and shows what the logic says. Also carries the program's menus.
#include "setup/setup_logic.h"

#include <QWidget>

#include <memory>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;

namespace zorvix {

class Shell;
class WorksheetDialogs;

class SetupWindow final : public QWidget {
    Q_OBJECT
public:
    explicit SetupWindow(Shell& shell, QWidget* parent = nullptr);
    ~SetupWindow() override;

    const SetupScreen& screen() const { return m_screen; }
    // The area below the menu bar that holds the stored layout.
    QWidget* clientArea() const { return m_client; }
    // Tests answer the questions of "Save Worksheets as PDF…" themselves.
    void setWorksheetDialogs(std::unique_ptr<WorksheetDialogs> dialogs);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void buildLanguageMenu(QMenu* help);
    void connectEvents();
    void render();
    void carryOut(const SetupOutcome& outcome);
    DrillSettings& settings();

    Shell& m_shell;
    SetupScreen m_screen;
    QMenuBar* m_menuBar = nullptr;
    QWidget* m_client = nullptr;
    QButtonGroup* m_testType = nullptr;
    QButtonGroup* m_timed = nullptr;
    QButtonGroup* m_method = nullptr;
    QButtonGroup* m_drillType = nullptr;
    QComboBox* m_minNum = nullptr;
    QComboBox* m_maxNum = nullptr;
    QComboBox* m_count = nullptr;
    QComboBox* m_drill = nullptr;
    QLabel* m_label1 = nullptr;
    QLineEdit* m_text1 = nullptr;
    std::unique_ptr<WorksheetDialogs> m_worksheetDialogs;
};

} // namespace zorvix
