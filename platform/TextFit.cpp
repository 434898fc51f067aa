#include "TextFit.h"

#include "TabControl.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTableView>

#include <algorithm>

namespace {

// A text as drawn: a single & marks the mnemonic and is not shown.
QString Shown(QString text)
{
    static const QChar placeholder(0xFFFF);
    text.replace(QLatin1String("&&"), placeholder);
    text.remove(u'&');
    return text.replace(placeholder, u'&');
}

int WidestLine(const QFontMetrics& metrics, const QString& text)
{
    int widest = 0;
    for (const QString& line : Shown(text).split(u'\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

int ComboNeeds(const QComboBox* combo)
{
    int widest = 0;
    for (int i = 0; i < combo->count(); ++i)
        widest = std::max(widest, combo->fontMetrics().horizontalAdvance(combo->itemText(i)));
    if (widest == 0)
        return 0;
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    const QRect field = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                       QStyle::SC_ComboBoxEditField, combo);
    const int lineEditMargins = combo->isEditable() ? 4 : 0;
    return widest + combo->width() - field.width() + lineEditMargins;
}

} // namespace

int TextWidthNeeded(const QWidget* control)
{
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        if (label->text().isEmpty())
            return 0;
        return WidestLine(label->fontMetrics(), label->text()) + 2 * label->margin() +
               2 * label->frameWidth();
    }
    if (const auto* button = qobject_cast<const QPushButton*>(control)) {
        const QStyle* style = button->style();
        return WidestLine(button->fontMetrics(), button->text()) +
               2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button) +
               2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
    }
    if (const auto* box = qobject_cast<const QGroupBox*>(control)) {
        if (box->title().isEmpty())
            return 0;
        return WidestLine(box->fontMetrics(), box->title()) +
               4 * box->fontMetrics().averageCharWidth();
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(control))
        return ComboNeeds(combo);
    if (const auto* tab = qobject_cast<const TabControl*>(control))
        return tab->tabBar()->sizeHint().width();
    return 0;
}

void WidenColumnsToTitles(QTableView* table)
{
    QHeaderView* header = table->horizontalHeader();
    const int last = header->stretchLastSection() ? header->count() - 1 : header->count();
    int total = 0;
    for (int column = 0; column < last; ++column) {
        table->setColumnWidth(
            column, std::max(table->columnWidth(column), header->sectionSizeHint(column)));
        total += table->columnWidth(column);
    }
    // A stretched last column gets what the table has left: the table
    // keeps room for its title.
    if (last < header->count()) {
        const int frame = 2 * table->frameWidth() +
                          table->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, table);
        table->setMinimumWidth(
            std::max(table->minimumWidth(), total + header->sectionSizeHint(last) + frame));
    }
}

void GrowForWrappedText(QLabel* label)
{
    const int missing = label->heightForWidth(label->width()) - label->height();
    QWidget* window = label->window();
    if (missing > 0 && label->isVisible())
        window->resize(window->width(), window->height() + missing);
}
