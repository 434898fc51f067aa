// Asking the user for a file to open or to save, through the platform's file
// dialog, or, while a FileChoiceScript exists, through its scripted answers.
#pragma once

#include <QList>
#include <QString>

class QWidget;

enum class FileChoice { Open, Save };

// The path chosen; empty when the user cancelled. A name chosen without a
// suffix gets defaultSuffix from the dialog itself, before it asks whether
// to replace a file, so that the question is about the file written.
QString ChooseFile(QWidget* owner, FileChoice kind, const QString& caption, const QString& filter,
                   const QString& defaultSuffix = {});

// Answers ChooseFile with the next path (an empty one cancels; one without
// a suffix gets the default suffix, as from the dialog) and records the
// captions it was asked with.
class FileChoiceScript {
public:
    FileChoiceScript();
    ~FileChoiceScript();
    FileChoiceScript(const FileChoiceScript&) = delete;
    FileChoiceScript& operator=(const FileChoiceScript&) = delete;

    FileChoiceScript& Answer(const QString& path);
    QString Next(const QString& caption);
    const QList<QString>& asked() const { return m_asked; }

private:
    QList<QString> m_answers;
    QList<QString> m_asked;
};
