#pragma once

class QLineEdit;

namespace kv {
class Prompter;
}

namespace kv::ui {

// The device address box and the new-address box check their text on every change:
// spaces are removed, and anything but 1-254 shows its message and returns the box
// to "1".
void CheckDeviceAddressOnChange(QLineEdit* box, Prompter& prompter);

} // namespace kv::ui
