#include "WaitCursor.h"

#include <QApplication>

namespace {
int waiters = 0;
}

WaitCursor::WaitCursor()
{
    ++waiters;
    QApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor()
{
    --waiters;
    QApplication::restoreOverrideCursor();
}

void WaitCursor::Restore()
{
    if (waiters > 0)
        QApplication::changeOverrideCursor(Qt::WaitCursor);
}

int WaitCursor::depth()
{
    return waiters;
}
