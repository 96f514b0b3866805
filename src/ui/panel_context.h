#pragma once

#include "base/app_folder.h"
#include "link/send_target.h"

#include <functional>
#include <optional>
#include <vector>

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

    // Shows help/FILE in the help viewer under "使用帮助---" + topic; installed by the
    // window.
    std::function<void(const QString& file, const QString& topic)> showHelp{};
    // What the main "帮助" button explains (a HelpContext): each editor sets it as the
    // operator opens it.
    int helpContext = 0;
    void setHelpContext(int context) { helpContext = context; }

    // The unit model of "产品型号" (a DeviceModelNames index); nothing until an option is
    // set. A panel whose controls depend on it adds a listener, called on every change.
    std::optional<int> deviceModel{};
    std::vector<std::function<void(int model)>> deviceModelListeners{};
    void onDeviceModelChanged(std::function<void(int model)> listener)
    {
        deviceModelListeners.push_back(std::move(listener));
    }
    void setDeviceModel(int model)
    {
        deviceModel = model;
        for (const auto& listener : deviceModelListeners)
            listener(model);
    }
};

} // namespace kv::ui
