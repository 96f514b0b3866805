#include "picture/page_operations.h"

#include "base/app_folder.h"
#include "base/display_effects.h"
#include "base/line_ends.h"
#include "base/position_time_checks.h"
#include "base/prompter.h"
#include "picture/font_list.h"
#include "picture/frame_send.h"
#include "picture/page_record.h"
#include "picture/picture_file.h"
#include "picture/picture_purposes.h"
#include "picture/picture_send.h"
#include "picture/text_purposes.h"
#include "text/operator_text.h"

namespace kv {

namespace {
QString notANumberText()
{
    return Text::tr("输入应为数字");
}

// The page's record is written after every send; a page it could not hold is not sent.
Outcome keepable(const EditPage& page, Prompter& prompter)
{
    const QString problem = UnkeepableTextMessage(JoinLines(PageRecordLines(page)));
    return problem.isEmpty() ? Outcome::Done() : Refuse(prompter, problem);
}

// The page's fields, its record and the target, checked before anything is drawn or
// the operator is asked for a file.
Outcome checkedPage(const EditPage& page, const TargetChoice& target, Prompter& prompter)
{
    const QString problem = EditPageProblem(page);
    if (!problem.isEmpty())
        return Refuse(prompter, problem);
    if (const Outcome kept = keepable(page, prompter); !kept.done())
        return kept;
    const auto resolved = ResolveSendTarget(target, prompter);
    return resolved ? Outcome::Done() : resolved.refusal();
}

QString displayProblem(const EditPage& page)
{
    const BoxVerdict position = CheckVerticalPositionBox(page.verticalPosition);
    if (!position.ok())
        return position.message;
    if (!BoxValue(page.verticalPosition))
        return notANumberText();
    const bool selectorsValid = IsItemIndex(page.horizontalOffset, PageHorizontalOffsetItems())
                                && IsItemIndex(page.brightness, BrightnessItems())
                                && IsItemIndex(page.background, PageBackgroundItems())
                                && IsItemIndex(page.slot, SlotItems());
    return selectorsValid ? QString() : Text::tr("图文显示参数的选择项超出范围");
}

// The download of a prepared picture into the page's slot, the record after it. A
// picture a limit refused is only shown.
PageSendOutcome download(const EditPage& page, const PreparedPicture& prepared, const TargetChoice& target,
                         Link& link, Prompter& prompter, const RecordStore& store)
{
    PageSendOutcome outcome;
    outcome.preview = prepared.surface;
    if (!prepared.packed) {
        outcome.result = prepared.refusal;
        return outcome;
    }
    const PackedPicture& picture = *prepared.packed;
    outcome.preview = UnpackRows(picture);
    SlotPictureRequest request;
    request.picture = picture;
    request.placement = PlacementOf(page);
    request.logoPage = IsLogoKind(page.kind);
    request.powerOn = page.powerOn;
    request.target = target;
    const PictureSendOutcome sent = SendPictureToSlot(request, link, prompter);
    if (!sent.header.isEmpty())
        outcome.preview = UnpackRows(sent.picture);
    outcome.result = sent.result;
    if (!sent.result.done())
        return outcome;
    QString error;
    if (!SavePageRecord(store, page, &error))
        outcome.result = FailWithError(prompter, error);
    return outcome;
}
} // namespace

QString EditPageProblem(const EditPage& page)
{
    const BoxVerdict size = CheckPageSizeField(page.size);
    if (!size.ok())
        return size.message;
    if (!SizeFieldValue(page.size))
        return notANumberText();
    if (IsPictureKind(page.kind)) {
        const BoxVerdict threshold = CheckThresholdField(page.threshold);
        if (!threshold.ok())
            return threshold.message;
    } else {
        const bool textSelectorsValid = IsItemIndex(page.lineSpacing, LineSpacingItems())
                                        && IsItemIndex(page.extraHeight, ExtraHeightItems())
                                        && IsItemIndex(page.verticalShift, VerticalShiftItems());
        if (!textSelectorsValid)
            return Text::tr("图文显示参数的选择项超出范围");
    }
    return displayProblem(page);
}

PageSendOutcome DownloadPageText(const EditPage& page, const TargetChoice& target, Link& link, Prompter& prompter,
                                 const RecordStore& store)
{
    if (const Outcome checked = checkedPage(page, target, prompter); !checked.done())
        return {checked};
    const TextBlockInput input = TextBlockFromFields(page.text, page.fontName, page.size, page.extraHeight,
                                                     page.verticalShift, page.lineSpacing, page.bold);
    return download(page, PrepareCharacterDownloadPicture(input, prompter), target, link, prompter, store);
}

PageSendOutcome DownloadPagePicture(const EditPage& page, const TargetChoice& target, Link& link,
                                    Prompter& prompter, const RecordStore& store, const QString& picturePath)
{
    // An empty queue stops the download before the operator is asked for a file.
    if (const Outcome checked = checkedPage(page, target, prompter); !checked.done())
        return {checked};
    const QString path = picturePath.isEmpty() ? ChoosePictureFile(prompter) : picturePath;
    return download(page,
                    PrepareSlotPicture(path, SizeFieldValue(page.size).value_or(0), ThresholdAdjustment(page.threshold),
                                       prompter),
                    target, link, prompter, store);
}

Outcome ChangePageParameters(const EditPage& page, const TargetChoice& target, Link& link, Prompter& prompter,
                             const RecordStore& store)
{
    const QString problem = displayProblem(page);
    if (!problem.isEmpty())
        return Refuse(prompter, problem);
    if (const Outcome kept = keepable(page, prompter); !kept.done())
        return kept;
    SlotParametersRequest request;
    request.slotIndex = page.slot;
    request.placement = PlacementOf(page);
    request.logoPage = IsLogoKind(page.kind);
    request.powerOn = page.powerOn;
    request.target = target;
    const Outcome changed = ChangeSlotParameters(request, link, prompter).result;
    if (!changed.done())
        return changed;
    QString error;
    if (!SavePageRecord(store, page, &error))
        return FailWithError(prompter, error);
    return Outcome::Done();
}

} // namespace kv
