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
#include "text/operator_text.h"

namespace kv {

namespace {
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

// What follows a send that ran to its end: the display timer, then the records. The
// outcome is the first of them that did not go through.
Outcome afterSend(const StaticSendRequest& request, int timer, Link& link, Prompter& prompter, const AppFolder& folder,
                  StaticSendOutcome& outcome)
{
    Outcome result = Outcome::Done();
    if (timer > 0) {
        result = SendTimedDisplay({timer, false, request.target}, link, prompter).result;
        outcome.timerSent = result.done();
    }
    if (request.mode == kModeStoredPicture)
        return result;
    const auto keep = [&](const Outcome& step) {
        if (result.done())
            result = step;
    };
    QString error;
    if (keepsText(request) && !SaveLastSentText(RecordStore(folder), request.mode, request.fields.text, &error))
        keep(FailWithError(prompter, error));
    if (!SaveModeParameters(folder, request.mode, request.fields, BuildFontList(), &error))
        keep(FailWithError(prompter, error));
    return result;
}

PreparedPicture renderedPicture(const StaticSendFields& fields, Prompter& prompter)
{
    return PrepareCustomFontPicture(TextBlockFromFields(fields.text, fields.fontName, fields.size, fields.extraHeight,
                                                        fields.verticalShift, fields.lineSpacing, fields.bold),
                                    prompter);
}

Outcome sendPicture(const StaticSendRequest& request, Link& link, Prompter& prompter, StaticSendOutcome& outcome)
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
        return prepared.refusal;
    const PackedPicture& picture = *prepared.packed;
    outcome.preview = UnpackRows(picture);
    const auto source = request.mode == kModeStaticRendered ? StaticPictureSource::RenderedText
                                                            : StaticPictureSource::PictureFile;
    const PictureSendOutcome sent =
        SendStaticPicture({picture, PlacementOf(request.fields), source, request.target}, link, prompter);
    if (!sent.header.isEmpty())
        outcome.preview = UnpackRows(sent.picture);
    return sent.result;
}

Outcome sendText(const StaticSendRequest& request, Link& link, Prompter& prompter)
{
    if (IsBlankText(request.fields.text))
        return Refuse(prompter, NoTextToSendText());
    const QString laidOut = CheckStaticText(request.fields.text, request.mode, request.fields.lineSpacing, prompter);
    if (laidOut.isEmpty())
        return Outcome::Refused();
    QString unencodable;
    const auto codes = EncodeStaticText(laidOut, &unencodable);
    if (!codes)
        return Refuse(prompter, UnencodableCharacterText(unencodable));
    StaticTextRequest text;
    text.text = *codes;
    text.smallFont = request.mode == kModeStaticSmallFont;
    text.lineSpacing = request.fields.lineSpacing;
    text.placement = PlacementOf(request.fields);
    text.target = request.target;
    return SendStaticText(text, link, prompter).result;
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
            return Text::tr("输入应为数字");
    }
    if (mode != kModeStoredPicture) {
        const BoxVerdict position = CheckVerticalPositionBox(fields.verticalPosition);
        if (!position.ok())
            return position.message;
        if (!BoxValue(fields.verticalPosition))
            return Text::tr("输入应为数字");
    }
    const bool selectorsValid = IsItemIndex(fields.lineSpacing, LineSpacingItems())
                                && IsItemIndex(fields.extraHeight, ExtraHeightItems())
                                && IsItemIndex(fields.verticalShift, VerticalShiftItems())
                                && IsItemIndex(fields.horizontalOffset, StaticHorizontalOffsetItems())
                                && IsItemIndex(fields.brightness, BrightnessItems())
                                && IsItemIndex(fields.background, StaticBackgroundItems());
    return selectorsValid ? QString() : Text::tr("静止显示参数的选择项超出范围");
}

StaticSendOutcome SendStatic(const StaticSendRequest& request, Link& link, Prompter& prompter,
                             const AppFolder& folder)
{
    StaticSendOutcome outcome;
    if (!IsStaticMode(request.mode))
        return {Outcome::Refused()};
    const BoxVerdict timerVerdict = CheckTimerBox(request.timer);
    if (!timerVerdict.ok())
        return {Refuse(prompter, timerVerdict.message)};
    const int timer = BoxValue(request.timer).value_or(0);
    const QString problem = StaticFieldsProblem(request.fields, request.mode);
    if (!problem.isEmpty())
        return {Refuse(prompter, problem)};
    // A PC font draws characters that code page 936 has no code for, and the last text
    // could then not be kept. (The built-in fonts refuse such a character themselves,
    // with the message naming its missing unit code.)
    if (request.mode == kModeStaticRendered && keepsText(request)) {
        const QString unkeepable = UnkeepableTextMessage(request.fields.text);
        if (!unkeepable.isEmpty())
            return {Refuse(prompter, unkeepable)};
    }

    const auto number = BoxValue(request.entryNumber);
    if (request.mode == kModeStoredPicture && (!number || *number < 1 || *number > kStoredPictures))
        return {Refuse(prompter, Text::tr("先选择要发送的信息"))};
    // The target comes before the picture: an empty queue stops the send before the
    // operator is asked for a file.
    if (const auto target = ResolveSendTarget(request.target, prompter); !target)
        return {target.refusal()};

    if (request.mode == kModeStoredPicture)
        outcome.result = RecallStoredPicture({request.secondButton, *number, timer, request.target}, link, prompter).result;
    else if (uses(request.mode, {kModeStaticRendered, kModeStaticPicture}))
        outcome.result = sendPicture(request, link, prompter, outcome);
    else
        outcome.result = sendText(request, link, prompter);
    if (outcome.result.done())
        outcome.result = afterSend(request, timer, link, prompter, folder, outcome);
    return outcome;
}

} // namespace kv
