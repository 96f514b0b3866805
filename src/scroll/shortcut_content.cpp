#include "scroll/shortcut_content.h"

#include "base/unit_text.h"
#include "link/frames.h"
#include "scroll/editor_lines.h"
#include "text/operator_text.h"

#include <QRegularExpression>

namespace kv {

namespace {
QString tooLargeText(qsizetype bytes)
{
    return Text::tr("组合滚动信息共%1字节，超过了设备能接收的65535字节，请减少字符或分段").arg(bytes);
}

// The index of a "Pic:" line: the decimal 0 to 29 the editor writes.
std::optional<int> pictureIndex(const QString& text)
{
    static const QRegularExpression digits(QStringLiteral("^\\d{1,2}$"));
    if (!digits.match(text).hasMatch() || text.toInt() >= kPictureMessages)
        return std::nullopt;
    return text.toInt();
}
} // namespace

std::optional<ShortcutContent> BuildShortcutContent(const QString& composition, bool small, QString* problem)
{
    ShortcutContent content;
    content.description = small ? QStringLiteral("小号>> ") : QStringLiteral("大号>> ");
    int segments = 0;
    const int lines = EditLineCount(composition);
    for (int i = 0; i < lines; ++i) {
        const QString line = ReadEditLine(composition, i);
        const QString kind = line.left(4).toLower();
        const QString rest = line.mid(4);
        if (kind == QLatin1String("chr:")) {
            if (const auto refused = CharacterSegmentProblem(rest)) {
                *problem = *refused;
                return std::nullopt;
            }
            const QByteArray codes = EncodeUnitText(rest)->bytes;
            content.bytes += FieldBytes({0xFE, 0x00, int(codes.size() >> 8) & 0xFF, int(codes.size()) & 0xFF}) + codes;
            content.description += QLatin1Char('[') + rest + QStringLiteral("] ");
        } else if (kind == QLatin1String("pic:")) {
            const auto index = pictureIndex(rest);
            if (!index) {
                *problem = PictureNumberRefusedText();
                return std::nullopt;
            }
            content.bytes += FieldBytes({0xFE, 0x01, 0x00, *index});
            content.description += QStringLiteral("[图文：") + QString::number(*index) + QStringLiteral("] ");
        } else {
            continue;
        }
        if (++segments > kMaxShortcutSegments) {
            *problem = SegmentListFullText();
            return std::nullopt;
        }
    }
    if (segments == 0) {
        *problem = NothingComposedText();
        return std::nullopt;
    }
    if (content.bytes.size() > kMaxShortcutContentBytes) {
        *problem = tooLargeText(content.bytes.size());
        return std::nullopt;
    }
    return content;
}

} // namespace kv
