#include "picture/width_forms.h"

namespace kv {

namespace {
constexpr char16_t kIdeographicSpace = 0x3000;
constexpr char16_t kFullWidthOffset = 0xFEE0; // '!' 0x21 -> U+FF01
} // namespace

QString ToFullWidth(const QString& text)
{
    QString out = text;
    for (QChar& c : out) {
        const char16_t u = c.unicode();
        if (u == u' ')
            c = QChar(kIdeographicSpace);
        else if (u > 0x20 && u < 0x7F)
            c = QChar(char16_t(u + kFullWidthOffset));
    }
    return out;
}

QString ToHalfWidth(const QString& text)
{
    QString out = text;
    for (QChar& c : out) {
        const char16_t u = c.unicode();
        if (u == kIdeographicSpace)
            c = QLatin1Char(' ');
        else if (u > 0xFF00 && u < 0xFF5F)
            c = QChar(char16_t(u - kFullWidthOffset));
    }
    return out;
}

} // namespace kv
