#pragma once

namespace kv::ui {

class DeviceMenuPanel;
class DisplayTestPanel;
class MainWindow;

// The panels of device control and the display tests, as placed in the window.
struct ControlPanels {
    DeviceMenuPanel* menu = nullptr;
    DisplayTestPanel* test = nullptr;
};

// Builds the panels into the window. The write-address dialog and the font panel are
// installed before, since the menu opens the one and the test panel waits for the other.
ControlPanels InstallControlPanels(MainWindow& window);

} // namespace kv::ui
