// Checks an address plan against the network before anything is sent: asks
// the devices for their serial numbers where the plan names devices by
// them, plans, and then looks on the command port of every planned address
// that is not its device's own for a device that already answers there.
// Reads only; progress and Cancel as any scan.
#pragma once

#include "AddressPlan.h"
#include "DeviceLink.h"

#include <QObject>

#include <memory>

class DeviceScan;

class PlanCheck : public QObject {
    Q_OBJECT
public:
    PlanCheck(AddressPlan plan, std::vector<PlannedDevice> devices,
              quint16 port = DEVICE_COMMAND_PORT, int timeoutMs = 1000, QObject* parent = nullptr);
    ~PlanCheck() override;

    // Begins; finished() follows once, also after Cancel.
    void Start();
    void Cancel();
    // Start, then a local event loop until finished.
    void Run();

    bool running() const { return m_running; }
    bool cancelled() const { return m_cancelled; }
    // Each device with its planned address (and the serial number learnt).
    const std::vector<PlannedDevice>& devices() const { return m_devices; }
    // Empty when the plan may be sent.
    const QStringList& problems() const { return m_problems; }

signals:
    void progress(int done, int total);
    void finished();

private:
    void AskSerials();
    void SerialsKnown();
    void ProbeEnded();
    void StartScan(std::vector<uint32_t> addresses, void (PlanCheck::*then)());
    void End();

    const AddressPlan m_plan;
    std::vector<PlannedDevice> m_devices;
    const quint16 m_port;
    const int m_timeoutMs;
    std::unique_ptr<DeviceScan> m_scan;
    QStringList m_problems;
    bool m_cancelled = false;
    bool m_running = false;
};
