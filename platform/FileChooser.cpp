#include "FileChooser.h"

#include <QFileDialog>

namespace {

FileChoiceScript* activeScript = nullptr;

} // namespace

QString ChooseFile(QWidget* owner, FileChoice kind, const QString& caption, const QString& filter)
{
    if (activeScript != nullptr)
        return activeScript->Next(caption);
    return kind == FileChoice::Open ? QFileDialog::getOpenFileName(owner, caption, {}, filter)
                                    : QFileDialog::getSaveFileName(owner, caption, {}, filter);
}

FileChoiceScript::FileChoiceScript()
{
    Q_ASSERT(activeScript == nullptr);
    activeScript = this;
}

FileChoiceScript::~FileChoiceScript()
{
    activeScript = nullptr;
}

FileChoiceScript& FileChoiceScript::Answer(const QString& path)
{
    m_answers.append(path);
    return *this;
}

QString FileChoiceScript::Next(const QString& caption)
{
    m_asked.append(caption);
    return m_answers.isEmpty() ? QString() : m_answers.takeFirst();
}
