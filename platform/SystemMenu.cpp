#include "SystemMenu.h"

#include <QWidget>

#ifdef Q_OS_WIN
#include <windows.h>

bool AppendSystemMenuItem(QWidget* window, unsigned id, const QString& text, bool separated)
{
    HMENU systemMenu = GetSystemMenu(reinterpret_cast<HWND>(window->winId()), FALSE);
    if (systemMenu == nullptr)
        return false;
    return (!separated || AppendMenuW(systemMenu, MF_SEPARATOR, 0, nullptr)) &&
           AppendMenuW(systemMenu, MF_STRING, id, reinterpret_cast<LPCWSTR>(text.utf16()));
}

std::optional<unsigned> SystemCommandOf(const QByteArray& eventType, const void* message)
{
    const MSG* msg = static_cast<const MSG*>(message);
    if (eventType != "windows_generic_MSG" || msg->message != WM_SYSCOMMAND)
        return std::nullopt;
    return static_cast<unsigned>(msg->wParam);
}

#else

bool AppendSystemMenuItem(QWidget*, unsigned, const QString&, bool)
{
    return false;
}

std::optional<unsigned> SystemCommandOf(const QByteArray&, const void*)
{
    return std::nullopt;
}

#endif
