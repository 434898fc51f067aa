// A tab control: a strip of tabs over a framed display area. It holds no
// pages itself; its owner lays pages over displayArea() and shows the one
// whose tab is selected.
#pragma once

#include <QFrame>
#include <QTabBar>

class TabControl : public QWidget {
    Q_OBJECT
public:
    explicit TabControl(QWidget* parent = nullptr);

    int insertTab(int index, const QString& text);
    int count() const { return m_bar->count(); }
    int currentIndex() const { return m_bar->currentIndex(); }
    void setCurrentIndex(int index) { m_bar->setCurrentIndex(index); }
    QString tabText(int index) const { return m_bar->tabText(index); }
    QTabBar* tabBar() const { return m_bar; }

    // The area inside the frame below the tabs, in this widget's coordinates.
    QRect displayArea() const;

signals:
    void currentChanged(int index);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Arrange();

    QTabBar* m_bar;
    QFrame* m_frame;
};
