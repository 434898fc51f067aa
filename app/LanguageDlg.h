// Chooses the language the window is shown in: the system's, English, or one
// of the catalogues the program ships with, each by its own name. The choice
// is remembered in the profile and takes effect at the next start, when the
// window is laid out for its texts.
#pragma once

#include "Translations.h"

#include <QDialog>
#include <QLocale>

class QComboBox;

class LanguageDlg : public QDialog {
    Q_OBJECT
public:
    // languages: locale names of the catalogues ("de", "pt_BR"); current:
    // the profile's choice, empty for the system's language.
    LanguageDlg(QWidget* parent, const QStringList& languages, const QString& current);

    // The locale name chosen, empty for the system's language.
    QString chosen() const;

    QComboBox* m_list;
};

// The language the profile names for the window, empty for the system's.
QString ChosenWindowLanguage();
// The locale whose catalogue the window loads: the profile's choice when
// folders have its catalogue (or it is English), else the system's (on
// Windows its display languages).
QLocale WindowLocale(const QStringList& folders = TranslationFolders());
// Runs the dialog over owner, offering the catalogues in folders, and
// remembers what the user chose.
void ChooseWindowLanguage(QWidget* owner, const QStringList& folders = TranslationFolders());
