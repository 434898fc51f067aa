// Helpers for tests that drive real widgets offscreen.
#pragma once

#include <QApplication>
#include <QWidget>
#include <QtTest>

// Shows window and makes it the active one, so that it takes keyboard focus.
inline bool ShowActive(QWidget* window)
{
    window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

// The widgets that Tab visits, starting from the focused one, until it
// comes back round or count widgets were seen.
inline QList<QWidget*> TabWalk(int count)
{
    QList<QWidget*> seen;
    for (int i = 0; i < count; ++i) {
        QWidget* focused = QApplication::focusWidget();
        if (focused == nullptr)
            break;
        seen << focused;
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    return seen;
}

// Types text key by key into whichever widget has the focus at each key, as
// a person's typing goes where the focus moves.
inline void TypeIntoFocus(const QString& text)
{
    for (const QChar key : text)
        QTest::keyClicks(QApplication::focusWidget(), QString(key));
}
