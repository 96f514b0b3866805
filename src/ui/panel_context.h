#pragma once

#include "app/app_folder.h"
#include "link/send_target.h"

#include <functional>

class QLineEdit;

namespace kv {
class Link;
class PortChoice;
class Prompter;
} // namespace kv

namespace kv::ui {

class OperationRunner;

// What every panel of the window works with.
struct PanelContext {
    AppFolder folder;
    Link& link;
    PortChoice& portChoice;
    OperationRunner& runner;
    // Messages a panel shows from the window's own thread (input checks).
    Prompter& prompter;
    // The device address box "地址码：" of the serial strip: byte 2 of check-byte frames.
    QLineEdit* deviceAddressBox = nullptr;
    // The send target of every send that honours the send mode: the current send-mode
    // option, specified address and ticked queue; broadcast while no option group is
    // installed.
    TargetChoice target() const { return targetSource ? targetSource() : TargetChoice{}; }
    // Installed by the panel that owns the option group; panels ask target().
    std::function<TargetChoice()> targetSource;
    // Opens the write-address dialog (an item of the device command menu), installed by
    // the administration panels.
    std::function<void()> openWriteAddressDialog;
    // Whether the write-address dialog is showing: the serial strip's choices then only
    // show, and a stored scroll is not played.
    bool writeAddressDialogVisible = false;
};

} // namespace kv::ui
