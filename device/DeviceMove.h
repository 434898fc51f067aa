// Which settings move a device, and where it should be after an apply of
// them: a new static address, one its DHCP server chooses, another network,
// or where it was (a device may restart on a new mask and come back).
#pragma once

#include "ConfigTable.h"

#include <cstdint>
#include <optional>
#include <vector>

struct DeviceMove {
    enum class Kind {
        None,         // nothing sent moves it
        SameAddress,  // it keeps its address (a new mask), but may restart
        NewAddress,   // a new static address (newAddress)
        Dhcp,         // its DHCP server chooses its address
        OtherNetwork, // a new SSID, password or network type: it may leave this network
    };
    Kind kind = Kind::None;
    std::optional<uint32_t> newAddress;
};

// Where a device that held before should be once it applied what sent
// pushes (the rows it sends).
DeviceMove MoveOf(const DeviceSettings& before, const DeviceSettings& sent);

// The addresses to look for it at after the apply: the new one first, then
// the one it had (it may keep it until it restarts).
std::vector<uint32_t> AddressesToLook(const DeviceMove& move, uint32_t address);

// Bound on the wait for a device to come back after an apply that may move
// it (it may restart, and join its network again).
constexpr int MOVE_WAIT_MS = 60000;
