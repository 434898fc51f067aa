#include "IpAddressCtrl.h"

#include "DialogTemplate.h"
#include "Prompts.h"
#include "StringIds.h"

#include <QApplication>
#include <QClipboard>
#include <QHBoxLayout>
#include <QHostAddress>
#include <QKeyEvent>
#include <QLabel>
#include <QRegularExpressionValidator>

#include <algorithm>

namespace {

constexpr int MAX_OCTET = 255;

int FieldValue(const QLineEdit* field)
{
    return field->text().isEmpty() ? 0 : field->text().toInt();
}

} // namespace

OctetEdit::OctetEdit(IpAddressCtrl* owner, int index)
    : QLineEdit(owner), m_owner(owner), m_index(index)
{
    static const QRegularExpression digits("[0-9]{0,3}");
    setValidator(new QRegularExpressionValidator(digits, this));
    setFrame(false);
    setAlignment(Qt::AlignCenter);
    // Only the first field is a tab stop: Tab leaves the control as a whole.
    setFocusPolicy(index == 0 ? Qt::StrongFocus : Qt::ClickFocus);
}

void OctetEdit::keyPressEvent(QKeyEvent* event)
{
    const bool atStart = cursorPosition() == 0 && !hasSelectedText();
    const bool atEnd = cursorPosition() == text().size() && !hasSelectedText();
    if (event->text() == ".") {
        // '.' moves on from a field the user has typed into; in a blank
        // field, or one just entered with its text selected (as after a
        // third digit), it does nothing, so "192.168.1.20" types naturally.
        const bool untouched = text().isEmpty() || selectedText() == text();
        if (m_index < 3 && !untouched)
            m_owner->focusField(m_index + 1, false);
        return;
    }
    if (event->key() == Qt::Key_Right && atEnd && m_index < 3) {
        m_owner->focusField(m_index + 1, false);
        return;
    }
    if ((event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Left) && atStart &&
        m_index > 0) {
        m_owner->focusField(m_index - 1, true);
        return;
    }
    if (event->matches(QKeySequence::Paste) &&
        m_owner->pasteAddress(QApplication::clipboard()->text().trimmed())) {
        return;
    }
    QLineEdit::keyPressEvent(event);
}

IpAddressCtrl::IpAddressCtrl(QWidget* parent) : QFrame(parent)
{
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setSpacing(0);
    for (int i = 0; i < 4; ++i) {
        if (i > 0)
            layout->addWidget(new QLabel(".", this));
        m_fields[i] = new OctetEdit(this, i);
        layout->addWidget(m_fields[i], 1);
        connect(m_fields[i], &QLineEdit::textEdited, this,
                [this, i](const QString& text) { fieldEdited(i, text); });
    }
    setFocusProxy(m_fields[0]);
}

uint32_t IpAddressCtrl::address() const
{
    uint32_t address = 0;
    for (const OctetEdit* field : m_fields)
        address = (address << 8) | static_cast<uint32_t>(std::min(FieldValue(field), MAX_OCTET));
    return address;
}

void IpAddressCtrl::setAddress(uint32_t address)
{
    for (int i = 0; i < 4; ++i)
        m_fields[i]->setText(QString::number((address >> (24 - 8 * i)) & 0xFF));
}

void IpAddressCtrl::clear()
{
    for (OctetEdit* field : m_fields)
        field->clear();
}

void IpAddressCtrl::focusField(int index, bool atEnd)
{
    OctetEdit* field = m_fields.at(index);
    field->setFocus(Qt::OtherFocusReason);
    if (atEnd)
        field->end(false);
    else
        field->selectAll();
}

bool IpAddressCtrl::pasteAddress(const QString& text)
{
    QHostAddress parsed;
    if (text.count('.') != 3 || !parsed.setAddress(text) ||
        parsed.protocol() != QAbstractSocket::IPv4Protocol) {
        return false;
    }
    const uint32_t address = parsed.toIPv4Address();
    setAddress(address);
    for (int i = 0; i < 4; ++i)
        emit fieldChanged(i, static_cast<int>((address >> (24 - 8 * i)) & 0xFF));
    return true;
}

void IpAddressCtrl::fieldEdited(int index, const QString& text)
{
    int value = text.isEmpty() ? 0 : text.toInt();
    if (value > MAX_OCTET) {
        // Brought back into range before anyone sees the value.
        m_fields[index]->setText(QString::number(MAX_OCTET));
        value = MAX_OCTET;
        emit fieldChanged(index, value);
        ShowPrompt(window(), {LoadResourceString(IDP_ADDRESS_OCTET_RANGE).arg(text),
                              DefaultPromptCaption(), PromptIcon::Exclamation});
        m_fields[index]->setFocus();
        m_fields[index]->selectAll();
        return;
    }
    emit fieldChanged(index, value);
    if (text.size() == 3 && index < 3 && m_fields[index]->cursorPosition() == 3)
        focusField(index + 1, false);
}
