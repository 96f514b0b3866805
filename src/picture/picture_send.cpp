#include "picture/picture_send.h"

#include "base/prompter.h"
#include "link/line_session.h"
#include "link/link.h"
#include "link/port_operation.h"
#include "picture/chunked_write.h"
#include "text/operator_text.h"

#include <functional>

namespace kv {

namespace {
constexpr int kAfterHeaderMs = 2;
constexpr int kAfterTemporaryPictureMs = 500;
constexpr int kLargeCell = 48;

// Header, drain, the body in chunks with progress, drain, then the optional closing
// byte. False when the operator stopped it; a port fault propagates.
bool writePicture(LineSession& session, Prompter& prompter, const QByteArray& header, const QByteArray& body,
                  const QByteArray& closing)
{
    ProgressScope progress(prompter, Text::tr("发送图片"), Text::tr("正在发送图片数据（字节）"),
                           int(body.size()));
    if (!session.write(header))
        return false;
    session.pause(kAfterHeaderMs);
    const auto step = [&](qint64 written) { return progress.step(int(written)); };
    if (SendInChunks(session, body, kPictureChunkBytes, step) == ChunkedWrite::Cancelled)
        return false;
    if (!session.drain())
        return false;
    return closing.isEmpty() || session.write(closing);
}

// Resolves the target, then runs the write inside the port bracket. The outcome is
// completed only when the write ran to its end.
PictureSendOutcome sendPicture(const TargetChoice& choice, const PackedPicture& picture, Link& link,
                               Prompter& prompter, const std::function<QByteArray(const SendTarget&)>& header,
                               const QByteArray& body, const QByteArray& closing)
{
    PictureSendOutcome outcome;
    const auto target = ResolveSendTarget(choice, prompter);
    if (!target) {
        outcome.result = target.refusal();
        return outcome;
    }
    outcome.header = header(*target);
    outcome.picture = picture;
    bool finished = false;
    outcome.result = RunOnPort(link, prompter, [&](LineSession& session) {
        finished = writePicture(session, prompter, outcome.header, body, closing);
    });
    if (outcome.result.portFault())
        return outcome;
    if (!finished) {
        prompter.failure(PictureSendCancelledText());
        outcome.result = Outcome::Cancelled();
        return outcome;
    }
    outcome.result = Outcome::Done();
    return outcome;
}
} // namespace

QString PictureSendCancelledText()
{
    return Text::tr("图片发送已取消，叠加器上可能显示不完整的图片");
}

PictureSendOutcome SendPictureToSlot(const SlotPictureRequest& request, Link& link, Prompter& prompter)
{
    const PackedPicture& picture = request.picture;
    const quint8 kind = SlotKind(request.logoPage, request.powerOn);
    return sendPicture(
        request.target, picture, link, prompter,
        [&](const SendTarget& target) {
            return SlotPictureHeader(target, picture.width, picture.height, request.placement, kind);
        },
        picture.bits, QByteArray(1, char(SumByte(picture.bits))));
}

PictureSendOutcome SendStaticPicture(const StaticPictureRequest& request, Link& link, Prompter& prompter)
{
    const PackedPicture& picture = request.picture;
    PictureSendOutcome outcome = sendPicture(
        request.target, picture, link, prompter,
        [&](const SendTarget& target) {
            return StaticPictureHeader(target, picture.width, picture.height, request.placement);
        },
        picture.bits, {});
    if (!outcome.result.done())
        return outcome;
    if (request.source == StaticPictureSource::RenderedText)
        prompter.notice(Text::tr("静止-自定义字体，发送完毕！"), QString(), 2);
    else
        link.clock().sleepMs(kAfterTemporaryPictureMs);
    return outcome;
}

PictureSendOutcome SendPictureMessage(const PictureMessageRequest& request, Link& link, Prompter& prompter)
{
    const PackedPicture& picture = request.picture;
    const int cellSize = qMax(picture.height, 1);
    const int cells = picture.width / cellSize;
    PictureSendOutcome outcome = sendPicture(
        request.target, picture, link, prompter,
        [&](const SendTarget& target) {
            return PictureMessageHeader(target, cells, cellSize != kLargeCell, request.number, request.powerOn);
        },
        picture.bits + PictureMessageTrailer(cells), {});
    if (outcome.result.done())
        prompter.message(Text::tr("操作完成！"));
    return outcome;
}

} // namespace kv
