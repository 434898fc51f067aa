#include "RecordNoteDlg.h"

#include "DialogTemplate.h"
#include "StringIds.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

// Room for a short paragraph, in average characters and lines.
constexpr int NOTE_WIDTH_CHARS = 60;
constexpr int NOTE_LINES = 5;

} // namespace

RecordNoteDlg::RecordNoteDlg(QWidget* parent) : QDialog(parent), m_note(new QPlainTextEdit(this))
{
    setWindowTitle(LoadResourceString(IDS_RECORD_CAPTION));
    auto* label = new QLabel(LoadResourceString(IDS_RECORD_NOTE_LABEL), this);
    label->setWordWrap(true);
    label->setBuddy(m_note);
    m_note->setAccessibleName(LoadResourceString(IDS_RECORD_NOTE_NAME));
    // Tab leaves the note for the buttons; Enter starts a new line.
    m_note->setTabChangesFocus(true);
    m_note->setMinimumSize(m_note->fontMetrics().averageCharWidth() * NOTE_WIDTH_CHARS,
                           m_note->fontMetrics().lineSpacing() * NOTE_LINES);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_note);
    layout->addWidget(buttons);
    m_note->setFocus(Qt::OtherFocusReason);
}

QString RecordNoteDlg::note() const
{
    return m_note->toPlainText().trimmed();
}
