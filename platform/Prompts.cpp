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
    case PromptIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

PromptAnswer ClosedAnswer(const Prompt& prompt)
{
    return prompt.buttons == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::Cancel;
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
    if (prompt.buttons == PromptButtons::RetryCancel) {
        box.setStandardButtons(QMessageBox::Retry | QMessageBox::Cancel);
        box.setDefaultButton(prompt.defaultAnswer == PromptAnswer::Cancel ? QMessageBox::Cancel
                                                                          : QMessageBox::Retry);
        box.setEscapeButton(QMessageBox::Cancel);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.setDefaultButton(QMessageBox::Ok);
    }
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
