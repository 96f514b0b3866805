#pragma once

#include "base/app_folder.h"
#include "link/send_target.h"
#include "operation_runner.h"

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

// What an operation started from a panel works with: the window's line and port
// choice, the send target and the device address box's text as they were when the
// operator started it, and the prompter of the worker thread.
struct Operands {
    Link& link;
    PortChoice& portChoice;
    TargetChoice target;
    QString deviceAddress;
    Prompter& prompter;
};

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
    // The device address box's text; "1" while the window has no serial strip.
    QString deviceAddress() const;

    // Starts work on the runner with its operands bound now, on the window's thread;
    // done then runs as OperationRunner::run describes. Returns false (after the
    // message) when another operation is running.
    template <typename Outcome>
    bool startOperation(std::function<Outcome(const Operands&)> work, std::function<void(Outcome)> done)
    {
        return runner.run<Outcome>(bound(std::move(work)), std::move(done));
    }
    bool startOperation(std::function<void(const Operands&)> work, std::function<void()> done = {})
    {
        return runner.run(bound(std::move(work)), std::move(done));
    }
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

private:
    // The work as the runner takes it: what the operands read from widgets is read
    // here, never on the worker thread.
    template <typename Result>
    std::function<Result(Prompter&)> bound(std::function<Result(const Operands&)> work) const
    {
        return [work = std::move(work), line = &link, choice = &portChoice, target = target(),
                address = deviceAddress()](Prompter& prompter) {
            return work(Operands{*line, *choice, target, address, prompter});
        };
    }
};

} // namespace kv::ui
