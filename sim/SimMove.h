// Where a device goes when it applies settings, as a Wi-Fi module being
// commissioned onto a site network does: to its new static address, to an
// address a DHCP server gives it, or off this network altogether.
#pragma once

#include <QByteArray>
#include <QMap>
#include <QtGlobal>

struct MoveOptions {
    int afterMs = -1;                  // the gap before it listens again; below 0: never moves
    bool leaveOnNetworkChange = false; // a new SSID, PASSWORD or NTYPE takes it off this network
    bool hasDhcpRange = false;         // a DHCP server gives out dhcpFirst to dhcpLast (IPv4)
    quint32 dhcpFirst = 0;
    quint32 dhcpLast = 0;
    bool enabled() const { return afterMs >= 0; }
};

struct MovePlan {
    enum class Kind {
        Stay,     // listens where it does
        ToStatic, // to the IPADDRESS applied (nowhere when that is off loopback)
        ToLease,  // to an address the DHCP server gives it (nowhere without one)
        Leave,    // joined another network: nowhere
    };
    Kind kind = Kind::Stay;
    QByteArray address; // ToStatic: the IPADDRESS applied, as the device holds it
};

// What an apply that turned the values before into those after does to the
// device's address. Leaving wins over a new address; DHCP turned on wins over
// a new static address.
MovePlan PlanMove(const MoveOptions& options, const QMap<QByteArray, QByteArray>& before,
                  const QMap<QByteArray, QByteArray>& after);
