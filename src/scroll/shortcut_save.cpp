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

namespace kv {

namespace {
constexpr int kNoticeSeconds = 2;
} // namespace

ShortcutSaveOutcome SaveShortcut(const ShortcutSaveRequest& request, Link& link, Prompter& prompter,
                                 const RecordStore& store)
{
    ShortcutSaveOutcome outcome;
    if (request.number < 1 || request.number > kShortcutCount)
        return outcome;
    if (request.composition.isEmpty()) {
        prompter.error(NothingComposedText());
        return outcome;
    }
    QString problem;
    const auto content = BuildShortcutContent(request.composition, request.small, &problem);
    if (!content) {
        prompter.error(problem);
        return outcome;
    }
    const auto target = ResolveSendTarget(request.target, prompter);
    if (!target)
        return outcome;

    bool delivered = false;
    RunOnPort(link, prompter, [&](LineSession& session) {
        delivered = session.write(
            ShortcutSaveWrites(*target, quint8(request.number - 1), request.small, request.powerOn, content->bytes));
    });
    if (!delivered)
        return outcome;

    outcome.saved = true;
    QString error;
    if (!RecordNumberedItem(store, EntryListRecord(kModeShortcut), kShortcutCount, EntryListBytes(kModeShortcut),
                            request.number, content->description, &error)) {
        prompter.error(error);
        return outcome;
    }
    prompter.notice(QStringLiteral("OK！"), QString(), kNoticeSeconds);
    return outcome;
}

} // namespace kv
