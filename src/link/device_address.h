#pragma once

#include "base/checked.h"

#include <QString>

namespace kv {

class Prompter;

// The device address box of the check-byte frames (default "1") and the identity
// panel's new-address box share one check, run on every change of the text.
struct DeviceAddressCheck {
    QString text;    // what the box holds afterwards: spaces removed, or "1" after a message
    QString message; // the message to show, or empty
};
DeviceAddressCheck CheckDeviceAddressText(const QString& text);

// The address byte of a box holding 1-254; refused (after its message) when the box is
// empty or holds anything else, so no frame is built from it.
Checked<quint8> DeviceAddressByte(const QString& text, Prompter& prompter);

} // namespace kv
