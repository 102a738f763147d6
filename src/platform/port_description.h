// How the port dialog and `qv730-cli ports` name what stands behind a port, so a user can tell
// the programming cable from the other serial devices: "COM1 — /dev/ttyUSB0 — USB2.0-Serial
// (QinHeng Electronics, USB 1A86:7523)".
#pragma once

#include <QString>

#include "language/ui_language.h"
#include "platform/port_enumerator.h"
#include "platform/serial_port_map.h"

namespace qv {

// The USB ids as "1A86:7523", or "" for a device that is no USB adapter.
QString UsbIds(const SerialDeviceInfo& info);

// What the system says of a device: its product, then maker, USB ids (unless left out) and serial
// number in brackets; "" when it says nothing.
QString DeviceDescription(const SerialDeviceInfo& info, const UiTexts& texts,
                          bool withUsbIds = true);

// The device and its description: "/dev/ttyUSB0 — USB2.0-Serial (...)"; "" for a port with no
// device. On Windows, where the device is the port's own name, only the description.
QString PortDeviceText(const PortEntry& entry, const UiTexts& texts);

// The port's name and its device text: "COM1 — /dev/ttyUSB0 — USB2.0-Serial (...)", or "COM1"
// for a port with no device.
QString PortCaption(const PortEntry& entry, const UiTexts& texts);

}  // namespace qv
