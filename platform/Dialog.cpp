#include "Dialog.h"

#include "ControlValue.h"
#include "DataExchange.h"
#include "DialogTemplate.h"
#include "IpAddressCtrl.h"
#include "ListControl.h"
#include "StringIds.h"
#include "TabControl.h"
#include "TextFit.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <climits>

namespace {

QWidget* mainWindow = nullptr;

// Names a control for screen readers; an address field names its four parts
// too, and a list the edit field that takes its focus, so that a screen
// reader announces the setting and not the text shown.
void SetAccessibleName(QWidget* control, const QString& name)
{
    control->setAccessibleName(name);
    if (auto* address = qobject_cast<IpAddressCtrl*>(control)) {
        for (int i = 0; i < 4; ++i)
            address->field(i)->setAccessibleName(
                LoadResourceString(IDP_ADDRESS_PART_NAME).arg(name).arg(i + 1));
    } else if (auto* list = qobject_cast<QComboBox*>(control); list && list->lineEdit()) {
        list->lineEdit()->setAccessibleName(name);
    }
}

// Whether a control shows a text from a catalogue rather than the
// template's own: only those may need more room than the template gives.
bool IsTranslated(const ControlTemplate& control)
{
    const auto translated = [](const QString& text) { return TemplateText(text) != text; };
    return translated(control.text) ||
           std::any_of(control.items.begin(), control.items.end(), translated);
}

// A control that Tab stops at: itself, or the part it hands its focus to.
bool TakesFocus(const QWidget* widget)
{
    const QWidget* target = widget->focusProxy() ? widget->focusProxy() : widget;
    return target->focusPolicy() & Qt::TabFocus;
}

} // namespace

QString NameFromLabel(QString text)
{
    text.remove('&');
    text = text.trimmed();
    if (text.endsWith(':'))
        text.chop(1);
    return text;
}

Dialog::Dialog(int templateId)
    : QDialog(nullptr), m_templateId(templateId), m_template(FindDialogTemplate(templateId))
{}

QRect Dialog::MapDialogRect(const QRect& units) const
{
    // As the platform does it: x by a quarter of the average character
    // width, y by an eighth of the character height.
    const QRect plain(units.x() * m_baseX / 4, units.y() * m_baseY / 8, units.width() * m_baseX / 4,
                      units.height() * m_baseY / 8);
    if (m_room.isEmpty())
        return plain;
    const int left = plain.x() + RoomBefore(plain.x());
    const int right = plain.x() + plain.width() + RoomBefore(plain.x() + plain.width());
    return QRect(left, plain.y(), right - left, plain.height());
}

int Dialog::RoomBefore(int x) const
{
    int room = 0;
    for (auto it = m_room.cbegin(); it != m_room.cend() && it.key() <= x; ++it)
        room += it.value();
    return room;
}

int Dialog::grownBy() const
{
    return RoomBefore(INT_MAX);
}

void Dialog::WidenControl(QWidget* control, int width)
{
    const auto placed = std::find_if(m_placed.cbegin(), m_placed.cend(),
                                     [control](const Placed& p) { return p.widget == control; });
    if (placed == m_placed.cend() || control->width() >= width)
        return;
    const QRect plain(placed->units.x() * m_baseX / 4, 0, placed->units.width() * m_baseX / 4, 0);
    m_room[plain.x() + plain.width()] += width - control->width();
    Place();
}

void Dialog::Place()
{
    const QSize area = MapDialogRect(QRect(QPoint(0, 0), m_template.size)).size();
    if (minimumSize() == maximumSize())
        setFixedSize(area);
    else
        resize(area);
    for (const Placed& placed : m_placed) {
        QRect rect = MapDialogRect(placed.units);
        if (qobject_cast<QComboBox*>(
                placed.widget)) // the template height includes the dropped list
            rect.setHeight(placed.widget->sizeHint().height());
        placed.widget->setGeometry(rect);
    }
}

void Dialog::MakeRoomForTexts()
{
    // The cut control farthest left first: the room it gets moves the
    // controls right of it, and may be all some of them needed.
    for (qsizetype round = 0; round < m_placed.size(); ++round) {
        const Placed* cut = nullptr;
        for (const Placed& placed : m_placed) {
            if (placed.translated && TextWidthNeeded(placed.widget) > placed.widget->width() &&
                (cut == nullptr ||
                 placed.widget->geometry().right() < cut->widget->geometry().right()))
                cut = &placed;
        }
        if (cut == nullptr)
            return;
        WidenControl(cut->widget, TextWidthNeeded(cut->widget));
    }
}

void Dialog::Build()
{
    if (m_built)
        return;
    m_built = true;
    QFont dialogFont(m_template.fontFace, m_template.fontPoints);
    dialogFont.setStyleHint(QFont::SansSerif);
    setFont(dialogFont);
    const QFontMetrics metrics(dialogFont);
    const QString alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    m_baseX = (metrics.horizontalAdvance(alphabet) / 26 + 1) / 2;
    m_baseY = metrics.height();

    if (!m_template.caption.isEmpty())
        setWindowTitle(TemplateText(m_template.caption));

    QList<QWidget*> tabOrder;
    QHash<int, QLabel*> labels;
    for (const ControlTemplate& control : m_template.controls) {
        QWidget* widget = MakeControl(control);
        m_placed << Placed{widget, control.rect, IsTranslated(control)};
        if (control.id >= 0)
            m_controls.insert(control.id, widget);
        if (!control.name.isEmpty())
            SetAccessibleName(widget, TemplateText(control.name));
        if (control.labelFor >= 0)
            labels.insert(control.labelFor, qobject_cast<QLabel*>(widget));
        if (TakesFocus(widget))
            tabOrder << widget;
    }
    for (auto it = labels.cbegin(); it != labels.cend(); ++it) {
        QWidget* target = m_controls.value(it.key());
        Q_ASSERT_X(target && it.value(), "Dialog::Build", "a label names a missing control");
        it.value()->setBuddy(target);
        // A static keeps its text as its name, so that a screen reader reads
        // the value; the label reaches it through the buddy relation.
        if (target->accessibleName().isEmpty() && !qobject_cast<QLabel*>(target))
            SetAccessibleName(target, PlainWords(it.value()->text()));
    }
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder.at(i - 1), tabOrder.at(i));
    Place();
    MakeRoomForTexts();
}

QWidget* Dialog::MakeControl(const ControlTemplate& control)
{
    const QString& kind = control.kind;
    if (kind == "label" || kind == "static") {
        auto* label = new QLabel(TemplateText(control.text), this);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setTextFormat(Qt::PlainText);
        if (kind == "static")
            label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return label;
    }
    if (kind == "edit")
        return new QLineEdit(this);
    if (kind == "combo") {
        auto* combo = new QComboBox(this);
        MakeEditableList(combo);
        for (const QString& item : control.items)
            combo->addItem(TemplateText(item));
        combo->setCurrentIndex(-1);
        return combo;
    }
    if (kind == "ipaddress")
        return new IpAddressCtrl(this);
    if (kind == "groupbox") {
        auto* box = new QGroupBox(TemplateText(control.text), this);
        box->setFocusPolicy(Qt::NoFocus);
        return box;
    }
    if (kind == "button") {
        auto* button = new QPushButton(TemplateText(control.text), this);
        const bool isDefault = control.style.contains("default");
        button->setAutoDefault(isDefault);
        button->setDefault(isDefault);
        connect(button, &QPushButton::clicked, this, [this, id = control.id] { OnCommand(id); });
        return button;
    }
    if (kind == "tab") {
        auto* tab = new TabControl(this);
        tab->tabBar()->setFocusPolicy(control.style.contains("tabstop") ? Qt::TabFocus
                                                                        : Qt::NoFocus);
        return tab;
    }
    if (kind == "icon") {
        auto* icon = new QLabel(this);
        icon->setPixmap(windowIcon().pixmap(MapDialogRect(control.rect).size()));
        return icon;
    }
    qFatal("dialog template %d: unknown control kind %s", m_templateId, qPrintable(kind));
}

bool Dialog::Create(QWidget* parent)
{
    setParent(parent, Qt::Widget);
    Build();
    const bool ready = OnInitDialog();
    show();
    return ready;
}

void SetMainWindow(QWidget* window)
{
    mainWindow = window;
}

QWidget* MainWindow()
{
    return mainWindow;
}

int Dialog::DoModal()
{
    // A dialog opened without an owner belongs to the main window.
    if (parentWidget() == nullptr && mainWindow != nullptr && mainWindow != this)
        setParent(mainWindow, windowFlags());
    Build();
    setFixedSize(size()); // a dialog frame: sized by its template, not by the user
    OnInitDialog();
    return exec();
}

bool Dialog::UpdateData(bool saveAndValidate)
{
    return Exchange(saveAndValidate, [this](DataExchange& dx) { DoDataExchange(dx); });
}

bool Dialog::Exchange(bool saveAndValidate, const std::function<void(DataExchange&)>& steps)
{
    DataExchange dx(*this, saveAndValidate);
    steps(dx);
    m_failedControl = dx.failed() ? Control(dx.lastControlId()) : nullptr;
    return !dx.failed();
}

QStringList Dialog::ControlValues() const
{
    QList<int> ids = m_controls.keys();
    std::sort(ids.begin(), ids.end());
    QStringList values;
    for (const int id : ids) {
        const QWidget* control = m_controls.value(id);
        if (qobject_cast<const IpAddressCtrl*>(control) ||
            qobject_cast<const QComboBox*>(control) || qobject_cast<const QLineEdit*>(control))
            values << ControlValue(control);
    }
    return values;
}

void Dialog::keyPressEvent(QKeyEvent* event)
{
    if (isWindow())
        QDialog::keyPressEvent(event);
    else
        event->ignore();
}

void Dialog::DoDataExchange(DataExchange&) {}

bool Dialog::OnInitDialog()
{
    UpdateData(false);
    return true;
}

void Dialog::OnCommand(int id)
{
    if (id == IDOK && UpdateData(true))
        accept();
    else if (id == IDCANCEL)
        reject();
}
