// Looking for devices: many addresses tried at once, each asked for its
// serial number, firmware version and name on the command service. Both programs
// search with it (the window's Find devices, tolvoctl scan).
#pragma once

#include "ConnectionSlots.h"
#include "DeviceLink.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <vector>

// A scan waits this long for each address, and tries this many at once.
constexpr int SCAN_TIMEOUT_MS = 1000;
constexpr int SCAN_JOBS = 64;
// The most addresses around the computer's own that a search proposes for
// one network.
constexpr int LOCAL_RANGE_LIMIT = 1024;

struct FoundDevice {
    uint32_t address;
    QString serialNumber;
    QString firmwareVersion;
    QString deviceName;
};

class DeviceScan : public QObject {
    Q_OBJECT
public:
    DeviceScan(std::vector<uint32_t> addresses, quint16 port = DEVICE_COMMAND_PORT,
               int timeoutMs = SCAN_TIMEOUT_MS, int jobs = SCAN_JOBS, QObject* parent = nullptr);
    ~DeviceScan() override;

    // Begins; finished() follows once every address has answered, failed or
    // been cancelled. Nothing is sent before Start.
    void Start();
    // Closes every connection under way and starts no more.
    void Cancel();
    // Start, then a local event loop until finished.
    void Run();

    bool running() const { return m_slots.running(); }
    bool cancelled() const { return m_cancelled; }
    // Whether the scan stopped because this computer could not open another
    // connection (see ConnectionSlots): the addresses not tried are no
    // answer of theirs.
    bool outOfConnections() const { return m_slots.outOfConnections(); }
    // Addresses tried to their end (answered or not).
    int tried() const { return m_done; }
    int total() const { return static_cast<int>(m_probes.size()); }
    // The devices that answered, in address order.
    std::vector<FoundDevice> found() const;

signals:
    void deviceFound(const FoundDevice& device);
    void progress(int done, int total);
    void finished();

private:
    struct Probe;
    void StartProbe(std::size_t index);
    void ProbeDone(std::size_t index, bool answered);
    static FoundDevice FoundOf(const Probe& probe);

    std::vector<std::unique_ptr<Probe>> m_probes;
    const quint16 m_port;
    const int m_timeoutMs;
    ConnectionSlots m_slots;
    int m_done = 0;
    bool m_cancelled = false;
};

// The first and last address of a range.
struct AddressRange {
    uint32_t first;
    uint32_t last;
};

// The addresses of the network of own (prefix length bits) that a search
// proposes: its hosts, without the network and broadcast addresses where
// there are such, and at most limit of them, centred on own where the
// network is larger.
AddressRange RangeAround(uint32_t own, int prefixLength, int limit = LOCAL_RANGE_LIMIT);

// "FIRST-LAST" for each IPv4 network of an interface that is up and not a
// loopback; empty when there is none.
QStringList LocalScanRanges();
QString RangeText(AddressRange range);
