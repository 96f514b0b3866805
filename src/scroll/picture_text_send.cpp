#include "scroll/picture_text_send.h"

#include "base/prompter.h"
#include "link/line_session.h"
#include "link/link.h"
#include "link/port_operation.h"
#include "picture/chunked_write.h"
#include "picture/dot_matrix.h"
#include "picture/font_list.h"
#include "picture/picture_purposes.h"
#include "picture/picture_send.h"
#include "picture/text_line.h"
#include "scroll/picture_text_layout.h"
#include "text/operator_text.h"

#include <QPainter>

namespace kv {

namespace {
QString oneLine(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return text;
}

// The line drawn anti-aliased, or with the plain text output when that leaves no ink;
// nothing when neither can draw it.
std::optional<QImage> renderedLine(const TextLineInput& input, int* rightmost)
{
    if (const auto picture = RenderTextLine(input)) {
        *rightmost = RightmostInkColumn(*picture);
        if (*rightmost > 0)
            return picture;
    }
    const auto printed = PrintTextLine(input);
    *rightmost = printed ? RightmostInkColumn(*printed) : 0;
    return printed;
}

// The picture cut (or widened with white) to width columns.
QImage toWidth(const QImage& picture, int width, int height)
{
    QImage out(width, height, QImage::Format_RGB32);
    out.fill(Qt::white);
    QPainter painter(&out);
    painter.drawImage(0, 0, picture);
    return out;
}

// Header, drain, the bitmap in chunks with progress, drain, the sum byte, drain. False
// when the operator stopped it; a port fault propagates.
bool writeScroll(LineSession& session, Prompter& prompter, const QByteArray& header, const QByteArray& bitmap)
{
    ProgressScope progress(prompter, Text::tr("发送滚动"), Text::tr("正在发送滚动图片（字节）"),
                           int(bitmap.size()));
    if (!session.write(header))
        return false;
    const auto step = [&](qint64 written) { return progress.step(int(written)); };
    if (SendInChunks(session, bitmap, kPictureChunkBytes, step) == ChunkedWrite::Cancelled || !session.drain())
        return false;
    return session.write(QByteArray(1, char(SumByte(bitmap))));
}
} // namespace

QString ElapsedText(qint64 ms)
{
    return Text::tr("用时%1ms").arg(ms);
}

PictureTextOutcome SendPictureText(const PictureTextRequest& request, Link& link, Prompter& prompter,
                                   const RecordStore& store)
{
    PictureTextOutcome outcome;
    const qint64 start = link.clock().nowMs();
    PictureTextSettings settings = request.settings;
    settings.text = oneLine(settings.text);
    // A text of nothing but spaces would go out as one blank block.
    if (settings.text.trimmed().isEmpty())
        return {Refuse(prompter, Text::tr("没有要发送的滚动信息，请输入"))};
    settings.fontName = PickFontName(settings.fontName, request.fonts);

    const PictureTextCell cell = PictureTextCellFor(settings.size);
    TextLineInput line;
    line.text = settings.text;
    line.fontName = settings.fontName;
    line.cellHeight = cell.height;
    line.sizeAdjustment = cell.sizeOffset;
    line.verticalOffset = settings.verticalAdjustment - kNoVerticalAdjustment;
    line.bold = settings.bold;
    // One cell more than the largest bitmap: ink that far is refused however far it goes.
    line.widestUseful = kMaxPictureTextBytes * 8 / cell.height + cell.height;
    int rightmost = 0;
    const auto rendered = renderedLine(line, &rightmost);
    if (!rendered)
        return {Refuse(prompter, Text::tr("滚动信息无法转换成图片，请减少字符或换一种字体"))};

    const int width = PictureTextWidth(rightmost, cell.height);
    if (qint64(width) * cell.height / 8 > kMaxPictureTextBytes)
        return {Refuse(prompter, QStringLiteral("Data is too large"), QString())};
    QImage picture = toWidth(*rendered, width, cell.height);
    if (settings.filterNoise)
        picture = WithoutNoise(picture);
    const QByteArray bitmap = PackCells(picture, width, cell.height, kAnyInkThreshold);

    const auto target = ResolveSendTarget(request.target, prompter);
    if (!target)
        return {target.refusal()};
    const QByteArray header = PictureTextScrollHeader(*target, cell.small(), request.powerOn, width / cell.height);
    bool finished = false;
    const Outcome ran = RunOnPort(link, prompter, [&](LineSession& session) {
        finished = writeScroll(session, prompter, header, bitmap);
    });
    if (ran.portFault())
        return {ran};
    if (!finished) {
        prompter.failure(PictureSendCancelledText());
        return {Outcome::Cancelled()};
    }

    outcome.elapsedMs = link.clock().nowMs() - start;
    outcome.picture = UnpackCells(bitmap, width, cell.height);
    outcome.settings = settings;
    QString error;
    outcome.result = SavePictureTextSettings(store, settings, &error) ? Outcome::Done() : FailWithError(prompter, error);
    return outcome;
}

} // namespace kv
