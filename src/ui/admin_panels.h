#pragma once

namespace kv::ui {

class IdentityPanel;
class MainWindow;
class QueuePanel;
class TargetPanel;
class WriteAddressDialog;

// The panels of unit administration and send targeting, as placed in the window.
struct AdminPanels {
    TargetPanel* target = nullptr;
    QueuePanel* queue = nullptr;
    IdentityPanel* identity = nullptr;
    WriteAddressDialog* writeAddress = nullptr;

    // Start-up steps, each at its place in the load order: the specified address box
    // back at "0", and the device address queue from data.txt and its ticks.
    void resetSpecifiedAddress() const;
    void loadQueue() const;
};

// Builds the panels into the window and installs the target provider, the device
// address box check and the write-address dialog's opener.
AdminPanels InstallAdminPanels(MainWindow& window);

} // namespace kv::ui
