// The keys of a window's actions reach those actions wherever the focus is
// in that window. A text field would otherwise take some of them first: on
// X11, Ctrl+E moves a line edit's cursor to the end of the line.
#pragma once

#include <QObject>

class QWidget;

class ActionKeysFirst : public QObject {
    Q_OBJECT
public:
    // Watches the keys of window's actions (QWidget::actions()) while it lives.
    explicit ActionKeysFirst(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_window;
};
