#include "scroll/scroll_picture_message.h"

#include "base/prompter.h"
#include "base/send_modes.h"
#include "picture/dot_matrix.h"
#include "picture/picture_file.h"
#include "picture/picture_lists.h"
#include "picture/picture_purposes.h"
#include "picture/picture_send.h"
#include "scroll/entry_list.h"

namespace kv {

ScrollPictureMessageOutcome StoreScrollPictureMessage(const ScrollPictureMessageRequest& request, Link& link,
                                                      Prompter& prompter, const RecordStore& store)
{
    ScrollPictureMessageOutcome outcome;
    if (request.number < 1 || request.number > kPictureMessages)
        return {Outcome::Refused()};
    const auto prepared = PreparePictureMessage(ChoosePictureFile(prompter), request.smallCells, prompter);
    if (!prepared)
        return {prepared.refusal()};

    PictureMessageRequest send;
    send.picture = prepared->cells;
    send.number = request.number;
    send.powerOn = request.powerOn;
    send.target = request.target;
    outcome.result = SendPictureMessage(send, link, prompter).result;
    if (!outcome.result.done())
        return outcome;

    outcome.picture = UnpackCells(prepared->cells.bits, prepared->cells.width, prepared->cells.height);
    outcome.description = prepared->description;
    const QString list = EntryListRecord(request.smallCells ? kModeSmallPictureMessage : kModeLargePictureMessage);
    QString error;
    if (!RecordPictureMessage(store, list, request.number, prepared->description, &error))
        outcome.result = FailWithError(prompter, error);
    return outcome;
}

} // namespace kv
