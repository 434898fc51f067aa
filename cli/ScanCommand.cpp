// tolvoctl scan: which addresses of a range answer as a device.
#include "AddressList.h"
#include "Invocation.h"

namespace cli {

constexpr int DEFAULT_SCAN_TIMEOUT_MS = 1000;

int Scan(Invocation& run)
{
    if (run.positional.isEmpty())
        return Usage(Tr(MSG_SCAN_ARGUMENTS));
    QString error;
    for (const QString& range : run.positional) {
        if (!ParseRange(range, run.addresses, error))
            return Usage(error);
    }
    if (!run.Given("timeout"))
        run.timeoutMs = DEFAULT_SCAN_TIMEOUT_MS;
    DeviceTasks tasks = run.MakeTasks();
    for (auto& task : tasks)
        task->ConnectAndRead(task->before, {ROW_SERIAL_NUMBER, ROW_FIRMWARE_VERSION});
    run.Run(tasks);
    const DeviceSettings table;
    const ConfigParam& serial = table[GROUP_INFO].rows[0];
    const ConfigParam& firmware = table[GROUP_INFO].rows[1];
    QJsonArray found;
    if (!run.json)
        Out() << QString("%1  %2  %3")
                     .arg(Tr(MSG_SCAN_HEADING_ADDRESS), -15)
                     .arg(Tr(MSG_SCAN_HEADING_SERIAL), -20)
                     .arg(Tr(MSG_SCAN_HEADING_FIRMWARE))
              << Qt::endl;
    for (const auto& task : tasks) {
        if (!task->ok())
            continue;
        const QString s = Value(task->before, serial);
        const QString f = Value(task->before, firmware);
        found.append(QJsonObject{
            {"address", task->addressText()}, {"serialNumber", s}, {"firmwareVersion", f}});
        if (!run.json)
            Out() << QString("%1  %2  %3").arg(task->addressText(), -15).arg(s, -20).arg(f)
                  << Qt::endl;
    }
    if (run.json) {
        Out() << QJsonDocument(QJsonObject{{"command", "scan"},
                                           {"tried", int(tasks.size())},
                                           {"devices", found}})
                     .toJson(QJsonDocument::Indented);
    } else {
        Out() << Tr(MSG_ADDRESSES_ANSWERED).arg(found.size()).arg(tasks.size()) << Qt::endl;
    }
    return EXIT_OK;
}

} // namespace cli
