// An address plan for sending to many devices: each device's new static
// address and the mask, either counted upward from a first address within
// the mask's subnet in the order of the devices, or a list of lines "serial
// number or current address, then the new address" (blank lines and "#"
// comments as in a list of addresses). Checked before anything is sent:
// every problem is a sentence that names the rows it refuses.
#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

// One line of a plan's list.
struct PlanLine {
    QString who;          // a serial number, or a current address as written
    uint32_t address = 0; // the new address
    int line = 0;         // its line number, counted from 1
};

struct AddressPlan {
    uint32_t mask = 0;
    std::optional<uint32_t> first; // counted upward from here; else the lines
    std::vector<PlanLine> lines;
    QString where; // the list's name in messages: a file's path, or "the list"
};

// A device to plan for: where it is now, its serial number where known, and
// the address the plan gives it (0: none).
struct PlannedDevice {
    uint32_t current = 0;
    QString serial;
    uint32_t planned = 0;
};

// "A.B.C.D/N": counted upward from A.B.C.D within the subnet of prefix N.
bool ParsePlanFirst(const QString& text, AddressPlan& plan, QString& error);
// The lines of a list; a line that is none is named by where and number.
bool ParsePlanText(const QString& text, const QString& where, AddressPlan& plan, QString& error);
// The same for a file, at most as large as a list of addresses may be.
bool ReadPlanFile(const QString& path, AddressPlan& plan, QString& error);

// Whether some line names a device by its serial number.
bool NamesSerials(const AddressPlan& plan);
// The mask as a prefix length; nullopt for a mask whose bits are not contiguous.
std::optional<int> PrefixLength(uint32_t mask);

// Gives each device its planned address, and every problem of the plan that
// needs no network: one address for several devices, the network or
// broadcast address, an address outside the subnet, a device no line names,
// a line that names no device or a device another line names too.
QStringList PlanDevices(const AddressPlan& plan, std::vector<PlannedDevice>& devices);
// The planned addresses that are not their device's own current address:
// those another device may already answer on.
std::vector<uint32_t> AddressesToProbe(const std::vector<PlannedDevice>& devices);
// One problem for each device whose planned address answered.
QStringList AnsweringProblems(const std::vector<PlannedDevice>& devices,
                              const std::vector<uint32_t>& answering);
// "127.0.47.1 (TS-1) to 127.0.48.5": a device's row of the plan.
QString PlanRowText(const PlannedDevice& device);
