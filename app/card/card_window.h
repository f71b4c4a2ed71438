#pragma once
// Form2, "Individual Flashcards": builds the controls, forwards every event to CardLogic and
// paints its screen afterwards. No rule lives here.
#include "card_logic.h"

#include <QWidget>
#include <QString>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace zorvix {

class Shell;
class SvgPicture;
class LineWidget;
class CompletionDialog;

class CardWindow final : public QWidget {
    Q_OBJECT
public:
    explicit CardWindow(Shell& shell, QWidget* parent = nullptr);
    ~CardWindow() override;

    const CardLogic& logic() const { return m_logic; }
    // The next START runs these problems as one test.
    void practise(std::vector<CardEntry> problems);
    CompletionDialog* completionDialog() const { return m_dialog; }
    // The last result announced to assistive technology ("right", "wrong") and how many so far.
    const QString& lastAnnouncement() const { return m_status; }
    int announcements() const { return m_announcements; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void build();
    QPushButton* addButton(const QString& name, const QString& caption, double left, double top, double width, double height,
                           QColor colour, double points);
    template <class Handler> void forward(Handler handler);
    void render();
    void announceResult();
    bool typeKey(const QKeyEvent* key);

    Shell& m_shell;
    CardLogic m_logic;
    std::array<QLabel*, 2> m_digit{};
    QLabel* m_sign = nullptr;
    SvgPicture* m_divideSign = nullptr;
    LineWidget* m_line = nullptr;
    QLineEdit* m_answer = nullptr;
    std::array<QPushButton*, 11> m_keypad{};
    QPushButton* m_erase = nullptr;
    QPushButton* m_newProb = nullptr;
    QPushButton* m_check = nullptr;
    QPushButton* m_skip = nullptr;
    QPushButton* m_tryagain = nullptr;
    QPushButton* m_return = nullptr;
    QLabel* m_numRight = nullptr;
    QLabel* m_tries = nullptr;
    QLabel* m_numskip = nullptr;
    std::array<SvgPicture*, 3> m_faces{}; // thinking, grinning, howling
    QPushButton* m_timerbar = nullptr;
    QLabel* m_track = nullptr;
    QTimer* m_testLength = nullptr;
    QTimer* m_autoNewProb = nullptr;
    CompletionDialog* m_dialog = nullptr;
    std::uint32_t m_seenFocusRequests = 0;
    std::uint32_t m_seenAutoStarts = 0;
    bool m_closing = false;
    bool m_renderingAnswer = false;
    QString m_status;
    int m_announcements = 0;
};

} // namespace zorvix
