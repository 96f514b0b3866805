#include "admin/bus_scan.h"

#include "base/line_ends.h"
#include "base/prompter.h"
#include "link/command_codes.h"
#include "link/frames.h"
#include "link/line_session.h"
#include "link/link.h"
#include "link/port_operation.h"
#include "text/operator_text.h"

namespace kv {

namespace {
constexpr int kProbeReplyMs = 200;
// Lets an answering unit finish before the next probe goes out.
constexpr int kAfterAnswerMs = 20;

QString resultText(const QList<int>& found)
{
    QString lines;
    for (int address : found)
        lines += Text::tr("地址码为：%1的设备").arg(address) + kCrLf;
    return Text::tr("共检测到%1个连接的设备，分别为：").arg(found.size()) + kCrLf + lines;
}
} // namespace

BusScanOutcome ScanConnectedDevices(const TargetChoice& choice, Link& link, Prompter& prompter)
{
    BusScanOutcome outcome;
    TargetChoice queueChoice = choice;
    queueChoice.mode = SendMode::AddressQueue;
    const auto target = ResolveSendTarget(queueChoice, prompter);
    if (!target) {
        outcome.result = target.refusal();
        return outcome;
    }

    const QByteArray& addresses = target->queue;
    bool cancelled = false;
    outcome.result = RunOnPort(link, prompter, [&](LineSession& session) {
        ProgressScope progress(prompter, Text::tr("扫描连接的设备"), Text::tr("正在扫描"), int(addresses.size()));
        for (int i = 0; i < addresses.size(); ++i) {
            const quint8 address = quint8(addresses.at(i));
            if (!progress.step(i, Text::tr("地址码 %1").arg(address))) {
                cancelled = true;
                break;
            }
            const Reply reply = session.request({AddressedFrame(address, command::kProbe, QByteArray(2, '\0')), 1, kProbeReplyMs});
            if (reply.cancelled()) {
                cancelled = true;
                break;
            }
            if (!reply.ok() || quint8(reply.bytes.at(0)) != address)
                continue;
            outcome.found << address;
            session.pause(kAfterAnswerMs);
        }
        if (!cancelled)
            progress.step(int(addresses.size()));
    });
    if (outcome.result.portFault())
        return outcome;
    if (cancelled) {
        outcome.result = Outcome::Cancelled();
        return outcome;
    }
    if (outcome.found.isEmpty()) {
        outcome.result = FailWithError(prompter, Text::tr("没有任何设备连接或通讯错误！"), QString());
        return outcome;
    }
    prompter.message(resultText(outcome.found), QString());
    outcome.result = Outcome::Done();
    return outcome;
}

} // namespace kv
