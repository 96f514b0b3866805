#include "scroll/stored_scroll_play.h"

#include "link/command_codes.h"
#include "link/frames.h"
#include "link/line_session.h"
#include "link/port_operation.h"
#include "text/operator_text.h"

namespace kv {

namespace {
constexpr int kShortcuts = 16;
} // namespace

QStringList StoredScrollItems()
{
    QStringList items{Text::tr("开机滚动")};
    for (int n = 1; n <= kShortcuts; ++n)
        items << Text::tr("快捷%1").arg(n);
    return items;
}

Outcome PlayStoredScroll(int item, const TargetChoice& choice, Link& link, Prompter& prompter)
{
    if (item < 0 || item > kShortcuts)
        return Outcome::Refused();
    const auto target = ResolveSendTarget(choice, prompter);
    if (!target)
        return target.refusal();
    const bool shortcut = item > 0;
    QByteArray fields;
    fields.append(char(shortcut ? 1 : 0));
    fields.append(char(shortcut ? item - 1 : 0));
    fields.append(target->queueFields());
    return RunOnPort(link, prompter, [&](LineSession& session) {
        session.write(AddressedFrame(target->address, command::kPlayStoredScroll, fields));
        session.pause(10);
    });
}

} // namespace kv
