#pragma once

#include "base/outcome.h"
#include "base/record_store.h"
#include "link/send_target.h"
#include "picture/edit_page.h"

#include <QImage>
#include <QString>

namespace kv {

class Link;
class Prompter;

// The edit page's buttons. Each checks the page's fields first (the field's message,
// nothing sent) and writes the page record only after a send that ran to its end.

struct PageSendOutcome {
    Outcome result;
    QImage preview = {}; // the picture drawn from the bytes sent, or the one a limit refused; null when none
};

// "字符下载": renders the page's text and downloads it into the page's slot.
PageSendOutcome DownloadPageText(const EditPage& page, const TargetChoice& target, Link& link, Prompter& prompter,
                                 const RecordStore& store);
// "下载图片": loads the picture file (asks the operator when picturePath is empty),
// scales it to the height field, thresholds it and downloads it into the page's slot.
PageSendOutcome DownloadPagePicture(const EditPage& page, const TargetChoice& target, Link& link,
                                    Prompter& prompter, const RecordStore& store, const QString& picturePath = {});
// "修改参数": new display parameters for the stored picture of the page's slot.
Outcome ChangePageParameters(const EditPage& page, const TargetChoice& target, Link& link, Prompter& prompter,
                             const RecordStore& store);

// The first field a page send cannot use, as the field's message; empty when all are
// usable.
QString EditPageProblem(const EditPage& page);

} // namespace kv
