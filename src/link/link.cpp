#include "link/link.h"

#include "app/prompter.h"
#include "link/baud.h"
#include "link/frames.h"
#include "link/port_map.h"

#include <QDateTime>

namespace kv {

namespace {
const QString kComFile = QStringLiteral("COM.TXT");
const QString kBaudFile = QStringLiteral("BTL.TXT");

// How long the line is given, after the last byte's own time, before the port closes.
constexpr qint64 kLineSettleMs = 10;
// How often a wait looks at the operator's cancel.
constexpr qint64 kCancelCheckMs = 250;

// The time bytes take on the line: ten bit times each.
qint64 lineMs(qint64 bytes, int baud)
{
    return baud > 0 ? (bytes * 10 * 1000 + baud - 1) / baud : 0;
}

// A drain may take the line time of what is pending, three times over, plus two
// seconds; past that the port is stalled or gone.
qint64 drainLimitMs(qint64 pending, int baud)
{
    return 2000 + 3 * lineMs(pending, baud);
}

// The longest a reply may take: its silence time-out twice over (the unit's turnaround
// and one pause), a second, and its bytes at a tenth of the line's speed. A unit that
// keeps a wait going past that, trickling bytes, will not finish the reply.
qint64 replyBoundMs(qint64 bytes, qint64 silenceMs, int baud)
{
    return 2 * silenceMs + 1000 + 10 * lineMs(bytes, baud);
}

} // namespace

Link::Link(const AppFolder& folder, SerialPortFactory factory, Clock& clock)
    : folder_(folder), factory_(std::move(factory)), port_(factory_()), clock_(clock)
{
}

Link::~Link()
{
    closePort();
}

QString Link::portText() const
{
    return runPath_.isEmpty() ? PortChoiceText(portChoice_) : runPath_;
}

QString Link::devicePath() const
{
    if (!runPath_.isEmpty())
        return runPath_;
    return PortMap::load(folder_).pathFor(portChoice_);
}

QString Link::lineSettings() const
{
    return LineSettingsText(lineBaud_);
}

void Link::usePathForRun(const QString& path)
{
    runPath_ = path;
}

void Link::setPortChoiceQuietly(int index)
{
    portChoice_ = index;
    if (observer_)
        observer_->portChoiceChanged(index);
}

void Link::setBaudChoiceQuietly(int index)
{
    baudChoice_ = index;
    if (observer_)
        observer_->baudChoiceChanged(index);
}

void Link::setStatusText(const QString& text)
{
    statusText_ = text;
    if (observer_)
        observer_->statusTextChanged(text);
}

bool Link::writeSetting(const QString& name, const QString& value, Prompter& prompter)
{
    QString reason;
    if (!folder_.ensureSettingsFolder()) {
        prompter.error(FileWriteErrorText(folder_.settingsFolder(), QStringLiteral("无法创建文件夹")));
        return false;
    }
    if (!WriteTextFile(folder_.settingsPath(name), value, &reason)) {
        prompter.error(FileWriteErrorText(folder_.settingsPath(name), reason));
        return false;
    }
    return true;
}

void Link::selectPort(int index, Prompter& prompter)
{
    setPortChoiceQuietly(index);
    try {
        if (index > 0) {
            runPath_.clear();
            if (!writeAddressDialogVisible_) {
                // Opening and closing at once probes the port: a missing or busy port
                // is reported now rather than at the first operation.
                ensurePortOpen();
                closePort();
            }
            writeSetting(kComFile, QString::number(index), prompter);
            setStatusText(QStringLiteral("  串 口：") + portText() + QStringLiteral("  波特率：")
                          + lineSettings());
        } else {
            setStatusText(QStringLiteral("  串 口：") + PortChoiceText(0) + QStringLiteral("  波特率：")
                          + lineSettings());
            writeSetting(kComFile, QStringLiteral("0"), prompter);
        }
    } catch (const CommError& error) {
        showCommError(prompter, error);
    }
}

void Link::selectBaud(int index, Prompter& prompter)
{
    setBaudChoiceQuietly(index);
    try {
        setStatusText(QStringLiteral("  串 口：") + portText() + QStringLiteral("  波特率：")
                      + LineSettingsText(BaudRate(index)));
        if (writeAddressDialogVisible_ || index < 0 || index >= kBaudChoices)
            return;
        if (portChoice_ == 0 && runPath_.isEmpty()) {
            // No port is chosen, so there is no line to tell; the rate is still the one
            // the next chosen port will use.
            lineBaud_ = BaudRate(index);
            writeSetting(kBaudFile, QString::number(index), prompter);
            return;
        }
        if (openPortReport(prompter) != 0)
            return;
        // Sent at the line settings still in force, so units listening at the old rate
        // hear it.
        write(AddressedFrame(0xFF, 0x17, QByteArray::fromRawData("\x77", 1) + char(index)));
        drainOutput();
        closePort();
        writeSetting(kBaudFile, QString::number(index), prompter);
        lineBaud_ = BaudRate(index);
    } catch (const CommError& error) {
        closePort();
        showCommError(prompter, error);
    }
}

void Link::startupRestore(Prompter& prompter)
{
    const auto port = ReadIndexSetting(folder_.settingsPath(kComFile), kPortChoices);
    if (port) {
        selectPort(*port, prompter);
    } else {
        writeSetting(kComFile, QStringLiteral("1"), prompter);
        selectPort(1, prompter);
    }
    const auto baud = ReadIndexSetting(folder_.settingsPath(kBaudFile), kBaudChoices);
    if (baud) {
        selectBaud(*baud, prompter);
        closePort();
        lineBaud_ = BaudRate(*baud);
    } else {
        writeSetting(kBaudFile, QString::number(kFirstStartBaudIndex), prompter);
        selectBaud(kFirstStartBaudIndex, prompter);
    }
}

void Link::ensurePortOpen()
{
    if ((portChoice_ != 0 || !runPath_.isEmpty()) && !port_->isOpen())
        port_->open(devicePath(), lineBaud_);
}

void Link::closePort()
{
    if (!port_->isOpen())
        return;
    // The driver may report an empty buffer while the last bytes are still in the
    // adapter's FIFO; closing or changing the rate then would cut them off.
    const qint64 wait = lineBusyUntilMs_ + kLineSettleMs - clock_.nowMs();
    if (wait > 0)
        clock_.sleepMs(static_cast<int>(wait));
    port_->close();
}

bool Link::isOpen() const
{
    return port_->isOpen();
}

int Link::openPortReport(Prompter& prompter)
{
    try {
        if (!port_->isOpen())
            port_->open(devicePath(), lineBaud_);
        return 0;
    } catch (const CommError& error) {
        showCommError(prompter, error);
        return error.number;
    }
}

void Link::write(const QByteArray& bytes)
{
    // Whatever arrived before this frame answers nothing we are about to ask. It is
    // dropped here rather than when the reply wait starts: a quick unit's reply may
    // already be arriving by then.
    port_->discardInput();
    port_->write(bytes);
    lineBusyUntilMs_ = qMax(lineBusyUntilMs_, clock_.nowMs()) + lineMs(bytes.size(), lineBaud_);
    logTraffic(true, bytes);
}

bool Link::cancelRequested() const
{
    return cancel_ && cancel_->requested();
}

bool Link::drainOutput()
{
    qint64 pending = port_->pendingOutput();
    if (pending <= 0)
        return true;
    const qint64 start = clock_.nowMs();
    const qint64 limit = drainLimitMs(pending, lineBaud_);
    while (pending > 0) {
        if (cancelRequested())
            return false;
        const qint64 elapsed = clock_.nowMs() - start;
        if (elapsed > limit) {
            closePort();
            throw CommError{comm::kDrainTimeout};
        }
        port_->waitForOutput(static_cast<int>(qMin(limit - elapsed + 1, kCancelCheckMs)));
        pending = port_->pendingOutput();
    }
    return true;
}

Reply Link::waitReply(int n, int timeoutMs, const WaitProgress& progress)
{
    return collectReply(qMax(n, 0), timeoutMs, {}, 0, progress);
}

Reply Link::waitTwoPartReply(int headBytes, int headTimeoutMs,
                             const std::function<int(const QByteArray& head)>& restLength, int restTimeoutMs)
{
    return collectReply(qMax(headBytes, 0), headTimeoutMs, restLength, restTimeoutMs, {});
}

Reply Link::collectReply(int headBytes, int headTimeoutMs, const std::function<int(const QByteArray& head)>& restLength,
                         int restTimeoutMs, const WaitProgress& progress)
{
    Reply reply;
    const qint64 start = clock_.nowMs();
    qint64 lastByteAt = start;
    qint64 expected = restLength ? -1 : headBytes; // the whole length, once known
    qint64 timeoutMs = headTimeoutMs;
    qint64 boundMs = replyBoundMs(headBytes, headTimeoutMs, lineBaud_);
    auto finish = [&](ReplyStatus status) {
        if (status != ReplyStatus::Complete)
            reply.bytes += port_->readInput();
        if (!reply.bytes.isEmpty())
            logTraffic(false, reply.bytes);
        port_->discardInput();
        reply.status = status;
        return reply;
    };
    for (;;) {
        bool arrived = false;
        if (port_->inputCount() > 0) {
            reply.bytes += port_->readInput();
            // The time-out bounds the silence, not the whole reply: every new byte
            // starts it again.
            lastByteAt = clock_.nowMs();
            arrived = true;
        }
        if (expected < 0 && reply.bytes.size() >= headBytes) {
            const int rest = restLength(reply.bytes.left(headBytes));
            if (rest < 0)
                return finish(ReplyStatus::Malformed);
            expected = headBytes + qint64(rest);
            timeoutMs = restTimeoutMs;
            boundMs = replyBoundMs(expected, qint64(headTimeoutMs) + restTimeoutMs, lineBaud_);
        }
        // Bytes past the reply end the wait at once; they are never collected without
        // bound.
        if (expected >= 0 && reply.bytes.size() > expected)
            return finish(ReplyStatus::Overflow);
        if (expected >= 0 && reply.bytes.size() == expected)
            return finish(ReplyStatus::Complete);
        if (cancelRequested())
            return finish(ReplyStatus::Cancelled);
        const qint64 now = clock_.nowMs();
        const qint64 silent = now - lastByteAt;
        if (silent > timeoutMs || now - start > boundMs)
            return finish(ReplyStatus::TimedOut);
        if (progress)
            progress(now - start);
        const qint64 slice = qMin(qMin(timeoutMs - silent, boundMs - (now - start)) + 1, kCancelCheckMs);
        if (arrived) {
            // The rest of a reply cannot come faster than the line carries it: sleep
            // its line time in one go instead of waking for each byte.
            const qint64 owed = (expected >= 0 ? expected : headBytes) - reply.bytes.size();
            clock_.sleepMs(static_cast<int>(qMin(slice, qMax<qint64>(1, lineMs(owed, lineBaud_)))));
        } else {
            port_->waitForInput(static_cast<int>(slice));
        }
    }
}

void Link::showCommError(Prompter& prompter, const CommError& error)
{
    const QString text = CommErrorText(error.number, portText());
    if (!text.isEmpty())
        prompter.error(text);
    // A missing chosen port falls back to "关闭"; a path given for one run is not the
    // saved choice and leaves it alone.
    if (error.number == comm::kPortMissing && runPath_.isEmpty())
        selectPort(0, prompter);
}

QString Link::echoSent(const QByteArray& frame)
{
    const QString text = SpacedHexText(frame);
    if (observer_)
        observer_->sentDataShown(QStringLiteral("你刚刚发送的数据：") + text);
    return text;
}

void Link::logTraffic(bool sent, const QByteArray& bytes)
{
    if (observer_)
        observer_->trafficLogged({QDateTime::currentMSecsSinceEpoch(), sent, bytes, lineBaud_});
}

QString Btyes2String(Link& link, const QByteArray& frame)
{
    return link.echoSent(frame);
}

} // namespace kv
