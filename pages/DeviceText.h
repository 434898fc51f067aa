// The check of a text field whose value goes to the device as 8-bit text.
#pragma once

#include <QString>

class DataExchange;

// When reading, refuses text the device cannot store (too long, characters
// outside Latin-1, line breaks) with a warning naming the limit. what names
// the field, e.g. "The SSID".
void CheckDeviceText(DataExchange& dx, const QString& value, const QString& what);
