#pragma once

#include "app/app_folder.h"
#include "link/clock.h"
#include "link/comm_error.h"
#include "link/reply.h"
#include "link/serial_port.h"
#include "link/traffic.h"

#include <QByteArray>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>

namespace kv {

class CancelFlag;
class Prompter;

// What the window shows of the link; the link tells it of every change. Calls come
// from the thread that runs the operation, so a window marshals them to its own.
class LinkObserver {
public:
    virtual ~LinkObserver() = default;
    virtual void portChoiceChanged(int index) = 0;
    virtual void baudChoiceChanged(int index) = 0;
    virtual void statusTextChanged(const QString& text) = 0;
    // The sent-data pane: show this text, then hide it after 20 s.
    virtual void sentDataShown(const QString& paneText) = 0;
    virtual void trafficLogged(const TrafficEntry& entry) = 0;
};

// The serial link: the port and baud choices with their settings files, the line
// settings in force, the port itself (closed between operations), frame writes, the
// bounded drain and the reply wait.
class Link {
public:
    Link(const AppFolder& folder, SerialPortFactory factory, Clock& clock);
    ~Link();

    void setObserver(LinkObserver* observer) { observer_ = observer; }
    const AppFolder& folder() const { return folder_; }
    Clock& clock() { return clock_; }

    // --- state of the serial strip ---
    int portChoice() const { return portChoice_; }
    // The port as the port choice shows it, or the device path given for this run.
    QString portText() const;
    QString devicePath() const;
    int baudChoice() const { return baudChoice_; }
    int lineBaud() const { return lineBaud_; }
    QString lineSettings() const;
    QString statusText() const { return statusText_; }
    // A device path for this run instead of the chosen COMk (kvctl --port PATH).
    void usePathForRun(const QString& path);
    // Sets the choices without running their handlers (kvctl's run settings).
    void setPortChoiceQuietly(int index);
    void setBaudChoiceQuietly(int index);
    void setLineBaud(int baud) { lineBaud_ = baud; }
    // While the write-address dialog is visible, the port is not probed and a baud
    // change is neither broadcast nor saved.
    void setWriteAddressDialogVisible(bool visible) { writeAddressDialogVisible_ = visible; }
    bool writeAddressDialogVisible() const { return writeAddressDialogVisible_; }

    // --- the two selection handlers and the start-up restore ---
    void selectPort(int index, Prompter& prompter);
    void selectBaud(int index, Prompter& prompter);
    void startupRestore(Prompter& prompter);

    // --- the operation bracket ---
    void ensurePortOpen();
    void closePort();
    bool isOpen() const;
    int openPortReport(Prompter& prompter);
    void write(const QByteArray& bytes);
    // Waits until what was written has left the port. Ends with a CommError when the
    // line stalls past a limit that follows from the bytes pending and the rate; returns
    // false when the operator cancelled.
    bool drainOutput();

    // Called about four times a second while a reply is awaited, with the ms waited.
    using WaitProgress = std::function<void(qint64 waitedMs)>;
    // Waits for exactly n reply bytes. The time-out bounds the silence before the first
    // byte and between bytes; a byte past n ends the wait at once, and so does the
    // operator's cancel. A wait never lasts longer than its silence time-out twice over,
    // a second, and ten times the line time of the bytes awaited.
    Reply waitReply(int n, int timeoutMs, const WaitProgress& progress = {});
    // A reply in two parts whose second length follows from the first: waits for
    // headBytes, asks restLength how many bytes follow them (negative: the head is
    // unusable), then waits for exactly that many more. A unit may send both parts in
    // one go, so nothing that arrives after the head is discarded. Each part's time-out
    // bounds the silence as in waitReply; the reply's bytes are the whole reply.
    Reply waitTwoPartReply(int headBytes, int headTimeoutMs,
                           const std::function<int(const QByteArray& head)>& restLength, int restTimeoutMs);
    // The running operation's cancel, looked at by every wait and the drain; nullptr
    // when nothing may cancel.
    void setCancelFlag(const CancelFlag* flag) { cancel_ = flag; }
    const CancelFlag* cancelFlag() const { return cancel_; }
    // Shows the message for a serial-port fault; a missing port also sets the port
    // choice back to "关闭".
    void showCommError(Prompter& prompter, const CommError& error);

    // Shows "你刚刚发送的数据：" and the frame in the sent-data pane; returns the text.
    QString echoSent(const QByteArray& frame);

private:
    void setStatusText(const QString& text);
    void logTraffic(bool sent, const QByteArray& bytes);
    bool writeSetting(const QString& name, const QString& value, Prompter& prompter);
    bool cancelRequested() const;
    Reply collectReply(int headBytes, int headTimeoutMs, const std::function<int(const QByteArray& head)>& restLength,
                       int restTimeoutMs, const WaitProgress& progress);

    AppFolder folder_;
    SerialPortFactory factory_;
    std::unique_ptr<SerialPort> port_;
    Clock& clock_;
    LinkObserver* observer_ = nullptr;

    int portChoice_ = 0;
    QString runPath_;
    int baudChoice_ = -1;
    int lineBaud_ = 115200;
    QString statusText_;
    // Set from the window's thread while an operation may read it on the worker.
    std::atomic<bool> writeAddressDialogVisible_{false};
    const CancelFlag* cancel_ = nullptr;
    // When the last byte written will have left the line, on the link's clock.
    qint64 lineBusyUntilMs_ = 0;
};

// Formats a frame just sent and shows it in the sent-data pane through the link.
QString Btyes2String(Link& link, const QByteArray& frame);

} // namespace kv
