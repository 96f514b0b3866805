#include "scroll/shortcut_save.h"

#include "base/numbered_list.h"
#include "base/prompter.h"
#include "base/send_modes.h"
#include "link/line_session.h"
#include "link/port_operation.h"
#include "scroll/entry_list.h"
#include "scroll/scroll_frames.h"
#include "scroll/shortcut_content.h"
#include "scroll/shortcut_segments.h"
#include "text/operator_text.h"

namespace kv {

namespace {
constexpr int kNoticeSeconds = 2;
} // namespace

Outcome SaveShortcut(const ShortcutSaveRequest& request, Link& link, Prompter& prompter, const RecordStore& store)
{
    if (request.number < 1 || request.number > kShortcutCount)
        return Outcome::Refused();
    if (request.composition.isEmpty())
        return Refuse(prompter, NothingComposedText());
    QString problem;
    const auto content = BuildShortcutContent(request.composition, request.small, &problem);
    if (!content)
        return Refuse(prompter, problem);
    const auto target = ResolveSendTarget(request.target, prompter);
    if (!target)
        return target.refusal();

    bool delivered = false;
    const Outcome ran = RunOnPort(link, prompter, [&](LineSession& session) {
        delivered = session.write(
            ShortcutSaveWrites(*target, quint8(request.number - 1), request.small, request.powerOn, content->bytes));
    });
    if (ran.portFault())
        return ran;
    if (!delivered)
        return Outcome::Cancelled();

    QString error;
    if (!RecordNumberedItem(store, EntryListRecord(kModeShortcut), kShortcutCount, EntryListBytes(kModeShortcut),
                            request.number, content->description, &error))
        return FailWithError(prompter, error);
    prompter.notice(Text::tr("OK！"), QString(), kNoticeSeconds);
    return Outcome::Done();
}

} // namespace kv
