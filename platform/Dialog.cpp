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

namespace {

QWidget* mainWindow = nullptr;

// The accessible name a label gives its control: its text without the
// mnemonic marker and the trailing colon.
QString NameFromLabel(QString text)
{
    text.remove('&');
    text = text.trimmed();
    if (text.endsWith(':'))
        text.chop(1);
    return text;
}

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

Dialog::Dialog(int templateId)
    : QDialog(nullptr), m_templateId(templateId), m_template(FindDialogTemplate(templateId))
{}

QRect Dialog::MapDialogRect(const QRect& units) const
{
    // As the platform does it: x by a quarter of the average character
    // width, y by an eighth of the character height.
    // width by the stretch, in 64ths.
    const int x = units.x() * m_baseX * m_stretch / (4 * 64);
    const int right = (units.x() + units.width()) * m_baseX * m_stretch / (4 * 64);
    const int width = m_stretch == 64 ? units.width() * m_baseX / 4 : right - x;
    return QRect(x, units.y() * m_baseY / 8, width, units.height() * m_baseY / 8);
}

int Dialog::StretchFor(int needed, int width)
{
    if (width <= 0 || needed <= width)
        return 64;
    return (needed * 64 + width - 1) / width;
}

void Dialog::StretchAtLeast(int stretch)
{
    // Beyond three times the template's width a window is no use; a text
    // that needs more is cut, which the layout test reports.
    stretch = std::min(stretch, 3 * 64);
    if (stretch <= m_stretch)
        return;
    m_stretch = stretch;
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

int Dialog::TranslatedTextStretch() const
{
    int stretch = 64;
    for (const Placed& placed : m_placed) {
        if (placed.translated)
            stretch = std::max(stretch,
                               StretchFor(TextWidthNeeded(placed.widget), placed.widget->width()));
    }
    return stretch;
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
            SetAccessibleName(target, NameFromLabel(it.value()->text()));
    }
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder.at(i - 1), tabOrder.at(i));
    Place();
    StretchAtLeast(TranslatedTextStretch());
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
