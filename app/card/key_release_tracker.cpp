#include "key_release_tracker.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace zorvix {

KeyReleaseTracker::KeyReleaseTracker(int key, QObject* parent)
    : QObject(parent)
    , m_key(key)
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->installEventFilter(this);
}

KeyReleaseTracker::~KeyReleaseTracker()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(this);
}

bool KeyReleaseTracker::poll()
{
    const bool result = m_pressedSincePoll && !m_down;
    m_pressedSincePoll = false;
    return result;
}

bool KeyReleaseTracker::eventFilter(QObject*, QEvent* event)
{
    // One key event reaches the filter once per object it travels through; the flags make
    // repeats harmless. The number pad's 2 is another key.
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        if (key->key() == m_key && !(key->modifiers() & Qt::KeypadModifier)) {
            if (event->type() == QEvent::KeyPress) {
                m_down = true;
                m_pressedSincePoll = true;
            } else if (!key->isAutoRepeat()) {
                m_down = false;
            }
        }
    }
    return false;
}

} // namespace zorvix
