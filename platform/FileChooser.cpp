#include "FileChooser.h"

#include <QFileDialog>
#include <QFileInfo>

namespace {

FileChoiceScript* activeScript = nullptr;

} // namespace

QString ChooseFile(QWidget* owner, FileChoice kind, const QString& caption, const QString& filter,
                   const QString& defaultSuffix)
{
    if (activeScript != nullptr) {
        const QString path = activeScript->Next(caption);
        const bool addSuffix = !path.isEmpty() && QFileInfo(path).suffix().isEmpty();
        return addSuffix && !defaultSuffix.isEmpty() ? path + '.' + defaultSuffix : path;
    }
    QFileDialog dialog(owner, caption, {}, filter);
    dialog.setAcceptMode(kind == FileChoice::Open ? QFileDialog::AcceptOpen
                                                  : QFileDialog::AcceptSave);
    dialog.setFileMode(kind == FileChoice::Open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
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
