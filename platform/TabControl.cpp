#include "TabControl.h"

TabControl::TabControl(QWidget* parent)
    : QWidget(parent), m_bar(new QTabBar(this)), m_frame(new QFrame(this))
{
    m_frame->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    m_frame->lower();
    m_bar->setDrawBase(false);
    m_bar->setExpanding(false);
    connect(m_bar, &QTabBar::currentChanged, this, &TabControl::currentChanged);
    Arrange();
}

int TabControl::insertTab(int index, const QString& text)
{
    const int inserted = m_bar->insertTab(index, text);
    Arrange();
    return inserted;
}

QRect TabControl::displayArea() const
{
    const int border = m_frame->frameWidth() + 1;
    return m_frame->geometry().adjusted(border, border, -border, -border);
}

void TabControl::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Arrange();
}

void TabControl::Arrange()
{
    const int barHeight = m_bar->sizeHint().height();
    m_bar->setGeometry(0, 0, width(), barHeight);
    m_frame->setGeometry(0, barHeight - 1, width(), height() - barHeight + 1);
}
