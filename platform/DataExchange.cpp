#include "DataExchange.h"

#include "DialogTemplate.h"
#include "IpAddressCtrl.h"
#include "ListControl.h"
#include "Prompts.h"
#include "StringIds.h"
#include "Translations.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

namespace {

QString ControlText(const QWidget* control)
{
    if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text();
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    return {};
}

// Writes text into a field or static unless it already shows exactly that,
// so that the caret and selection of an unchanged field stay put.
void SetControlText(QWidget* control, const QString& text)
{
    if (ControlText(control) == text)
        return;
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        edit->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(text);
}

// A control's name inside a sentence: a first word that is an ordinary
// capitalised word ("Network type") goes lower case; "RS232 ..." stays.
QString InSentence(QString name)
{
    // English lowers a label's capital inside a sentence; other languages
    // keep the name as the label shows it (German nouns keep theirs).
    if (InstalledLanguage().isEmpty() && name.size() > 1 && name.at(0).isUpper() &&
        name.at(1).isLower())
        name[0] = name.at(0).toLower();
    return name;
}

QString RangeMessage(qint64 low, qint64 high)
{
    return LoadResourceString(IDP_PARSE_INT_RANGE).arg(low).arg(high);
}

} // namespace

bool ParseWholeNumber(const QString& text, int32_t& value)
{
    static const QRegularExpression number(
        QRegularExpression::anchoredPattern(QStringLiteral("[ \\t]*([+-]?[0-9]+)[ \\t]*")));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return false;
    bool ok = false;
    const qlonglong parsed = match.captured(1).toLongLong(&ok);
    if (!ok || parsed < INT32_MIN || parsed > INT32_MAX)
        return false;
    value = static_cast<int32_t>(parsed);
    return true;
}

QWidget* DataExchange::Prepare(int id)
{
    if (m_failed)
        return nullptr;
    m_lastId = id;
    QWidget* control = m_dialog.Control(id);
    Q_ASSERT_X(control != nullptr, "DataExchange", "no control with that id");
    return control;
}

void DataExchange::Text(int id, QString& value)
{
    QWidget* control = Prepare(id);
    if (control == nullptr)
        return;
    if (m_saving)
        value = ControlText(control);
    else
        SetControlText(control, value);
}

void DataExchange::Int(int id, int32_t& value)
{
    QWidget* control = Prepare(id);
    if (control == nullptr)
        return;
    if (!m_saving) {
        SetControlText(control, QString::number(value));
        return;
    }
    if (!ParseWholeNumber(ControlText(control), value))
        Fail(LoadResourceString(IDP_PARSE_INT));
}

void DataExchange::Address(int id, uint32_t& value)
{
    auto* control = qobject_cast<IpAddressCtrl*>(Prepare(id));
    if (control == nullptr)
        return;
    if (m_saving)
        value = control->address();
    else
        control->setAddress(value);
}

void DataExchange::ListPosition(int id, int32_t& value)
{
    auto* control = qobject_cast<QComboBox*>(Prepare(id));
    if (control == nullptr)
        return;
    if (m_saving)
        value = ListSelection(control);
    else
        SelectListPosition(control, value);
}

void DataExchange::ListChoice(int id)
{
    auto* control = qobject_cast<QComboBox*>(Prepare(id));
    if (control == nullptr || !m_saving || !HasTypedText(control) || SelectTypedItem(control))
        return;
    Fail(LoadResourceString(IDP_CHOOSE_FROM_LIST)
             .arg(InSentence(control->accessibleName()), ListItems(control).join(", ")));
}

void DataExchange::MinMaxInt(int32_t value, int32_t low, int32_t high)
{
    Check(value >= low && value <= high, RangeMessage(low, high));
}

void DataExchange::MinMaxUInt(uint32_t value, uint32_t low, uint32_t high)
{
    Check(value >= low && value <= high, RangeMessage(low, high));
}

void DataExchange::Check(bool passes, const QString& message)
{
    if (m_saving && !m_failed && !passes)
        Fail(message);
}

void DataExchange::Fail(const QString& message)
{
    m_failed = true;
    ShowPrompt(&m_dialog, {message, DefaultPromptCaption(), PromptIcon::Exclamation});
    if (QWidget* control = m_dialog.Control(m_lastId))
        FocusField(control);
}

void FocusField(QWidget* field)
{
    field->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(field))
        edit->selectAll();
    else if (auto* list = qobject_cast<QComboBox*>(field); list && list->lineEdit())
        list->lineEdit()->selectAll();
}
