#pragma once

#include "app/app_folder.h"
#include "link/send_target.h"

#include <functional>

class QLineEdit;

namespace kv {
class Link;
class Prompter;
} // namespace kv

namespace kv::ui {

class OperationRunner;

// What every panel of the window works with.
struct PanelContext {
    AppFolder folder;
    Link& link;
    OperationRunner& runner;
    // Messages a panel shows from the window's own thread (input checks).
    Prompter& prompter;
    // The device address box "地址码：" of the serial strip: byte 2 of check-byte frames.
    QLineEdit* deviceAddressBox = nullptr;
    // The current send-mode option, specified address and ticked queue, installed by the
    // panel that owns the option group.
    std::function<TargetChoice()> targetChoice;
    // Opens the write-address dialog (an item of the device command menu), installed by
    // the administration panels.
    std::function<void()> openWriteAddressDialog;
};

} // namespace kv::ui
