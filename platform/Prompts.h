// Every message box the program shows goes through here, so that tests can
// answer them with a script and see what was shown.
#pragma once

#include <QList>
#include <QString>

#include <functional>

class QWidget;

enum class PromptIcon { None, Error, Exclamation, Information, Question };
enum class PromptButtons { Ok, RetryCancel, YesNo };
enum class PromptAnswer { Ok, Retry, Cancel, Yes, No };

struct Prompt {
    QString text;
    QString caption;
    PromptIcon icon = PromptIcon::None;
    PromptButtons buttons = PromptButtons::Ok;
    PromptAnswer defaultAnswer = PromptAnswer::Ok;
    // Shown on request under the text, where it can be read and copied (a
    // transcript, say); none when empty.
    QString details = {};
};

// Shows a modal box owned by owner (or by the active window) and returns the
// button pressed; closing the box counts as Cancel (No for a Yes/No box), or
// as Ok when it has only Ok.
PromptAnswer ShowPrompt(QWidget* owner, const Prompt& prompt);

// The caption of boxes that have none of their own: the application's name.
QString DefaultPromptCaption();

// While a PromptScript exists, ShowPrompt shows nothing: it records each
// prompt and answers with the next scripted step. A step may act before it
// answers (e.g. start a server, then press Retry). Prompts beyond the script
// are answered Cancel (Ok for OK-only boxes) and counted as unexpected.
class PromptScript {
public:
    using Step = std::function<PromptAnswer(const Prompt&)>;
    PromptScript();
    ~PromptScript();
    PromptScript(const PromptScript&) = delete;
    PromptScript& operator=(const PromptScript&) = delete;

    PromptScript& Answer(PromptAnswer answer);
    PromptScript& Then(Step step);

    const QList<Prompt>& shown() const { return m_shown; }
    int unexpected() const { return m_unexpected; }
    PromptAnswer Next(const Prompt& prompt);

private:
    QList<Step> m_steps;
    QList<Prompt> m_shown;
    int m_unexpected = 0;
};
