#include "FieldMarks.h"

#include "ControlValue.h"
#include "DialogTemplate.h"
#include "IpAddressCtrl.h"
#include "StringIds.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

// Pale grounds under a changed field's bold text, and under a device
// value's italics.
const QColor CHANGED_GROUND(255, 244, 194);
const QColor DEVICE_VALUE_GROUND(222, 236, 255);

// The field and the parts of it that a screen reader stops on.
QList<QWidget*> AccessibleParts(QWidget* field)
{
    QList<QWidget*> parts{field};
    if (auto* address = qobject_cast<IpAddressCtrl*>(field)) {
        for (int i = 0; i < 4; ++i)
            parts << address->field(i);
    } else if (auto* list = qobject_cast<QComboBox*>(field); list && list->lineEdit()) {
        parts << list->lineEdit();
    }
    return parts;
}

} // namespace

void FieldMarks::Track(QWidget* field)
{
    m_tracked.insert(field, {ControlValue(field), field->palette(), false, false});
    const auto update = [this, field] { Update(field); };
    if (auto* address = qobject_cast<IpAddressCtrl*>(field)) {
        for (int i = 0; i < 4; ++i)
            connect(address->field(i), &QLineEdit::textChanged, this, update);
    } else if (auto* list = qobject_cast<QComboBox*>(field)) {
        connect(list, &QComboBox::currentIndexChanged, this, update);
        connect(list, &QComboBox::editTextChanged, this, update);
    } else if (auto* edit = qobject_cast<QLineEdit*>(field)) {
        connect(edit, &QLineEdit::textChanged, this, update);
    }
}

void FieldMarks::TakeBaseline()
{
    for (auto it = m_tracked.begin(); it != m_tracked.end(); ++it) {
        QWidget* field = const_cast<QWidget*>(it.key());
        it->baseline = ControlValue(field);
        Update(field);
    }
}

void FieldMarks::SetDeviceValue(QWidget* field, const QString& deviceValue)
{
    if (!m_tracked.contains(field)) // a label, say: noted, never changed
        Track(field);
    if (deviceValue.isEmpty())
        m_deviceValues.remove(field);
    else
        m_deviceValues.insert(field, deviceValue);
    Update(field);
}

void FieldMarks::ClearDeviceValues()
{
    const QList<const QWidget*> fields = m_deviceValues.keys();
    m_deviceValues.clear();
    for (const QWidget* field : fields)
        Update(const_cast<QWidget*>(field));
}

bool FieldMarks::IsChanged(const QWidget* field) const
{
    const auto it = m_tracked.find(field);
    return it != m_tracked.end() && ControlValue(field) != it->baseline;
}

void FieldMarks::Update(QWidget* field)
{
    const bool changed = IsChanged(field);
    const auto device = m_deviceValues.find(field);
    const bool noted = device != m_deviceValues.end();
    Tracked& tracked = m_tracked[field];
    // Restyling is not free (fonts, palettes, layouts): only when a mark comes or goes.
    if (changed == tracked.changedShown && noted == tracked.deviceValueShown && !noted)
        return;
    tracked.changedShown = changed;
    tracked.deviceValueShown = noted;

    QFont font = field->font();
    font.setBold(changed);
    font.setItalic(noted);
    field->setFont(font);
    QPalette palette = tracked.palette;
    if (changed || noted)
        palette.setColor(QPalette::Base, changed ? CHANGED_GROUND : DEVICE_VALUE_GROUND);
    field->setPalette(palette);

    QStringList marks;
    if (changed)
        marks << LoadResourceString(IDS_MARK_CHANGED);
    if (noted)
        marks << LoadResourceString(IDS_MARK_DEVICE_VALUE).arg(*device);
    const QString description = marks.join(' ');
    for (QWidget* part : AccessibleParts(field))
        part->setAccessibleDescription(description);
    field->setToolTip(noted ? marks.last() : QString());
}
