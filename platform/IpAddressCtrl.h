// An IPv4 address field: four fields of 0 to 255 in one frame. '.' or a
// third digit moves to the next field, Backspace at a field's start moves
// back, a blank field reads as 0, and pasting a dotted address fills all
// four. Every change the user makes to a field is signalled with the
// field's index and new value.
#pragma once

#include <QFrame>
#include <QLineEdit>

#include <array>
#include <cstdint>

class IpAddressCtrl;

// One of the four fields.
class OctetEdit : public QLineEdit {
    Q_OBJECT
public:
    OctetEdit(IpAddressCtrl* owner, int index);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    IpAddressCtrl* m_owner;
    int m_index;
};

class IpAddressCtrl : public QFrame {
    Q_OBJECT
public:
    explicit IpAddressCtrl(QWidget* parent = nullptr);

    // Host order: field 0 in the most significant byte.
    uint32_t address() const;
    void setAddress(uint32_t address);
    void clear();

    QLineEdit* field(int index) const { return m_fields.at(index); }
    // Puts the caret into field index, at its start or its end.
    void focusField(int index, bool atEnd);
    // Fills all four fields from dotted text; false when it is no address.
    bool pasteAddress(const QString& text);

signals:
    void fieldChanged(int field, int value);

private:
    void fieldEdited(int index, const QString& text);

    std::array<OctetEdit*, 4> m_fields{};
};
