#include "ActionKeysFirst.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

ActionKeysFirst::ActionKeysFirst(QWidget* window) : QObject(window), m_window(window)
{
    qApp->installEventFilter(this);
}

bool ActionKeysFirst::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride || !watched->isWidgetType() ||
        static_cast<QWidget*>(watched)->window() != m_window)
        return false;
    const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
    for (const QAction* action : m_window->actions()) {
        // Kept from the field: the event stays unaccepted, so the key goes
        // on to the window's shortcut.
        if (action->isEnabled() && action->shortcuts().contains(pressed))
            return true;
    }
    return false;
}
