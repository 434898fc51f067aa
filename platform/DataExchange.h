// One run of a dialog's data exchange, in either direction. Each binding is
// one step; after a failed step the later ones do nothing.
#pragma once

#include <QString>

#include <cstdint>

class Dialog;
class QWidget;

class DataExchange {
public:
    DataExchange(Dialog& dialog, bool saveAndValidate) : m_dialog(dialog), m_saving(saveAndValidate)
    {}

    bool saving() const { return m_saving; }
    bool failed() const { return m_failed; }
    int lastControlId() const { return m_lastId; }

    // Binds member to the control with id once; later exchanges keep it.
    template <class T> void Control(int id, T*& member);

    // A text field or static, and its member.
    void Text(int id, QString& value);
    // A field that must hold a whole decimal number (blanks and tabs around
    // it allowed); a failed conversion leaves value unchanged.
    void Int(int id, int32_t& value);
    // An IPv4 address field; a blank field counts as 0.
    void Address(int id, uint32_t& value);
    // A list's selected position, -1 when none.
    void ListPosition(int id, int32_t& value);
    // When reading, a list that shows typed text: the item of that text is
    // selected; other text fails, asking for an item of the list by name.
    void ListChoice(int id);

    // Checks on the value just read from the last field; only when reading.
    void MinMaxInt(int32_t value, int32_t low, int32_t high);
    void MinMaxUInt(uint32_t value, uint32_t low, uint32_t high);
    // Any other check: when reading, fails with message unless passes.
    void Check(bool passes, const QString& message);

    // Warns with message, puts the focus on the last field with its text
    // selected, and stops the exchange.
    void Fail(const QString& message);

private:
    QWidget* Prepare(int id);

    Dialog& m_dialog;
    const bool m_saving;
    bool m_failed = false;
    int m_lastId = -1;
};

// Puts the focus on a field that failed its check, with its text selected
// (a list's typed text too).
void FocusField(QWidget* field);

// Parses a whole decimal number the way integer fields do; false if it is none.
bool ParseWholeNumber(const QString& text, int32_t& value);

#include "Dialog.h"

template <class T> void DataExchange::Control(int id, T*& member)
{
    if (m_failed || member != nullptr)
        return;
    member = m_dialog.template ControlAs<T>(id);
    Q_ASSERT_X(member != nullptr, "DataExchange::Control", "no control of that kind with that id");
}
