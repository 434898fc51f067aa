// The window's system menu, where the platform has one (Windows): an item of
// the program's own, and the commands chosen from the menu.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class QWidget;

// Appends an item with text and command id to window's system menu, after a
// separator unless separated is false (an item beside the one before). False
// where there is no system menu to add to.
bool AppendSystemMenuItem(QWidget* window, unsigned id, const QString& text, bool separated = true);

// The command id of a system command (WM_SYSCOMMAND) carried by a native
// event as QWidget::nativeEvent receives it; nothing for any other event.
std::optional<unsigned> SystemCommandOf(const QByteArray& eventType, const void* message);
