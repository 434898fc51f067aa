// tolvoctl scan: which addresses of a range answer as a device.
#include "AddressList.h"
#include "DeviceScan.h"
#include "Invocation.h"

namespace cli {

int Scan(Invocation& run)
{
    if (run.positional.isEmpty())
        return Usage(Tr(MSG_SCAN_ARGUMENTS));
    QString error;
    for (const QString& range : run.positional) {
        if (!ParseRange(range, run.addresses, error))
            return Usage(error);
    }
    DeviceScan scan(run.addresses, run.port, run.Given("timeout") ? run.timeoutMs : SCAN_TIMEOUT_MS,
                    run.Given("jobs") ? run.jobs : SCAN_JOBS);
    if (IsConsole(stderr)) {
        QObject::connect(&scan, &DeviceScan::progress,
                         [](int done, int total) { ShowProgress(done, total); });
    }
    scan.Run();
    if (IsConsole(stderr))
        Err() << Qt::endl;
    if (scan.outOfConnections()) {
        // The addresses not tried are no answer of theirs: no list at all.
        Err() << "tolvoctl: "
              << Tr(MSG_SCAN_STOPPED)
                     .arg(OutOfConnections())
                     .arg(scan.total() - scan.tried())
                     .arg(scan.total())
              << Qt::endl;
        return EXIT_DEVICE_ERROR;
    }

    QJsonArray found;
    if (!run.json)
        Out() << QString("%1  %2  %3")
                     .arg(Tr(MSG_SCAN_HEADING_ADDRESS), -15)
                     .arg(Tr(MSG_SCAN_HEADING_SERIAL), -20)
                     .arg(Tr(MSG_SCAN_HEADING_FIRMWARE))
              << Qt::endl;
    for (const FoundDevice& device : scan.found()) {
        const QString address = QString::fromStdString(FormatDottedAddress(device.address));
        found.append(QJsonObject{{"address", address},
                                 {"serialNumber", device.serialNumber},
                                 {"firmwareVersion", device.firmwareVersion}});
        if (!run.json)
            Out() << QString("%1  %2  %3")
                         .arg(address, -15)
                         .arg(EscapedText(device.serialNumber), -20)
                         .arg(EscapedText(device.firmwareVersion))
                  << Qt::endl;
    }
    if (run.json) {
        Out() << QJsonDocument(QJsonObject{{"schemaVersion", JSON_SCHEMA_VERSION},
                                           {"command", "scan"},
                                           {"tried", scan.total()},
                                           {"devices", found}})
                     .toJson(QJsonDocument::Indented);
    } else {
        Out() << Tr(MSG_ADDRESSES_ANSWERED).arg(found.size()).arg(scan.total()) << Qt::endl;
    }
    return EXIT_OK;
}

} // namespace cli
