#include "scroll/scroll_text_limit.h"

#include "base/unit_text.h"
#include "text/operator_text.h"

namespace kv {

namespace {
// Hex digits of a text's encoding, without needing every character to have a code:
// two per CR or LF, four for every other character that is sent.
qsizetype encodedDigits(const QString& text)
{
    QString sample = text;
    for (QChar& c : sample)
        if (c.unicode() > 16 && c != QLatin1Char(' '))
            c = QLatin1Char('A');
    const auto encoded = EncodeUnitText(sample);
    return encoded ? encoded->bytes.size() * 2 : 0;
}
} // namespace

bool ScrollTextFits(const QString& text)
{
    return encodedDigits(text) / 4 <= kScrollTextLimit;
}

QString ScrollTextTooLongText()
{
    return Text::tr("超出范围，最多能发送%1个字符").arg(kScrollTextLimit);
}

} // namespace kv
