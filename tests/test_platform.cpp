#include "DataExchange.h"
#include "Dialog.h"
#include "DialogTemplate.h"
#include "GuiTest.h"
#include "IpAddressCtrl.h"
#include "ListControl.h"
#include "ProgressWait.h"
#include "Prompts.h"
#include "WaitCursor.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

class TestPlatform : public QObject {
    Q_OBJECT

private slots:
    void templatesHoldTheirControlsInOrder_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<int>("controls");
        QTest::addColumn<QSize>("size");
        QTest::newRow("info") << 130 << 4 << QSize(306, 183);
        QTest::newRow("wifi") << 131 << 17 << QSize(316, 183);
        QTest::newRow("port routing") << 132 << 12 << QSize(316, 183);
        QTest::newRow("port settings") << 133 << 18 << QSize(316, 183);
    }

    void templatesHoldTheirControlsInOrder()
    {
        QFETCH(int, id);
        QFETCH(int, controls);
        QFETCH(QSize, size);
        const DialogTemplate& dialog = FindDialogTemplate(id);
        QCOMPARE(dialog.controls.size(), controls);
        QCOMPARE(dialog.size, size);
        QCOMPARE(dialog.fontFace, QString("MS Shell Dlg"));
    }

    void brokenTemplateTextIsReported()
    {
        QString error;
        QVERIFY(!ParseResources("{\"dialogs\": [", &error));
        QVERIFY(!error.isEmpty());
    }

    void dialogUnitsFollowTheFontMetrics()
    {
        Dialog dialog(131);
        dialog.Create(nullptr);
        const QRect unit = dialog.MapDialogRect(QRect(4, 8, 4, 8));
        const QFontMetrics metrics(dialog.font());
        QCOMPARE(unit.height(), metrics.height());
        QVERIFY(qAbs(unit.width() - metrics.averageCharWidth()) <= 2);
        QCOMPARE(dialog.size(), dialog.MapDialogRect(QRect(0, 0, 316, 183)).size());
        // Controls sit where the template puts them.
        QCOMPARE(dialog.Control(1011)->geometry().topLeft(),
                 dialog.MapDialogRect(QRect(61, 20, 0, 0)).topLeft());
    }

    void addressFieldFollowsTyping_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<quint32>("address");
        QTest::addColumn<int>("notices");
        QTest::newRow("dots move on") << "10.1.2.3" << 0x0A010203u << 0;
        QTest::newRow("third digit moves on") << "192168001020" << 0xC0A80114u << 0;
        QTest::newRow("dot in a blank field stays") << "..7" << 0x07000000u << 0;
        QTest::newRow("blank fields read as 0") << "5" << 0x05000000u << 0;
        QTest::newRow("over 255 is brought back") << "300" << 0xFF000000u << 1;
        QTest::newRow("letters and signs are not taken") << "1a-2 b" << 0x0C000000u << 0;
    }

    void addressFieldFollowsTyping()
    {
        QFETCH(QString, keys);
        QFETCH(quint32, address);
        QFETCH(int, notices);
        PromptScript script;
        IpAddressCtrl control;
        QSignalSpy changes(&control, &IpAddressCtrl::fieldChanged);
        QVERIFY(ShowActive(&control));
        control.field(0)->setFocus();
        TypeIntoFocus(keys);
        QCOMPARE(control.address(), address);
        QCOMPARE(script.shown().size(), notices);
        QVERIFY(!changes.isEmpty());
        for (const QList<QVariant>& change : changes)
            QVERIFY(change.at(1).toInt() >= 0 && change.at(1).toInt() <= 255);
    }

    void addressFieldSignalsEachFieldChange()
    {
        IpAddressCtrl control;
        control.setAddress(0x0A000001);
        QSignalSpy changes(&control, &IpAddressCtrl::fieldChanged);
        control.field(1)->selectAll();
        QTest::keyClicks(control.field(1), "20");
        QCOMPARE(changes.size(), 2);
        QCOMPARE(changes.last(), (QList<QVariant>{1, 20}));
        QCOMPARE(control.address(), 0x0A140001u);
        control.setAddress(0); // the program's own writing is not signalled
        QCOMPARE(changes.size(), 2);
    }

    void backspaceAtAFieldStartMovesBack()
    {
        IpAddressCtrl control;
        QVERIFY(ShowActive(&control));
        control.setAddress(0x01020304);
        control.field(2)->setFocus();
        control.field(2)->setCursorPosition(0);
        QTest::keyClick(control.field(2), Qt::Key_Backspace);
        QVERIFY(control.field(1)->hasFocus());
        QCOMPARE(control.field(1)->cursorPosition(), 1);
        QCOMPARE(control.address(), 0x01020304u);
    }

    void pastingADottedAddressFillsAllFields()
    {
        IpAddressCtrl control;
        QVERIFY(ShowActive(&control));
        QSignalSpy changes(&control, &IpAddressCtrl::fieldChanged);
        QApplication::clipboard()->setText("172.16.5.9");
        control.field(2)->setFocus();
        QTest::keySequence(control.field(2), QKeySequence::Paste);
        QCOMPARE(control.address(), 0xAC100509u);
        QCOMPARE(changes.size(), 4);
    }

    void listSelectionByPosition_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("selected");
        QTest::newRow("first") << 0 << 0;
        QTest::newRow("last") << 2 << 2;
        QTest::newRow("past the end") << 3 << -1;
        QTest::newRow("minus one") << -1 << -1;
        QTest::newRow("far out") << 5 << -1;
    }

    void listSelectionByPosition()
    {
        QFETCH(int, index);
        QFETCH(int, selected);
        QComboBox combo;
        MakeEditableList(&combo);
        combo.addItems({"No", "Odd", "Even"});
        combo.setCurrentIndex(1);
        SelectListPosition(&combo, index);
        QCOMPARE(ListSelection(&combo), selected);
        if (selected < 0)
            QCOMPARE(combo.currentText(), QString());
    }

    void listSelectionByWholeText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("selected");
        QTest::newRow("exact") << "115200" << 4;
        QTest::newRow("prefix does not match") << "1152" << -1;
        QTest::newRow("no such item") << "300" << -1;
        QTest::newRow("case ignored") << "even" << 6;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("first item found last") << "9600" << 0;
    }

    void listSelectionByWholeText()
    {
        QFETCH(QString, text);
        QFETCH(int, selected);
        QComboBox combo;
        MakeEditableList(&combo);
        combo.addItems({"9600", "19200", "38400", "57600", "115200", "230400", "Even"});
        combo.setCurrentIndex(2);
        QCOMPARE(SelectListText(&combo, 0, text), selected);
        QCOMPARE(ListSelection(&combo), selected);
    }

    void typedListTextNeverSelectsAnItem()
    {
        QComboBox combo;
        MakeEditableList(&combo);
        combo.addItems({"No", "Odd", "Even"});
        QVERIFY(ShowActive(&combo));
        combo.setCurrentIndex(2);
        combo.lineEdit()->selectAll();
        QTest::keyClicks(combo.lineEdit(), "Od");
        QCOMPARE(ListSelection(&combo), -1);
        QCOMPARE(combo.currentText(), QString("Od"));
        QTest::keyClicks(combo.lineEdit(), "d");
        QCOMPARE(ListSelection(&combo), -1); // typing an item's text does not select it
        QCOMPARE(combo.count(), 3);
    }

    void parseWholeNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("value");
        QTest::newRow("plain") << "12" << true << 12;
        QTest::newRow("blanks and tabs") << " \t12 " << true << 12;
        QTest::newRow("plus sign") << "+5" << true << 5;
        QTest::newRow("minus") << "-5" << true << -5;
        QTest::newRow("leading zeros") << "007" << true << 7;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("letters") << "abc" << false << 0;
        QTest::newRow("trailing letters") << "11abc" << false << 0;
        QTest::newRow("inner blank") << "1 2" << false << 0;
        QTest::newRow("hex") << "0x10" << false << 0;
        QTest::newRow("too large") << "2147483648" << false << 0;
        QTest::newRow("lowest") << "-2147483648" << true << INT32_MIN;
    }

    void parseWholeNumber()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(int, value);
        int32_t parsed = 0;
        QCOMPARE(ParseWholeNumber(text, parsed), ok);
        QCOMPARE(parsed, value);
    }

    void scriptedPromptsAreRecordedAndAnswered()
    {
        PromptScript script;
        script.Answer(PromptAnswer::Retry).Then([](const Prompt& prompt) {
            return prompt.buttons == PromptButtons::RetryCancel ? PromptAnswer::Cancel
                                                                : PromptAnswer::Ok;
        });
        const Prompt box{"Could not connect.", "Connection Error", PromptIcon::Error,
                         PromptButtons::RetryCancel, PromptAnswer::Retry};
        QCOMPARE(ShowPrompt(nullptr, box), PromptAnswer::Retry);
        QCOMPARE(ShowPrompt(nullptr, box), PromptAnswer::Cancel);
        QCOMPARE(ShowPrompt(nullptr, box), PromptAnswer::Cancel); // beyond the script
        QCOMPARE(script.shown().size(), 3);
        QCOMPARE(script.unexpected(), 1);
        QCOMPARE(script.shown().first().caption, QString("Connection Error"));
    }

    void realMessageBoxShowsTextIconAndButtons_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("standardButtons");
        QTest::addColumn<int>("defaultButton");
        QTest::addColumn<int>("answer"); // what Escape gives
        QTest::newRow("retry or cancel")
            << int(PromptButtons::RetryCancel) << int(QMessageBox::Critical)
            << int(QMessageBox::Retry | QMessageBox::Cancel) << int(QMessageBox::Retry)
            << int(PromptAnswer::Cancel);
        QTest::newRow("yes or no, no by default")
            << int(PromptButtons::YesNo) << int(QMessageBox::Question)
            << int(QMessageBox::Yes | QMessageBox::No) << int(QMessageBox::No)
            << int(PromptAnswer::No);
    }

    void realMessageBoxShowsTextIconAndButtons()
    {
        QFETCH(int, buttons);
        QFETCH(int, icon);
        QFETCH(int, standardButtons);
        QFETCH(int, defaultButton);
        QFETCH(int, answer);
        QString shownText;
        int shownIcon = 0, shownButtons = 0, shownDefault = 0;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            shownText = box->text();
            shownIcon = box->icon();
            shownButtons = int(box->standardButtons());
            shownDefault = int(box->standardButton(box->defaultButton()));
            QTest::keyClick(box, Qt::Key_Escape);
        });
        const PromptIcon promptIcon =
            buttons == int(PromptButtons::YesNo) ? PromptIcon::Question : PromptIcon::Error;
        const PromptAnswer pressed = ShowPrompt(
            nullptr,
            {"Could not connect.", "Connection Error", promptIcon, PromptButtons(buttons),
             buttons == int(PromptButtons::YesNo) ? PromptAnswer::No : PromptAnswer::Retry});
        QCOMPARE(int(pressed), answer);
        QCOMPARE(shownText, QString("Could not connect."));
        QCOMPARE(shownIcon, icon);
        QCOMPARE(shownButtons, standardButtons);
        QCOMPARE(shownDefault, defaultButton);
    }

    void waitCursorIsCountedAndEndsOnEveryWayOut()
    {
        QCOMPARE(WaitCursor::depth(), 0);
        try {
            WaitCursor outer;
            {
                WaitCursor inner;
                QCOMPARE(WaitCursor::depth(), 2);
            }
            QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
            QApplication::changeOverrideCursor(Qt::ArrowCursor);
            WaitCursor::Restore();
            QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
            throw std::runtime_error("leave early");
        } catch (const std::runtime_error&) {
        }
        QCOMPARE(WaitCursor::depth(), 0);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    // A wait's dialog shows only while a wait runs and lasts: not while the
    // action asks something between two waits (the Retry/Cancel prompt),
    // however long the user takes. Qt's progress dialog would show itself
    // after its own four seconds.
    void progressDialogStaysHiddenBetweenWaits()
    {
        QWidget owner;
        owner.show();
        ProgressWait wait(&owner, "Reading");
        QTest::qWait(4500); // as a user reads a prompt
        QVERIFY(!wait.dialog().isVisible());
        QTimer::singleShot(ProgressWait::SHOW_DELAY_MS + 300, &wait, &ProgressWait::Finish);
        wait.Run();
        QVERIFY(wait.dialogShown()); // a wait that lasts shows it
        QVERIFY(!wait.dialog().isVisible());
        QTest::qWait(4500);
        QVERIFY(!wait.dialog().isVisible());
    }
};

QTEST_MAIN(TestPlatform)
#include "test_platform.moc"
