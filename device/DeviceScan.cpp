#include "DeviceScan.h"

#include <QEventLoop>
#include <QNetworkInterface>

#include <algorithm>

struct DeviceScan::Probe {
    uint32_t address;
    std::unique_ptr<DeviceConnection, void (*)(DeviceConnection*)> link{nullptr, nullptr};
    DeviceSettings settings;
    bool answered = false;
};

namespace {

// A connection may go while it is still inside one of its own signals.
void DeleteLater(DeviceConnection* link)
{
    link->deleteLater();
}

} // namespace

FoundDevice DeviceScan::FoundOf(const Probe& probe)
{
    const auto text = [&probe](ParamRow row) {
        return DeviceTextToWide(*probe.settings.Find(row.group, row.index)->value);
    };
    return {probe.address, text(ROW_SERIAL_NUMBER), text(ROW_FIRMWARE_VERSION),
            text(ROW_DEVICE_NAME)};
}

DeviceScan::DeviceScan(std::vector<uint32_t> addresses, quint16 port, int timeoutMs, int jobs,
                       QObject* parent)
    : QObject(parent), m_port(port), m_timeoutMs(timeoutMs),
      m_slots(addresses.size(), jobs, [this](std::size_t index) { StartProbe(index); })
{
    for (const uint32_t address : addresses)
        m_probes.push_back(std::make_unique<Probe>(Probe{address, {nullptr, nullptr}, {}, false}));
    connect(&m_slots, &ConnectionSlots::finished, this, &DeviceScan::finished);
}

DeviceScan::~DeviceScan()
{
    for (const auto& probe : m_probes) {
        if (probe->link) {
            probe->link->disconnect(this);
            probe->link->Cancel();
        }
    }
}

void DeviceScan::Start()
{
    m_cancelled = false;
    emit progress(0, total());
    m_slots.Start();
}

void DeviceScan::Run()
{
    QEventLoop loop;
    connect(this, &DeviceScan::finished, &loop, &QEventLoop::quit);
    Start();
    if (running())
        loop.exec();
}

void DeviceScan::StartProbe(std::size_t index)
{
    Probe& probe = *m_probes[index];
    probe.link = {new DeviceConnection(m_timeoutMs), DeleteLater};
    DeviceConnection& link = *probe.link;
    connect(&link, &DeviceConnection::finished, this,
            [this, index, &probe, &link](DeviceResult result) {
                if (result != DEVICE_OK && !probe.answered && link.lackedResources()) {
                    probe.link.reset(); // this computer's fault: tried again later
                    m_slots.PutBack(index);
                    return;
                }
                if (result != DEVICE_OK || probe.answered) {
                    ProbeDone(index, probe.answered && result == DEVICE_OK);
                    return;
                }
                probe.answered = true; // connected: now the rows it is known by
                QMetaObject::invokeMethod(
                    &link,
                    [this, index, &probe, &link] {
                        if (m_cancelled)
                            ProbeDone(index, false);
                        else
                            link.StartFetch(
                                probe.settings,
                                {ROW_SERIAL_NUMBER, ROW_FIRMWARE_VERSION, ROW_DEVICE_NAME});
                    },
                    Qt::QueuedConnection);
            });
    // Connected from the event loop: a socket that cannot be made fails at
    // once, and its probe must not end inside the slots' own start.
    QMetaObject::invokeMethod(
        &link,
        [this, index, &link, address = probe.address] {
            if (m_cancelled)
                ProbeDone(index, false);
            else
                link.StartConnect(address, m_port);
        },
        Qt::QueuedConnection);
}

void DeviceScan::ProbeDone(std::size_t index, bool answered)
{
    Probe& probe = *m_probes[index];
    probe.answered = answered;
    probe.link.reset();
    ++m_done;
    if (answered)
        emit deviceFound(FoundOf(probe));
    emit progress(m_done, total());
    m_slots.Ended(index);
}

void DeviceScan::Cancel()
{
    if (!running())
        return;
    m_cancelled = true;
    m_slots.Stop();
    // Each cancelled connection reports its end, and the last one finishes.
    for (const auto& probe : m_probes)
        if (probe->link)
            probe->link->Cancel();
}

std::vector<FoundDevice> DeviceScan::found() const
{
    std::vector<FoundDevice> devices;
    for (const auto& probe : m_probes) {
        if (!probe->answered || probe->link)
            continue;
        devices.push_back(FoundOf(*probe));
    }
    std::sort(devices.begin(), devices.end(),
              [](const FoundDevice& a, const FoundDevice& b) { return a.address < b.address; });
    return devices;
}

AddressRange RangeAround(uint32_t own, int prefixLength, int limit)
{
    const int bits = std::clamp(prefixLength, 0, 32);
    const uint64_t size = uint64_t(1) << (32 - bits);
    uint64_t first = own & ~uint32_t(size - 1);
    uint64_t last = first + size - 1;
    if (size > 2) { // hosts only: no network or broadcast address
        ++first;
        --last;
    }
    if (last - first + 1 > uint64_t(limit)) {
        const uint64_t half = uint64_t(limit) / 2;
        const uint64_t low = own > first + half ? own - half : first;
        first = std::min(low, last + 1 - uint64_t(limit));
        last = first + uint64_t(limit) - 1;
    }
    return {static_cast<uint32_t>(first), static_cast<uint32_t>(last)};
}

QString RangeText(AddressRange range)
{
    return QString::fromStdString(FormatDottedAddress(range.first) + '-' +
                                  FormatDottedAddress(range.last));
}

QStringList LocalScanRanges()
{
    QStringList ranges;
    for (const QNetworkInterface& interface : QNetworkInterface::allInterfaces()) {
        const auto flags = interface.flags();
        if (!flags.testFlag(QNetworkInterface::IsUp) ||
            flags.testFlag(QNetworkInterface::IsLoopBack))
            continue;
        for (const QNetworkAddressEntry& entry : interface.addressEntries()) {
            if (entry.ip().protocol() != QAbstractSocket::IPv4Protocol || entry.ip().isLoopback())
                continue;
            const QString text =
                RangeText(RangeAround(entry.ip().toIPv4Address(), entry.prefixLength()));
            if (!ranges.contains(text))
                ranges << text;
        }
    }
    return ranges;
}
