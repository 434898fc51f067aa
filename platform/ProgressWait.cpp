#include "ProgressWait.h"
#include "DialogTemplate.h"
#include "StringIds.h"

#include <QApplication>
#include <QCloseEvent>

#include <limits>

namespace {

bool IsUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::Close: return true;
    default: return false;
    }
}

} // namespace

ProgressWait::ProgressWait(QWidget* owner, const QString& label) : m_label(label), m_dialog(owner)
{
    m_dialog.setWindowTitle(QApplication::applicationName());
    m_dialog.setWindowModality(Qt::ApplicationModal);
    m_dialog.setLabelText(label);
    m_dialog.setAutoReset(false);
    m_dialog.setAutoClose(false);
    // The dialog is shown by the timer below, not by its own estimate, nor
    // by the timer it starts as it is made (it would show after four
    // seconds even while the action asks something between two waits):
    // reset() stops that one.
    m_dialog.setMinimumDuration(std::numeric_limits<int>::max());
    m_dialog.reset();
    m_dialog.hide();
    m_showTimer.setSingleShot(true);
    connect(&m_showTimer, &QTimer::timeout, this, &ProgressWait::ShowDialog);
    connect(&m_dialog, &QProgressDialog::canceled, this, &ProgressWait::canceled);
    // Escape cancels through the dialog's shortcut only once its window is
    // active; one that comes before (a busy machine) reaches the dialog as a
    // key and rejects it, which would hide it while the action went on.
    connect(&m_dialog, &QDialog::rejected, this, &ProgressWait::canceled);
}

ProgressWait::~ProgressWait()
{
    Finish();
}

void ProgressWait::Run()
{
    if (m_running)
        return;
    m_running = true;
    qApp->installEventFilter(this);
    m_showTimer.start(SHOW_DELAY_MS);
    m_loop.exec();
    qApp->removeEventFilter(this);
    m_showTimer.stop();
    m_dialog.hide();
}

void ProgressWait::Finish()
{
    if (!m_running)
        return;
    m_running = false;
    m_loop.quit();
}

void ProgressWait::SetProgress(int done, int total)
{
    m_dialog.setMaximum(total);
    m_dialog.setValue(done);
    m_dialog.setLabelText(LoadResourceString(IDP_PROGRESS_COUNT).arg(m_label).arg(done).arg(total));
}

void ProgressWait::SetLabel(const QString& label)
{
    m_label = label;
    m_dialog.setMaximum(0); // busy: no count is known
    m_dialog.setLabelText(label);
}

void ProgressWait::ShowDialog()
{
    // The timer may be due in the same turn of the loop as the Finish that
    // ended the wait: a dialog shown then would take a Cancel for nothing.
    if (!m_running)
        return;
    m_shownOnce = true;
    m_dialog.show();
}

bool ProgressWait::InsideDialog(QObject* receiver) const
{
    auto* widget = qobject_cast<QWidget*>(receiver);
    if (widget == nullptr && receiver != nullptr) // e.g. a shortcut of a widget
        widget = qobject_cast<QWidget*>(receiver->parent());
    return widget != nullptr && (widget == &m_dialog || m_dialog.isAncestorOf(widget));
}

bool ProgressWait::eventFilter(QObject* receiver, QEvent* event)
{
    // Input reaches widgets through their windows; it is held back at the
    // widgets, so that the dialog's own window passes it on to the dialog.
    if (!IsUserInput(event->type()) || receiver->isWindowType() || InsideDialog(receiver))
        return false;
    if (event->type() == QEvent::Close)
        event->ignore(); // a window closed now would end the program inside the action
    return true;
}
