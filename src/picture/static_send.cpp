#include "picture/static_send.h"

#include "base/display_effects.h"
#include "base/position_time_checks.h"
#include "base/prompter.h"
#include "base/record_store.h"
#include "base/send_modes.h"
#include "base/unit_text.h"
#include "picture/font_list.h"
#include "picture/frame_send.h"
#include "picture/last_sent_text.h"
#include "picture/mode_parameters.h"
#include "picture/picture_file.h"
#include "picture/picture_lists.h"
#include "picture/picture_purposes.h"
#include "picture/picture_send.h"
#include "picture/static_text.h"
#include "picture/text_purposes.h"

namespace kv {

namespace {
const QString kNoEntryChosen = QStringLiteral("先选择要发送的信息");

bool uses(int mode, std::initializer_list<int> modes)
{
    return std::find(modes.begin(), modes.end(), mode) != modes.end();
}

// Whether the send keeps its text as the mode's last one; the custom font keeps only a
// text as typed, not one turned upright.
bool keepsText(const StaticSendRequest& request)
{
    return HasLastSentText(request.mode) && (request.mode != kModeStaticRendered || request.fields.horizontal);
}

// What follows a send that ran to its end: the display timer, then the records.
void afterSend(const StaticSendRequest& request, int timer, Link& link, Prompter& prompter, const AppFolder& folder,
               StaticSendOutcome& outcome)
{
    outcome.sent = true;
    if (timer > 0)
        outcome.timerSent = SendTimedDisplay({timer, false, request.target}, link, prompter).completed;
    if (request.mode == kModeStoredPicture)
        return;
    QString error;
    if (keepsText(request) && !SaveLastSentText(RecordStore(folder), request.mode, request.fields.text, &error))
        prompter.error(error);
    if (!SaveModeParameters(folder, request.mode, request.fields, BuildFontList(), &error))
        prompter.error(error);
}

PreparedPicture renderedPicture(const StaticSendFields& fields, Prompter& prompter)
{
    return PrepareCustomFontPicture(TextBlockFromFields(fields.text, fields.fontName, fields.size, fields.extraHeight,
                                                        fields.verticalShift, fields.lineSpacing, fields.bold),
                                    prompter);
}

bool sendPicture(const StaticSendRequest& request, Link& link, Prompter& prompter, StaticSendOutcome& outcome)
{
    PreparedPicture prepared;
    if (request.mode == kModeStaticRendered) {
        prepared = renderedPicture(request.fields, prompter);
    } else {
        const QString path = request.picturePath.isEmpty() ? ChoosePictureFile(prompter) : request.picturePath;
        prepared = PrepareTemporaryPicture(path, prompter);
    }
    // What was drawn or loaded shows beside a refusal, as the operator has to see what
    // to change.
    outcome.preview = prepared.surface;
    if (!prepared.packed)
        return false;
    const PackedPicture& picture = *prepared.packed;
    outcome.preview = UnpackRows(picture);
    const auto source = request.mode == kModeStaticRendered ? StaticPictureSource::RenderedText
                                                            : StaticPictureSource::PictureFile;
    const PictureSendOutcome sent =
        SendStaticPicture({picture, PlacementOf(request.fields), source, request.target}, link, prompter);
    if (!sent.header.isEmpty())
        outcome.preview = UnpackRows(sent.picture);
    return sent.completed;
}

bool sendText(const StaticSendRequest& request, Link& link, Prompter& prompter)
{
    if (IsBlankText(request.fields.text)) {
        prompter.error(NoTextToSendText());
        return false;
    }
    const QString laidOut = CheckStaticText(request.fields.text, request.mode, request.fields.lineSpacing, prompter);
    if (laidOut.isEmpty())
        return false;
    QString unencodable;
    const auto codes = EncodeStaticText(laidOut, &unencodable);
    if (!codes) {
        prompter.error(UnencodableCharacterText(unencodable));
        return false;
    }
    StaticTextRequest text;
    text.text = *codes;
    text.smallFont = request.mode == kModeStaticSmallFont;
    text.lineSpacing = request.fields.lineSpacing;
    text.placement = PlacementOf(request.fields);
    text.target = request.target;
    return SendStaticText(text, link, prompter).completed;
}
} // namespace

StaticModeSelection SelectStaticMode(int mode, StaticSendFields fields, const AppFolder& folder, Prompter& prompter)
{
    StaticModeSelection selection;
    const RecordStore store(folder);
    if (mode == kModeStoredPicture) {
        QString error;
        selection.editorText = ShowStoredPictureList(store, &selection.entries, &error);
        if (!error.isEmpty())
            prompter.error(error);
    }
    LoadModeParameters(folder, mode, fields);
    if (HasLastSentText(mode))
        selection.editorText = LoadLastSentText(store, mode);
    selection.fields = fields;
    return selection;
}

QString StaticFieldsProblem(const StaticSendFields& fields, int mode)
{
    if (mode == kModeStaticRendered) {
        const BoxVerdict size = CheckCustomFontSizeField(fields.size);
        if (!size.ok())
            return size.message;
        if (!SizeFieldValue(fields.size))
            return QStringLiteral("输入应为数字");
    }
    if (mode != kModeStoredPicture) {
        const BoxVerdict position = CheckVerticalPositionBox(fields.verticalPosition);
        if (!position.ok())
            return position.message;
        if (!BoxValue(fields.verticalPosition))
            return QStringLiteral("输入应为数字");
    }
    const bool selectorsValid = IsItemIndex(fields.lineSpacing, LineSpacingItems())
                                && IsItemIndex(fields.extraHeight, ExtraHeightItems())
                                && IsItemIndex(fields.verticalShift, VerticalShiftItems())
                                && IsItemIndex(fields.horizontalOffset, StaticHorizontalOffsetItems())
                                && IsItemIndex(fields.brightness, BrightnessItems())
                                && IsItemIndex(fields.background, StaticBackgroundItems());
    return selectorsValid ? QString() : QStringLiteral("静止显示参数的选择项超出范围");
}

StaticSendOutcome SendStatic(const StaticSendRequest& request, Link& link, Prompter& prompter,
                             const AppFolder& folder)
{
    StaticSendOutcome outcome;
    if (!IsStaticMode(request.mode))
        return outcome;
    const BoxVerdict timerVerdict = CheckTimerBox(request.timer);
    if (!timerVerdict.ok()) {
        prompter.error(timerVerdict.message);
        return outcome;
    }
    const int timer = BoxValue(request.timer).value_or(0);
    const QString problem = StaticFieldsProblem(request.fields, request.mode);
    if (!problem.isEmpty()) {
        prompter.error(problem);
        return outcome;
    }
    // A PC font draws characters that code page 936 has no code for, and the last text
    // could then not be kept. (The built-in fonts refuse such a character themselves,
    // with the message naming its missing unit code.)
    if (request.mode == kModeStaticRendered && keepsText(request)) {
        const QString unkeepable = UnkeepableTextMessage(request.fields.text);
        if (!unkeepable.isEmpty()) {
            prompter.error(unkeepable);
            return outcome;
        }
    }

    const auto number = BoxValue(request.entryNumber);
    if (request.mode == kModeStoredPicture && (!number || *number < 1 || *number > kStoredPictures)) {
        prompter.error(kNoEntryChosen);
        return outcome;
    }
    // The target comes before the picture: an empty queue stops the send before the
    // operator is asked for a file.
    if (!ResolveSendTarget(request.target, prompter))
        return outcome;

    bool completed = false;
    if (request.mode == kModeStoredPicture) {
        completed = RecallStoredPicture({request.secondButton, *number, timer, request.target}, link, prompter)
                        .completed;
    } else if (uses(request.mode, {kModeStaticRendered, kModeStaticPicture})) {
        completed = sendPicture(request, link, prompter, outcome);
    } else {
        completed = sendText(request, link, prompter);
    }
    if (completed)
        afterSend(request, timer, link, prompter, folder, outcome);
    return outcome;
}

} // namespace kv
