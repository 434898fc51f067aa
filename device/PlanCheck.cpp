#include "PlanCheck.h"

#include "DeviceScan.h"

#include <QEventLoop>
#include <QTimer>

PlanCheck::PlanCheck(AddressPlan plan, std::vector<PlannedDevice> devices, quint16 port,
                     int timeoutMs, QObject* parent)
    : QObject(parent), m_plan(std::move(plan)), m_devices(std::move(devices)), m_port(port),
      m_timeoutMs(timeoutMs)
{}

PlanCheck::~PlanCheck() = default;

void PlanCheck::Start()
{
    m_cancelled = false;
    m_running = true;
    m_problems.clear();
    AskSerials();
}

void PlanCheck::Run()
{
    QEventLoop loop;
    connect(this, &PlanCheck::finished, &loop, &QEventLoop::quit);
    Start();
    if (running())
        loop.exec();
}

void PlanCheck::Cancel()
{
    if (m_scan)
        m_scan->Cancel();
}

void PlanCheck::AskSerials()
{
    std::vector<uint32_t> unknown;
    if (NamesSerials(m_plan))
        for (const PlannedDevice& device : m_devices)
            if (device.serial.isEmpty())
                unknown.push_back(device.current);
    if (unknown.empty())
        SerialsKnown();
    else
        StartScan(unknown, &PlanCheck::SerialsKnown);
}

void PlanCheck::SerialsKnown()
{
    if (m_scan) {
        for (const FoundDevice& found : m_scan->found())
            for (PlannedDevice& device : m_devices)
                if (device.current == found.address)
                    device.serial = found.serialNumber;
        if (m_scan->cancelled())
            return End();
    }
    m_problems = PlanDevices(m_plan, m_devices);
    if (!m_problems.isEmpty())
        return End();
    StartScan(AddressesToProbe(m_devices), &PlanCheck::ProbeEnded);
}

void PlanCheck::ProbeEnded()
{
    std::vector<uint32_t> answering;
    if (m_scan)
        for (const FoundDevice& found : m_scan->found())
            answering.push_back(found.address);
    m_problems = AnsweringProblems(m_devices, answering);
    End();
}

void PlanCheck::StartScan(std::vector<uint32_t> addresses, void (PlanCheck::*then)())
{
    if (m_scan)
        m_scan.release()->deleteLater(); // it may be the sender of this call
    if (addresses.empty()) {
        QTimer::singleShot(0, this, then);
        return;
    }
    m_scan = std::make_unique<DeviceScan>(std::move(addresses), m_port, m_timeoutMs);
    connect(m_scan.get(), &DeviceScan::progress, this, &PlanCheck::progress);
    connect(m_scan.get(), &DeviceScan::finished, this, then, Qt::QueuedConnection);
    m_scan->Start();
}

void PlanCheck::End()
{
    if (m_scan) {
        m_cancelled = m_scan->cancelled();
        m_scan.release()->deleteLater();
    }
    m_running = false;
    emit finished();
}
