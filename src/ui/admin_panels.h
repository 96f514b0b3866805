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
};

// Builds the panels into the window and installs the target provider, the device
// address box check and the write-address dialog's opener. The start-up sequence loads
// the address queue at its own step.
AdminPanels InstallAdminPanels(MainWindow& window);

} // namespace kv::ui
