#include "ControlValue.h"

#include "IpAddressCtrl.h"

#include <QComboBox>
#include <QLineEdit>

QString ControlValue(const QWidget* control)
{
    if (const auto* address = qobject_cast<const IpAddressCtrl*>(control))
        return QString::number(address->address());
    if (const auto* list = qobject_cast<const QComboBox*>(control))
        return QString("%1 %2").arg(list->currentIndex()).arg(list->currentText());
    if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text();
    return {};
}

void SetControlValue(QWidget* control, const QString& value)
{
    if (auto* address = qobject_cast<IpAddressCtrl*>(control)) {
        address->setAddress(value.toUInt());
    } else if (auto* list = qobject_cast<QComboBox*>(control)) {
        const qsizetype blank = value.indexOf(' ');
        list->setCurrentIndex(value.left(blank).toInt());
        if (list->isEditable())
            list->setEditText(value.mid(blank + 1));
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(value);
    }
}
