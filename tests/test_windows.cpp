// What only Windows has: the profile in the registry and the About item in
// the window's real system menu. Runs on Windows' own platform plug-in.
#include <windows.h>

#include "CTolvoConfigApp.h"
#include "CTolvoConfigDlg.h"
#include "Profile.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <string>

namespace {

// This test program's own profile key, never the window program's.
std::wstring SectionKey()
{
    const QString app = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return (QStringLiteral("Software\\") + PROFILE_ROOT + '\\' + app + '\\' + PROFILE_SECTION)
        .toStdWString();
}

std::wstring AppKey()
{
    const std::wstring section = SectionKey();
    return section.substr(0, section.rfind(L'\\'));
}

} // namespace

class TestWindows : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        RegDeleteTreeW(HKEY_CURRENT_USER, AppKey().c_str());
        SetRegistryKey(PROFILE_ROOT);
    }

    void cleanup()
    {
        ResetProfileRoot();
        RegDeleteTreeW(HKEY_CURRENT_USER, AppKey().c_str());
    }

    // The address is a DWORD in the per-user registry, whichever way it is
    // written, and reads back as the same 32 bits.
    void profileIsADwordInTheRegistry_data()
    {
        QTest::addColumn<quint32>("address");
        QTest::newRow("10.0.0.1") << 0x0A000001u;
        QTest::newRow("127.0.0.1") << 0x7F000001u;
        QTest::newRow("192.168.1.1, top bit set") << 0xC0A80101u;
        QTest::newRow("255.255.255.255") << 0xFFFFFFFFu;
    }

    void profileIsADwordInTheRegistry()
    {
        QFETCH(quint32, address);
        WriteProfileInt(PROFILE_SECTION, PROFILE_ENTRY, static_cast<int32_t>(address));
        DWORD stored = 0;
        DWORD type = 0;
        DWORD size = sizeof stored;
        QCOMPARE(RegGetValueW(HKEY_CURRENT_USER, SectionKey().c_str(),
                              PROFILE_ENTRY.toStdWString().c_str(), RRF_RT_ANY, &type, &stored,
                              &size),
                 LONG(ERROR_SUCCESS));
        QCOMPARE(type, DWORD(REG_DWORD));
        QCOMPARE(quint32(stored), address);

        // A DWORD another program (or an older version) stored reads back.
        const DWORD other = ~address;
        QCOMPARE(RegSetKeyValueW(HKEY_CURRENT_USER, SectionKey().c_str(),
                                 PROFILE_ENTRY.toStdWString().c_str(), REG_DWORD, &other,
                                 sizeof other),
                 LONG(ERROR_SUCCESS));
        QCOMPARE(quint32(GetProfileInt(PROFILE_SECTION, PROFILE_ENTRY, 0)), quint32(other));
    }

    void aboutItemIsInTheSystemMenuAndOpensTheAboutBox()
    {
        CTolvoConfigDlg dlg;
        dlg.m_version = "1.0.0.1";
        dlg.Create(nullptr);
        const auto window = reinterpret_cast<HWND>(dlg.winId());
        HMENU menu = GetSystemMenu(window, FALSE);
        QVERIFY(menu != nullptr);
        // A separator, About, and beside it the window's language.
        const int count = GetMenuItemCount(menu);
        QVERIFY(count >= 3);
        QCOMPARE(GetMenuItemID(menu, count - 2), UINT(ABOUT_COMMAND_ID));
        QCOMPARE(GetMenuItemID(menu, count - 1), UINT(LANGUAGE_COMMAND_ID));
        QCOMPARE(GetMenuState(menu, count - 3, MF_BYPOSITION) & MF_SEPARATOR, UINT(MF_SEPARATOR));
        wchar_t text[64] = {};
        GetMenuStringW(menu, ABOUT_COMMAND_ID, text, 64, MF_BYCOMMAND);
        QCOMPARE(QString::fromWCharArray(text), QString("&About TolvoConfig..."));
        GetMenuStringW(menu, LANGUAGE_COMMAND_ID, text, 64, MF_BYCOMMAND);
        QCOMPARE(QString::fromWCharArray(text), QString("&Language..."));
        QString language;
        QTimer::singleShot(0, [&] {
            if (QWidget* dialog = QApplication::activeModalWidget()) {
                language = dialog->windowTitle();
                dialog->close();
            }
        });
        SendMessageW(window, WM_SYSCOMMAND, LANGUAGE_COMMAND_ID, 0);
        QCOMPARE(language, QString("Language"));

        // Chosen from the menu: WM_SYSCOMMAND with the item's id, whose low
        // four bits Windows may use.
        for (const WPARAM command : {WPARAM(ABOUT_COMMAND_ID), WPARAM(ABOUT_COMMAND_ID + 5)}) {
            QString caption;
            QTimer::singleShot(0, [&] {
                if (QWidget* box = QApplication::activeModalWidget()) {
                    caption = box->windowTitle();
                    box->findChild<QPushButton*>()->click();
                }
            });
            SendMessageW(window, WM_SYSCOMMAND, command, 0);
            QCOMPARE(caption, QString("About TolvoConfig"));
        }

        // Another system command goes on to Windows' own handling.
        bool opened = false;
        QTimer::singleShot(0, [&] {
            if (QWidget* box = QApplication::activeModalWidget()) {
                opened = true;
                box->close();
            }
        });
        SendMessageW(window, WM_SYSCOMMAND, 48, 0);
        QCoreApplication::processEvents();
        QVERIFY(!opened);
        QVERIFY(IsWindow(window));
    }
};

QTEST_MAIN(TestWindows)
#include "test_windows.moc"
