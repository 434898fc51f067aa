#include "Prompts.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

namespace {

PromptScript* activeScript = nullptr;

QMessageBox::Icon BoxIcon(PromptIcon icon)
{
    switch (icon) {
    case PromptIcon::Error: return QMessageBox::Critical;
    case PromptIcon::Exclamation: return QMessageBox::Warning;
    case PromptIcon::Information: return QMessageBox::Information;
    case PromptIcon::Question: return QMessageBox::Question;
    case PromptIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

PromptAnswer ClosedAnswer(const Prompt& prompt)
{
    switch (prompt.buttons) {
    case PromptButtons::Ok: return PromptAnswer::Ok;
    case PromptButtons::RetryCancel: return PromptAnswer::Cancel;
    case PromptButtons::YesNo: return PromptAnswer::No;
    }
    return PromptAnswer::Cancel;
}

// The buttons of the box, its default and the one Escape presses.
void SetButtons(QMessageBox& box, const Prompt& prompt)
{
    switch (prompt.buttons) {
    case PromptButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
        return;
    case PromptButtons::RetryCancel:
        box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
        box.setDefaultButton(prompt.defaultAnswer == PromptAnswer::Cancel ? QMessageBox::Cancel
                                                                          : QMessageBox::Retry);
        box.setEscapeButton(QMessageBox::Cancel);
        return;
    case PromptButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(prompt.defaultAnswer == PromptAnswer::Yes ? QMessageBox::Yes
                                                                       : QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        return;
    }
}

} // namespace

QString DefaultPromptCaption()
{
    return QApplication::applicationName();
}

PromptAnswer ShowPrompt(QWidget* owner, const Prompt& prompt)
{
    if (activeScript != nullptr)
        return activeScript->Next(prompt);

    QMessageBox box(BoxIcon(prompt.icon), prompt.caption, prompt.text, QMessageBox::NoButton,
                    owner ? owner : QApplication::activeWindow());
    SetButtons(box, prompt);
    if (!prompt.details.isEmpty())
        box.setDetailedText(prompt.details);
    // A box shown during a busy action must show the normal cursor.
    const bool busy = QApplication::overrideCursor() != nullptr;
    if (busy)
        QApplication::setOverrideCursor(Qt::ArrowCursor);
    const int pressed = box.exec();
    if (busy)
        QApplication::restoreOverrideCursor();
    switch (pressed) {
    case QMessageBox::Retry: return PromptAnswer::Retry;
    case QMessageBox::Ok: return PromptAnswer::Ok;
    case QMessageBox::Cancel: return PromptAnswer::Cancel;
    case QMessageBox::Yes: return PromptAnswer::Yes;
    case QMessageBox::No: return PromptAnswer::No;
    default: return ClosedAnswer(prompt);
    }
}

PromptScript::PromptScript()
{
    Q_ASSERT(activeScript == nullptr);
    activeScript = this;
}

PromptScript::~PromptScript()
{
    activeScript = nullptr;
}

PromptScript& PromptScript::Answer(PromptAnswer answer)
{
    m_steps.append([answer](const Prompt&) { return answer; });
    return *this;
}

PromptScript& PromptScript::Then(Step step)
{
    m_steps.append(std::move(step));
    return *this;
}

PromptAnswer PromptScript::Next(const Prompt& prompt)
{
    m_shown.append(prompt);
    if (m_steps.isEmpty()) {
        ++m_unexpected;
        return ClosedAnswer(prompt);
    }
    const Step step = m_steps.takeFirst();
    return step(prompt);
}
