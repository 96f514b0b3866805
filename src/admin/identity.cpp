#include "admin/identity.h"

#include "base/line_ends.h"
#include "base/prompter.h"
#include "link/baud.h"
#include "link/command_codes.h"
#include "link/device_address.h"
#include "link/frames.h"
#include "link/line_session.h"
#include "link/link.h"
#include "link/port_choice.h"
#include "link/port_operation.h"
#include "text/operator_text.h"

#include <optional>

namespace kv {

namespace {
constexpr quint8 kEveryUnit = 0;

// The unit's address from its identity answer (a byte, the address, their XOR); nothing
// when the answer did not come whole or its check is wrong.
std::optional<int> answeredAddress(const Reply& answer)
{
    const QByteArray& reply = answer.bytes;
    if (!answer.ok() || quint8(reply.at(0) ^ reply.at(1)) != quint8(reply.at(2)))
        return std::nullopt;
    return quint8(reply.at(1));
}

} // namespace

IdentityReadOutcome ReadIdentity(PortChoice& choice, Link& link, Prompter& prompter)
{
    IdentityReadOutcome outcome;
    if (!choice.isPortChosen()) {
        outcome.result = Refuse(prompter, Text::tr("还没选择串口！"));
        return outcome;
    }
    if (!link.setsRate()) {
        outcome.result = Refuse(prompter, CommErrorText(comm::kRateFixed, choice.portText()));
        return outcome;
    }
    const QString question = JoinLines(SplitLines(
        Text::tr("这个操作将读出设备的波特率、地址码及版本号，不能有多台设备连接\n\n"
                 "                         确认只有单台设备连接吗？")));
    if (!prompter.ask(question, QString())) {
        outcome.result = Outcome::Cancelled();
        return outcome;
    }

    const int rememberedBaud = link.lineBaud();
    const QByteArray query = CheckByteFrame(command::kIdentityQuery, kEveryUnit);
    bool cancelled = false;
    bool found = false;
    // The sweep opens the port at each rate in turn, the first one by the bracket.
    link.setLineBaud(BaudRate(0));
    link.clock().sleepMs(1);
    const Outcome swept = RunOnPort(link, prompter, [&](LineSession& session) {
        for (int i = 0; i < kBaudChoices; ++i) {
            if (i > 0)
                session.changeRate(BaudRate(i));
            session.pause(1);
            const Reply answer = session.request({query, 3, 100, {}, [](const Reply& r) {
                const auto address = answeredAddress(r);
                return address ? Text::tr("地址码 %1").arg(*address) : Text::tr("校验不符");
            }});
            if (answer.cancelled()) {
                cancelled = true;
                return;
            }
            const auto address = answeredAddress(answer);
            if (!address)
                continue;
            found = true;
            outcome.baudIndex = i;
            outcome.address = *address;
            return;
        }
    });
    if (!found) {
        // The sweep leaves the line at the rate it had before.
        link.setLineBaud(rememberedBaud);
        if (swept.portFault())
            outcome.result = swept;
        else if (cancelled)
            outcome.result = Outcome::Cancelled();
        else
            outcome.result = FailWithError(prompter, Text::tr("通信错误，请检查通信端口及连接线等是否正确"));
        return outcome;
    }
    prompter.message(JoinLines(SplitLines(Text::tr("读出成功!\n\n波特率：%1 BPS\n地址码：%2 (十进制)")
                                              .arg(BaudText(outcome.baudIndex))
                                              .arg(outcome.address))),
                     QString());
    // The baud choice follows the unit: status line, the baud broadcast at the rate just
    // found, BTL.TXT and the line settings.
    outcome.result = choice.selectBaud(outcome.baudIndex, prompter, ChoiceEffect::Apply);
    outcome.deviceAddress = QString::number(outcome.address);
    return outcome;
}

IdentityChangeOutcome ModifyIdentity(const IdentityChange& change, PortChoice& choice, Link& link, Prompter& prompter)
{
    IdentityChangeOutcome outcome;
    if (change.baudIndex < 0 || change.baudIndex >= kBaudChoices) {
        outcome.result = Outcome::Refused();
        return outcome;
    }
    if (!link.maySetRate(BaudRate(change.baudIndex))) {
        outcome.result = Refuse(prompter, CommErrorText(comm::kRateFixed, choice.portText()));
        return outcome;
    }
    const auto address = DeviceAddressByte(change.newAddress, prompter);
    if (!address) {
        outcome.result = address.refusal();
        return outcome;
    }
    bool written = false;
    Outcome answer = Outcome::Cancelled();
    const Outcome ran = RunOnPort(link, prompter, [&](LineSession& session) {
        const QByteArray frame =
            CheckByteFrame(command::kModifyIdentity, kEveryUnit, QByteArray(1, char(change.baudIndex)) + char(*address));
        const Reply reply = session.request({frame, 1, 1500, {}, [](const Reply& r) {
            return IsAcknowledgement(r) ? Text::tr("写入成功") : Text::tr("写入失败");
        }});
        if (reply.cancelled())
            return;
        if (!IsAcknowledgement(reply)) {
            answer = Fail(prompter, Text::tr("写入失败"), QString());
            return;
        }
        written = true;
        prompter.message(Text::tr("写入成功"), QString());
    });
    if (!written) {
        outcome.result = ran.portFault() ? ran : answer;
        return outcome;
    }
    // The baud broadcast goes out at the rate still in force, so units that have not
    // changed hear it; then the line follows the unit.
    outcome.result = choice.selectBaud(change.baudIndex, prompter, ChoiceEffect::Apply);
    link.setLineBaud(BaudRate(change.baudIndex));
    outcome.deviceAddress = QString::number(*address);
    return outcome;
}

ProductNumberOutcome ReadProductNumber(const QString& deviceAddress, Link& link, Prompter& prompter)
{
    ProductNumberOutcome outcome;
    const auto address = DeviceAddressByte(deviceAddress, prompter);
    if (!address) {
        outcome.result = address.refusal();
        return outcome;
    }
    const QByteArray frame = CheckByteFrame(command::kProductNumber, *address);
    Outcome answer = Outcome::Cancelled();
    const Outcome ran = RunOnPort(link, prompter, [&](LineSession& session) {
        const auto checked = [](const Reply& r) { return r.ok() && XorOf(r.bytes.left(4)) == quint8(r.bytes.at(4)); };
        const Reply reply = session.request({frame, 5, 1500, {}, [&](const Reply& r) {
            return checked(r) ? Text::tr("产品编号") : Text::tr("校验不符");
        }});
        if (reply.cancelled())
            return;
        if (checked(reply)) {
            answer = Outcome::Done();
            outcome.number = ReplyText(reply);
            prompter.message(Text::tr("产品编号：%1").arg(outcome.number), QString());
            session.echo(frame);
        } else {
            answer = Fail(prompter, Text::tr("读出失败"), QString());
        }
    });
    outcome.result = ran.portFault() ? ran : answer;
    return outcome;
}

} // namespace kv
