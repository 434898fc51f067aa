#include "SimMove.h"

MovePlan PlanMove(const MoveOptions& options, const QMap<QByteArray, QByteArray>& before,
                  const QMap<QByteArray, QByteArray>& after)
{
    if (!options.enabled())
        return {};
    const auto changed = [&](const QByteArray& key) {
        return before.value(key) != after.value(key);
    };
    const bool networkChanged = changed("SSID") || changed("PASSWORD") || changed("NTYPE");
    if (options.leaveOnNetworkChange && networkChanged)
        return {MovePlan::Kind::Leave, {}};
    const QByteArray dhcpBefore = before.value("DHCP");
    const QByteArray dhcpAfter = after.value("DHCP");
    if (dhcpBefore == "0" && dhcpAfter == "1")
        return {options.hasDhcpRange ? MovePlan::Kind::ToLease : MovePlan::Kind::Leave, {}};
    if (dhcpAfter == "0" && (dhcpBefore == "1" || changed("IPADDRESS")))
        return {MovePlan::Kind::ToStatic, after.value("IPADDRESS")};
    return {};
}
