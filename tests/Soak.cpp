#include "Soak.h"

#include "CTolvoConfigDlg.h"
#include "IpAddressCtrl.h"
#include "PageTable.h"
#include "Prompts.h"
#include "SettingsFile.h"
#include "SimProcess.h"
#include "SoakWatch.h"
#include "StagedFile.h"
#include "TolvoInfo.h"
#include "TolvoPortRouting.h"
#include "TolvoPortSettings.h"
#include "TolvoWiFi.h"

#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QHostAddress>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <optional>

namespace {

// How a page shows a row.
enum class Shown { Label, Text, Number, Address, ListText, ListIndex };

struct Field {
    const char* key;
    Shown how;
    std::function<QWidget*(CTolvoConfigDlg&)> widget;
};

// Every row, where the pages show it.
const std::vector<Field>& Fields()
{
    using D = CTolvoConfigDlg&;
    static const std::vector<Field> fields = {
        {"SERIALN", Shown::Label,
         [](D d) { return d.m_pInfo->Control(TolvoInfo::IDC_SERIAL_NUMBER); }},
        {"FWVERSION", Shown::Label,
         [](D d) { return d.m_pInfo->Control(TolvoInfo::IDC_FIRMWARE_VERSION); }},
        {"SSID", Shown::Text, [](D d) { return d.m_pWiFi->m_ssidEdit; }},
        {"PASSWORD", Shown::Text, [](D d) { return d.m_pWiFi->m_passwordEdit; }},
        {"IPADDRESS", Shown::Address, [](D d) { return d.m_pWiFi->m_ipAddressCtrl; }},
        {"IPMASK", Shown::Address, [](D d) { return d.m_pWiFi->m_ipMaskCtrl; }},
        {"DHCP", Shown::ListIndex, [](D d) { return d.m_pWiFi->m_dhcpCombo; }},
        {"CHANNEL", Shown::Number, [](D d) { return d.m_pWiFi->m_channelEdit; }},
        {"NTYPE", Shown::ListIndex, [](D d) { return d.m_pWiFi->m_networkTypeCombo; }},
        {"TRANSPOWER", Shown::Number, [](D d) { return d.m_pWiFi->m_transPowerEdit; }},
        {"DEVICEID", Shown::Text, [](D d) { return d.m_pWiFi->m_deviceNameEdit; }},
        {"RS232 baudrate", Shown::ListText,
         [](D d) { return d.m_pPortSettings->m_rs232BaudCombo; }},
        {"RS232 databits", Shown::ListText,
         [](D d) { return d.m_pPortSettings->m_rs232DataBitsCombo; }},
        {"RS232 stopbits", Shown::ListText,
         [](D d) { return d.m_pPortSettings->m_rs232StopBitsCombo; }},
        {"RS232 parity", Shown::ListIndex,
         [](D d) { return d.m_pPortSettings->m_rs232ParityCombo; }},
        {"DIRECT baudrate", Shown::ListText,
         [](D d) { return d.m_pPortSettings->m_directBaudCombo; }},
        {"DIRECT databits", Shown::ListText,
         [](D d) { return d.m_pPortSettings->m_directDataBitsCombo; }},
        {"DIRECT stopbits", Shown::ListText,
         [](D d) { return d.m_pPortSettings->m_directStopBitsCombo; }},
        {"DIRECT parity", Shown::ListIndex,
         [](D d) { return d.m_pPortSettings->m_directParityCombo; }},
        {"PORTCONNECT 0", Shown::ListIndex,
         [](D d) { return d.m_pPortRouting->m_connectCombo[0]; }},
        {"PORT 0", Shown::Number, [](D d) { return d.m_pPortRouting->m_tcpPortEdit[0]; }},
        {"PORTCONNECT 1", Shown::ListIndex,
         [](D d) { return d.m_pPortRouting->m_connectCombo[1]; }},
        {"PORT 1", Shown::Number, [](D d) { return d.m_pPortRouting->m_tcpPortEdit[1]; }},
        {"PORTCONNECT 2", Shown::ListIndex,
         [](D d) { return d.m_pPortRouting->m_connectCombo[2]; }},
        {"PORT 2", Shown::Number, [](D d) { return d.m_pPortRouting->m_tcpPortEdit[2]; }},
    };
    return fields;
}

// What the page shows for the field, as the device's bytes; nothing for a
// list without a selection.
std::optional<QByteArray> ShownBytes(CTolvoConfigDlg& dlg, const Field& field)
{
    QWidget* widget = field.widget(dlg);
    switch (field.how) {
    case Shown::Label: return qobject_cast<QLabel*>(widget)->text().toLatin1();
    case Shown::Text:
    case Shown::Number: return qobject_cast<QLineEdit*>(widget)->text().toLatin1();
    case Shown::Address:
        return QByteArray::fromStdString(
            FormatDottedAddress(qobject_cast<IpAddressCtrl*>(widget)->address()));
    case Shown::ListText:
    case Shown::ListIndex: {
        const auto* list = qobject_cast<QComboBox*>(widget);
        if (list->currentIndex() < 0)
            return std::nullopt;
        return field.how == Shown::ListText ? list->currentText().toLatin1()
                                            : QByteArray::number(list->currentIndex());
    }
    }
    return std::nullopt;
}

// What the page must show after a load that brought sent.
std::optional<QByteArray> ExpectedShown(CTolvoConfigDlg& dlg, const Field& field,
                                        const QByteArray& sent)
{
    const auto* list = qobject_cast<QComboBox*>(field.widget(dlg));
    if (field.how == Shown::ListText) {
        for (int i = 0; list && i < list->count(); ++i)
            if (list->itemText(i).compare(QString::fromLatin1(sent), Qt::CaseInsensitive) == 0)
                return list->itemText(i).toLatin1();
        return std::nullopt;
    }
    if (field.how == Shown::ListIndex) {
        bool ok = false;
        const int n = sent.toInt(&ok);
        return ok && n >= 0 && n < list->count() ? std::optional(sent) : std::nullopt;
    }
    return sent;
}

// The transcript lines of the action just run: none when it stopped before
// reaching the device (the session keeps the transcript of the last run; its
// lines carry times to the millisecond, so a new run's differ).
QStringList ActionLines(const CTolvoConfigDlg& dlg, const QStringList& earlier)
{
    const QStringList lines = dlg.session().transcript().lines();
    return lines == earlier ? QStringList() : lines;
}

// The field's name, as the window's messages give it.
QString FieldName(CTolvoConfigDlg& dlg, const Field& field)
{
    const Pages pages{*dlg.m_pInfo, *dlg.m_pWiFi, *dlg.m_pPortSettings, *dlg.m_pPortRouting};
    const DeviceSettings table;
    for (int group = 0; group < static_cast<int>(table.size()); ++group)
        for (int index = 0; index < table[group].count(); ++index)
            if (QByteArray(table[group].rows[index].key) == field.key)
                return RowName(pages, {group, index});
    return {};
}

QStringList Snapshot(const CTolvoConfigDlg& dlg)
{
    QStringList values;
    for (const Dialog* page : dlg.m_pages)
        values << page->ControlValues();
    return values;
}

// Bytes for a message: printable ASCII as it is, the rest as %XX.
QString Printable(const std::optional<QByteArray>& bytes)
{
    return bytes ? QString::fromLatin1(bytes->toPercentEncoding(" !\"#$&'()*+,-./:;<=>?@[]^_`{|}~"))
                 : QStringLiteral("(none)");
}

QByteArray Held(const Values& values, const QByteArray& key)
{
    const auto it = values.find(key);
    return it == values.end() ? QByteArray() : it->second;
}

class Soak {
public:
    Soak(const SoakOptions& options, SoakFigures& figures, SimProcess& sim)
        : m_options(options), m_figures(figures), m_watch(sim, figures, options.logLagMs),
          m_random(options.seed)
    {
        m_dlg.m_version = "1.0.0.1";
        m_dlg.Create(nullptr);
        m_dlg.m_deviceTimeoutMs = options.timeoutMs;
        m_dlg.m_deviceAddress = QHostAddress(options.address).toIPv4Address();
        m_dlg.UpdateData(false);
    }

    bool Begin()
    {
        // Connections of one command each until the simulator has said
        // what it holds (it does so as each connection ends).
        for (int attempt = 0; attempt < 10 && m_watch.holds().empty(); ++attempt) {
            m_watch.BeginAction();
            QTcpSocket socket;
            socket.connectToHost(m_options.address, DEVICE_COMMAND_PORT);
            if (!socket.waitForConnected(5000))
                return false;
            socket.write(WireCommand("get SERIALN"));
            socket.waitForReadyRead(m_options.timeoutMs);
            socket.disconnectFromHost();
            if (socket.state() != QAbstractSocket::UnconnectedState)
                socket.waitForDisconnected(m_options.timeoutMs);
            if (!m_watch.Settle(1))
                return false;
        }
        return !m_watch.holds().empty();
    }

    void Act(int number)
    {
        const int draw = m_random.bounded(10);
        m_watch.BeginAction();
        m_client.clear();
        const qsizetype violationsBefore = m_figures.violations.size();
        QElapsedTimer timer;
        timer.start();
        QString kind;
        int exchanges = 0;
        if (draw < 3 || (draw < 6 && !m_dlg.session().loadedFrom())) {
            kind = "window load";
            exchanges = 1 + 25;
            Load();
        } else if (draw < 6) {
            kind = "window save";
            exchanges = 1 + 23 + 1 + 23;
            Save();
        } else if (draw < 8) {
            kind = "tolvoctl backup";
            exchanges = 1 + 25;
            Backup();
        } else {
            kind = "tolvoctl restore";
            exchanges = 2 * (1 + 25) + 23 + 1;
            Restore();
        }
        const qint64 ms = timer.elapsed();
        ++m_figures.actions[kind];
        // Each exchange waits at most the bound; a process start and the
        // window's own work get a fixed allowance.
        const qint64 bound = qint64(exchanges) * m_options.timeoutMs + BOUND_ALLOWANCE_MS;
        Check("action within its bound", ms <= bound,
              QString("%1 took %2 ms, over its bound of %3 ms").arg(kind).arg(ms).arg(bound));
        if (ms > m_figures.longestMs) {
            m_figures.longestMs = ms;
            m_figures.longestAction = QString("%1 (action %2)").arg(kind).arg(number);
        }
        if (m_figures.violations.size() > violationsBefore &&
            m_figures.evidence.size() < MAX_EVIDENCE)
            m_figures.evidence << Evidence(number, kind, violationsBefore);
    }

private:
    static constexpr qint64 BOUND_ALLOWANCE_MS = 3000;
    static constexpr qsizetype MAX_EVIDENCE = 3;
    static constexpr int TOLVOCTL_BOUND_MS = 120000;
    static constexpr int START_ATTEMPTS = 3;

    // The action's violations, what its client said and what the simulator
    // logged meanwhile.
    QString Evidence(int number, const QString& kind, qsizetype violationsBefore) const
    {
        QString text =
            QString("== action %1 (seed %2): %3\n").arg(number).arg(m_options.seed).arg(kind);
        for (qsizetype i = violationsBefore; i < m_figures.violations.size(); ++i)
            text += "  " + m_figures.violations[i] + "\n";
        text += "-- the client:\n" + m_client;
        if (!m_client.endsWith('\n'))
            text += '\n';
        text += "-- the simulator's log while it ran:\n";
        for (const QByteArray& line : m_watch.actionLines())
            text += QString::fromLatin1(line) + '\n';
        return text;
    }

    void Check(const char* property, bool holds, const QString& violation)
    {
        ++m_figures.checks[QLatin1String(property)];
        if (!holds) {
            QString faults = QString::fromLatin1(m_watch.struck().join("; "));
            m_figures.violations << QString("%1 (seed %2, faults: %3)")
                                        .arg(violation)
                                        .arg(m_options.seed)
                                        .arg(faults.isEmpty() ? "none struck" : faults);
        }
    }

    // Waits for the simulator to log the end of the connections that the
    // client's transcript says it made.
    bool Settle(const QStringList& transcript)
    {
        const int made = ConnectionsMade(transcript);
        const bool settled = m_watch.Settle(made);
        Check(
            "the device side ends", settled,
            QString("the simulator did not log the end of the action's %1 connections").arg(made));
        return settled;
    }

    static QString Outcome(const PromptScript& script)
    {
        return script.shown().isEmpty() ? QStringLiteral("(no message)")
                                        : script.shown().last().caption;
    }

    void Load()
    {
        const QStringList before = Snapshot(m_dlg);
        PromptScript script;
        const QStringList earlier = m_dlg.session().transcript().lines();
        m_dlg.LoadConfiguration();
        const QStringList lines = ActionLines(m_dlg, earlier);
        m_client = lines.join('\n');
        if (!Settle(lines))
            return;
        const QString outcome = Outcome(script);
        ++m_figures.outcomes["window load: " + outcome];
        if (outcome != "Success!") {
            Check("a failed load says so",
                  outcome == "Load Failed" || outcome == "Connection Error",
                  "a load ended with " + outcome);
            Check("a failed load leaves the pages", Snapshot(m_dlg) == before,
                  "a failed load changed the pages");
            return;
        }
        for (const Field& field : Fields()) {
            const auto sent = m_watch.sent().find(field.key);
            if (sent == m_watch.sent().end()) {
                Check("a load shows what was sent", false,
                      QString("a load said Success! without a reply for %1")
                          .arg(QLatin1String(field.key)));
                continue;
            }
            const auto expected = ExpectedShown(m_dlg, field, sent->second);
            const auto shown = ShownBytes(m_dlg, field);
            // Or the success text names the field with what the device sent.
            const QString named =
                QString("\n%1: the device holds \"%2\"")
                    .arg(FieldName(m_dlg, field), EscapedBytes(sent->second.toStdString()));
            Check("a load shows what was sent or names the field",
                  shown == expected || script.shown().last().text.contains(named),
                  QString("after a load %1 shows %2, the device sent %3")
                      .arg(QLatin1String(field.key), Printable(shown), Printable(sent->second)));
        }
    }

    QString RandomText()
    {
        static const QByteArray letters =
            "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789 -_.\xe9";
        QByteArray text;
        const int length = m_random.bounded(17);
        for (int i = 0; i < length; ++i)
            text += letters.at(m_random.bounded(int(letters.size())));
        return QString::fromLatin1(text);
    }

    // Edits some fields with valid values; the network type and channel,
    // which a rule ties, stay as they are.
    void EditPages()
    {
        for (const Field& field : Fields()) {
            if (field.how == Shown::Label || QByteArray(field.key) == "NTYPE" ||
                QByteArray(field.key) == "CHANNEL" || m_random.bounded(2) == 0)
                continue;
            QWidget* widget = field.widget(m_dlg);
            if (field.how == Shown::Text)
                qobject_cast<QLineEdit*>(widget)->setText(RandomText());
            else if (field.how == Shown::Address)
                qobject_cast<IpAddressCtrl*>(widget)->setAddress(m_random.generate());
            else if (field.how == Shown::Number)
                qobject_cast<QLineEdit*>(widget)->setText(QString::number(
                    QByteArray(field.key) == "TRANSPOWER" ? m_random.bounded(13)
                                                          : m_random.bounded(128, 65536)));
            else if (auto* list = qobject_cast<QComboBox*>(widget))
                list->setCurrentIndex(m_random.bounded(list->count()));
        }
    }

    void Save()
    {
        EditPages();
        const Values before = m_watch.holds();
        PromptScript script;
        const QStringList earlier = m_dlg.session().transcript().lines();
        m_dlg.SaveConfiguration();
        const QStringList lines = ActionLines(m_dlg, earlier);
        m_client = lines.join('\n');
        if (!Settle(lines))
            return;
        const QString outcome = Outcome(script);
        ++m_figures.outcomes["window save: " + outcome];
        const QString text = script.shown().isEmpty() ? QString() : script.shown().last().text;
        if (outcome == "Success!") {
            // Fields the save says the device kept as it holds them.
            const QString keptMarker = "the device keeps the value it holds: ";
            const qsizetype at = text.indexOf(keptMarker);
            QString keptNames =
                at < 0 ? QString() : text.mid(at + keptMarker.size()).section('\n', 0, 0);
            keptNames.chop(keptNames.endsWith('.') ? 1 : 0);
            const QStringList kept = keptNames.split(", ");
            for (const Field& field : Fields()) {
                const auto shown = ShownBytes(m_dlg, field);
                if (field.how == Shown::Label || !shown || kept.contains(FieldName(m_dlg, field)))
                    continue;
                const QByteArray held = Held(m_watch.holds(), field.key);
                Check("a saved value is applied", held == *shown,
                      QString("a save said Success! but the device holds %1=%2, the page shows %3")
                          .arg(QLatin1String(field.key), Printable(held), Printable(shown)));
            }
            return;
        }
        if (outcome == DefaultPromptCaption() && !m_dlg.session().deviceValueRows().empty()) {
            // A field showing a device value its page's check refuses stops
            // the save until it is edited, as any invalid value does.
            Check("a save stopped by a check sends nothing", m_watch.holds() == before,
                  "a save stopped by a check changed the device: " + text);
            return;
        }
        Check("a failed save says so", outcome == "Save Failed" || outcome == "Save Not Confirmed",
              "a save ended with " + outcome + ": " + text);
        if (text.contains("has not applied") || text.contains("the device keeps its settings"))
            Check("a save that says nothing was applied applied nothing", m_watch.holds() == before,
                  "a save said nothing was applied, but the device's values changed: " + text);
        // Rows said to read back otherwise: their read-back reply differs.
        const QString marker = "reading them back gave other values for: ";
        if (const qsizetype at = text.indexOf(marker); at >= 0) {
            const QString list = text.mid(at + marker.size()).section('.', 0, 0);
            for (const QString& key : list.split(", ")) {
                const auto field =
                    std::find_if(Fields().begin(), Fields().end(),
                                 [&](const Field& f) { return key == QLatin1String(f.key); });
                const auto readBack = m_watch.sent().find(key.toLatin1());
                Check("a row said to read back otherwise did",
                      field != Fields().end() && readBack != m_watch.sent().end() &&
                          readBack->second != ShownBytes(m_dlg, *field),
                      "a save said " + key + " read back otherwise, but it did not");
            }
        }
    }

    struct Run {
        int exitCode = -1;
        bool crashed = false;
        QString output;    // stdout and stderr
        QStringList trace; // the lines of stderr, where --trace puts the transcript
    };

    Run Tolvoctl(QStringList arguments)
    {
        arguments << "--port" << QString::number(DEVICE_COMMAND_PORT) << "--timeout"
                  << QString::number(m_options.timeoutMs) << "--trace";
        QProcess process;
        const bool started = StartTolvoctl(process, arguments);
        // An exit status only from a program that ran and ended: exitCode()
        // is 0 too for one that never started, or after a wait that
        // returned early.
        const bool waited = started && process.waitForFinished(-1);
        if (started && !waited && process.state() != QProcess::NotRunning) {
            ++m_figures.outcomes["tolvoctl: the wait for its end returned early"];
            (void)QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; },
                                  TOLVOCTL_BOUND_MS);
        }
        Run run;
        const QString errors = QString::fromLocal8Bit(process.readAllStandardError());
        run.output = QString::fromLocal8Bit(process.readAllStandardOutput()) + errors;
        run.trace = errors.split(QRegularExpression("\\r?\\n"));
        const bool ended = started && process.state() == QProcess::NotRunning;
        run.exitCode = ended ? process.exitCode() : -1;
        m_client += QString("tolvoctl %1\nwaitForFinished: %2; %3; exit %4\n%5")
                        .arg(arguments.join(' '), waited ? QString("true") : QString("false"),
                             ended ? QString("ended") : "did not end: " + process.errorString())
                        .arg(run.exitCode)
                        .arg(run.output);
        Check("tolvoctl runs and ends", ended,
              "tolvoctl did not run to its end: " + process.errorString());
        run.crashed = !ended || process.exitStatus() == QProcess::CrashExit ||
                      run.output.contains("Sanitizer") || run.output.contains("runtime error");
        if (ended)
            Check("tolvoctl does not crash", !run.crashed, "tolvoctl crashed: " + run.output);
        return run;
    }

    // Starts tolvoctl, again when the start fails (under Wine a process
    // start fails now and then): a program that never ran reached no
    // device, as the simulator's log must show. False when no start did.
    bool StartTolvoctl(QProcess& process, const QStringList& arguments)
    {
        for (int attempt = 1; attempt <= START_ATTEMPTS; ++attempt) {
            process.start(m_options.tolvoctl, arguments);
            if (process.waitForStarted(-1))
                return true;
            ++m_figures.outcomes["tolvoctl: a start that failed"];
            m_client += QString("start %1 failed: %2\n").arg(attempt).arg(process.errorString());
            Check("a tolvoctl that did not start reached no device",
                  m_watch.Settle(0) && m_watch.ConnectionsOfAction() == 0,
                  "tolvoctl did not start, but the simulator logged a connection");
        }
        return false;
    }

    void Backup()
    {
        const QString path = m_dir.filePath("backup.json");
        QFile::remove(path);
        const Run run = Tolvoctl({"backup", m_options.address, "-o", path});
        if (!Settle(run.trace) || run.crashed)
            return;
        ++m_figures.outcomes[QString("tolvoctl backup: exit %1").arg(run.exitCode)];
        Check("a backup exits 0 or 3", run.exitCode == 0 || run.exitCode == 3,
              QString("a backup exited %1: %2").arg(run.exitCode).arg(run.output));
        if (run.exitCode != 0) {
            Check("a failed backup leaves no file", !QFile::exists(path),
                  "a failed backup left a file");
            return;
        }
        QFile file(path);
        const QJsonObject settings =
            file.open(QIODevice::ReadOnly)
                ? QJsonDocument::fromJson(file.readAll()).object().value("settings").toObject()
                : QJsonObject();
        for (const Field& field : Fields()) {
            if (field.how == Shown::Label)
                continue;
            const QByteArray saved = settings.value(QLatin1String(field.key)).toString().toLatin1();
            const auto sent = m_watch.sent().find(field.key);
            Check("a backup holds what was sent",
                  sent != m_watch.sent().end() && sent->second == saved,
                  QString("a backup saved %1=%2, the device sent %3")
                      .arg(QLatin1String(field.key), Printable(saved),
                           sent == m_watch.sent().end() ? "nothing" : Printable(sent->second)));
        }
    }

    // A valid value for the row.
    QByteArray RandomValue(const Field& field)
    {
        const QByteArray key = field.key;
        if (field.how == Shown::Text)
            return RandomText().toLatin1();
        if (field.how == Shown::Address)
            return QByteArray::fromStdString(FormatDottedAddress(m_random.generate()));
        if (key == "CHANNEL")
            return QByteArray::number(m_random.bounded(15));
        if (key == "TRANSPOWER")
            return QByteArray::number(m_random.bounded(13));
        if (field.how == Shown::Number)
            return QByteArray::number(m_random.bounded(128, 65536));
        auto* list = qobject_cast<QComboBox*>(field.widget(m_dlg));
        const int item = m_random.bounded(list->count());
        return field.how == Shown::ListText ? list->itemText(item).toLatin1()
                                            : QByteArray::number(item);
    }

    void Restore()
    {
        SettingsFile file{"", "", m_options.address, QDateTime::currentDateTimeUtc(), {}};
        for (const Field& field : Fields()) {
            if (field.how == Shown::Label)
                continue;
            const QByteArray value =
                m_random.bounded(2) == 0 ? Held(m_watch.holds(), field.key) : RandomValue(field);
            file.values.append({QLatin1String(field.key), QString::fromLatin1(value)});
        }
        const QString path = m_dir.filePath("restore.json");
        QString error;
        if (!SaveFileAtomically(path, SettingsFileJson(file), error))
            qFatal("soak: %s", qPrintable(error));
        const Run run = Tolvoctl({"restore", m_options.address, path});
        if (!Settle(run.trace) || run.crashed)
            return;
        ++m_figures.outcomes[QString("tolvoctl restore: exit %1").arg(run.exitCode)];
        Check("a restore of a valid file exits 0, 1 or 3",
              run.exitCode == 0 || run.exitCode == 1 || run.exitCode == 3,
              QString("a restore exited %1: %2").arg(run.exitCode).arg(run.output));
        if (run.exitCode != 0)
            return;
        for (const auto& [key, value] : file.values) {
            const QByteArray held = Held(m_watch.holds(), key.toLatin1());
            Check("a restore that exits 0 was applied", held == value.toLatin1(),
                  QString("a restore exited 0 but the device holds %1=%2, the file has %3")
                      .arg(key, Printable(held), Printable(value.toLatin1())));
        }
    }

    const SoakOptions& m_options;
    SoakFigures& m_figures;
    SoakWatch m_watch;
    QString m_client; // what the action's client said: its transcript or tolvoctl's output
    QRandomGenerator m_random;
    CTolvoConfigDlg m_dlg;
    QTemporaryDir m_dir;
};

QString Lines(const std::map<QString, int>& counts)
{
    QString text;
    for (const auto& [name, count] : counts)
        text += QString("  %1: %2\n").arg(name).arg(count);
    return text;
}

} // namespace

QString SoakFigures::Report() const
{
    int total = 0;
    for (const auto& [name, count] : actions)
        total += count;
    int checked = 0;
    for (const auto& [name, count] : checks)
        checked += count;
    QString text = QString("actions: %1\n").arg(total) + Lines(actions);
    text += "outcomes:\n" + Lines(outcomes);
    text += "faults drawn for a connection:\n" + Lines(faultsPlanned);
    text += "faults that struck:\n" + Lines(faultsStruck);
    text += QString("properties checked: %1\n").arg(checked) + Lines(checks);
    text += QString("violations: %1\n").arg(violations.size());
    for (const QString& violation : violations)
        text += "  " + violation + "\n";
    text += QString("longest action: %1 ms, %2\n").arg(longestMs).arg(longestAction);
    text += QString("the log showed no connection open before the action's own: %1 times "
                    "(they came up to %2 ms later)\n")
                .arg(lateLogs)
                .arg(longestLateLogMs);
    return text;
}

bool RunSoak(const SoakOptions& options, SoakFigures& figures)
{
    SimProcess sim({"--chaos", QString::number(options.seed), "--chaos-rate", "0.6",
                    "--chaos-max-delay", QString::number(options.timeoutMs + 200)},
                   options.address, DEVICE_COMMAND_PORT);
    if (!sim.Start()) {
        qWarning("soak: the simulator did not start");
        return false;
    }
    Soak soak(options, figures, sim);
    if (!soak.Begin()) {
        qWarning("soak: the simulator did not say what it holds");
        return false;
    }
    for (int i = 0; i < options.actions; ++i)
        soak.Act(i);
    return true;
}
