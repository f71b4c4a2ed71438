#pragma once
// Watches one key for the whole application and answers, at each poll, whether it was pressed
// since the previous poll and is up now (the test clock's check of the 2 key).
#include <QObject>

namespace zorvix {

class KeyReleaseTracker final : public QObject {
public:
    explicit KeyReleaseTracker(int key, QObject* parent = nullptr);
    ~KeyReleaseTracker() override;

    bool poll();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int m_key;
    bool m_down = false;
    bool m_pressedSincePoll = false;
};

} // namespace zorvix
