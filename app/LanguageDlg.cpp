#include "LanguageDlg.h"

#include "DialogTemplate.h"
#include "Profile.h"
#include "ProfileKeys.h"
#include "Prompts.h"
#include "StringIds.h"
#include "Translations.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

const QString ENGLISH = QStringLiteral("en");

// A language by its own name, its country added where the catalogue is a
// country's ("Português (Brasil)").
QString OwnName(const QString& name)
{
    const QLocale locale(name);
    QString text = locale.nativeLanguageName();
    if (name.contains(u'_'))
        text = QStringLiteral("%1 (%2)").arg(text, locale.nativeTerritoryName());
    if (!text.isEmpty())
        text[0] = text.at(0).toUpper();
    return text;
}

} // namespace

LanguageDlg::LanguageDlg(QWidget* parent, const QStringList& languages, const QString& current)
    : QDialog(parent), m_list(new QComboBox(this))
{
    setWindowTitle(LoadResourceString(IDS_LANGUAGE_CAPTION));
    m_list->addItem(LoadResourceString(IDS_LANGUAGE_SYSTEM));
    QStringList names = languages;
    if (!names.contains(ENGLISH))
        names.prepend(ENGLISH);
    for (const QString& name : names)
        m_list->addItem(OwnName(name), name);
    m_list->setCurrentIndex(std::max(0, m_list->findData(current)));

    auto* label = new QLabel(LoadResourceString(IDS_LANGUAGE_LABEL), this);
    label->setBuddy(m_list);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_list);
    layout->addWidget(buttons);
}

QString LanguageDlg::chosen() const
{
    return m_list->currentData().toString();
}

QString ChosenWindowLanguage()
{
    return GetProfileString(LANGUAGE_PROFILE_SECTION, LANGUAGE_PROFILE_ENTRY, QString());
}

QLocale WindowLocale(const QStringList& folders)
{
    // A choice the program has no catalogue for (any more) is no choice.
    const QString chosen = ChosenWindowLanguage();
    if (chosen == ENGLISH ||
        CatalogueLanguages(QStringLiteral("TolvoSConfig"), folders).contains(chosen))
        return QLocale(chosen);
    return QLocale::system();
}

void ChooseWindowLanguage(QWidget* owner, const QStringList& folders)
{
    LanguageDlg dialog(owner, CatalogueLanguages(QStringLiteral("TolvoSConfig"), folders),
                       ChosenWindowLanguage());
    if (dialog.exec() != QDialog::Accepted || dialog.chosen() == ChosenWindowLanguage())
        return;
    if (!WriteProfileString(LANGUAGE_PROFILE_SECTION, LANGUAGE_PROFILE_ENTRY, dialog.chosen())) {
        ShowPrompt(owner, {LoadResourceString(IDS_LANGUAGE_NOT_REMEMBERED).arg(ProfileLocation()),
                           LoadResourceString(IDS_LANGUAGE_CAPTION), PromptIcon::Exclamation});
        return;
    }
    ShowPrompt(owner, {LoadResourceString(IDS_LANGUAGE_NEXT_START),
                       LoadResourceString(IDS_LANGUAGE_CAPTION), PromptIcon::Information});
}
