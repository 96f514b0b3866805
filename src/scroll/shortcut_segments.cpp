#include "scroll/shortcut_segments.h"

#include "base/unit_text.h"
#include "text/operator_text.h"

#include <QRegularExpression>

namespace kv {

QString CharacterSegmentLine(const QString& characters)
{
    return QStringLiteral("Chr:") + characters;
}

QString PictureSegmentLine(int messageNumber)
{
    return QStringLiteral("Pic:") + QString::number(messageNumber - 1);
}

QString SegmentCharacters(const QString& input)
{
    // A CR LF pair is one break and becomes one space, as a lone LF or CR does.
    QString text = WithCrLfLineBreaks(input);
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    return text;
}

std::optional<QString> CharacterSegmentProblem(const QString& characters)
{
    if (characters.size() > kMaxSegmentCharacters)
        return SegmentTooLongText();
    QString unencodable;
    if (!EncodeUnitText(characters, &unencodable))
        return UnencodableCharacterText(unencodable);
    return std::nullopt;
}

std::optional<int> PictureMessageNumber(const QString& input)
{
    static const QRegularExpression digits(QStringLiteral("^\\s*(\\d{1,3})\\s*$"));
    const auto match = digits.match(input);
    if (!match.hasMatch())
        return std::nullopt;
    const int number = match.captured(1).toInt();
    if (number < 1 || number > kPictureMessages)
        return std::nullopt;
    return number;
}

QString PictureNumberRefusedText()
{
    return Text::tr("添加的图文短信编号必须为1-30的十进制数");
}

QString NoCharactersText()
{
    return Text::tr("没有要添加的字符，请输入");
}

QString SegmentTooLongText()
{
    return Text::tr("每段字符数不能大于510个，请安排分段插入");
}

QString SegmentTooLongOnClickText()
{
    return Text::tr("每段字符数不能大于510个，请分段插入");
}

QString SegmentListFullText()
{
    return Text::tr("组合滚动信息最多只能有1001段，已经满了，不能再添加");
}

QString NothingComposedText()
{
    return Text::tr("还没有添加滚动信息");
}

} // namespace kv
