#pragma once

#include "base/app_folder.h"
#include "base/outcome.h"

#include <QString>
#include <atomic>
#include <optional>

namespace kv {

class Link;
class Prompter;

// What the window shows of the port and rate choice; the choice tells it of every
// change. Calls come from the thread that runs the operation, so a window marshals them
// to its own.
class PortChoiceObserver {
public:
    virtual ~PortChoiceObserver() = default;
    virtual void portChoiceChanged(int index) = 0;
    virtual void baudChoiceChanged(int index) = 0;
    virtual void statusTextChanged(const QString& text) = 0;
};

// While the write-address dialog is open the operator's choices only show: the port is
// not probed, and a rate is neither broadcast to the units nor saved, because the dialog
// is about to change the unit's own rate.
enum class ChoiceEffect { Apply, ShowOnly };

// The serial strip's two choices with their settings files (COM.TXT, BTL.TXT) and the
// status text. It tells the link where the port is and at which rate the line runs; the
// link does the rest.
class PortChoice {
public:
    PortChoice(const AppFolder& folder, Link& link);
    ~PortChoice();
    PortChoice(const PortChoice&) = delete;
    PortChoice& operator=(const PortChoice&) = delete;

    void setObserver(PortChoiceObserver* observer) { observer_ = observer; }

    int portChoice() const { return portChoice_; }
    int baudChoice() const { return baudChoice_; }
    QString statusText() const { return statusText_; }
    // A COMk, or a device path given for this run.
    bool isPortChosen() const { return portChoice_ != 0 || !runPath_.isEmpty(); }
    // The port as messages name it: the chosen COMk ("关闭" for none) or the run's path.
    QString portText() const;

    // The choices the settings files hold; nothing when a file is missing or holds no
    // item of its selector.
    std::optional<int> savedPortChoice() const;
    std::optional<int> savedBaudChoice() const;
    // A device path for this run instead of the chosen COMk (kvctl --port PATH).
    void usePathForRun(const QString& path);
    // Set the choices without running their handlers (kvctl's run settings).
    void setPortChoiceQuietly(int index);
    void setBaudChoiceQuietly(int index);

    // The two selection handlers of the serial strip and the start-up restore. A port
    // chosen is probed, a rate chosen is broadcast; either ends with its setting saved.
    Outcome selectPort(int index, Prompter& prompter, ChoiceEffect effect);
    Outcome selectBaud(int index, Prompter& prompter, ChoiceEffect effect);
    void startupRestore(Prompter& prompter);

private:
    QString devicePath() const;
    void setStatusText(const QString& text);
    Outcome writeSetting(const QString& name, const QString& value, Prompter& prompter);

    AppFolder folder_;
    Link& link_;
    PortChoiceObserver* observer_ = nullptr;
    // Set by the operations (on their thread), read by the window to show them.
    std::atomic<int> portChoice_{0};
    QString runPath_;
    std::atomic<int> baudChoice_{-1};
    QString statusText_;
};

} // namespace kv
