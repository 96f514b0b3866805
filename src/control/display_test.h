#pragma once

#include "base/checked.h"

#include <QByteArray>
#include <QString>

namespace kv {

class Link;
class Prompter;

// The character display tests: a row of codes, an attribute, the unit's first or last
// 128 characters, and clearing a line or the screen. Row and column are the indexes
// of their selectors.

// The codes of the code box ("72,73,74"), or the refusal after the message of the first
// entry that is not a code 0-255, or when they do not fit the line from the column on
// (at most 32 - column codes).
Checked<QByteArray> TestCodes(const QString& text, int columnIndex, Prompter& prompter);

struct DisplayTestInput {
    QString deviceAddress = QStringLiteral("1");
    int rowIndex = 5;
    int columnIndex = 12;
    QString codes = QStringLiteral("72,73,74");
};

// "显示字符测试": F4 with the row, the column and the codes.
Outcome RunDisplayTest(const DisplayTestInput& input, Link& link, Prompter& prompter);

// "< 确定" of "字符属性": F5 with the row, the column and the attribute's index.
Outcome SetTestAttribute(const QString& deviceAddress, int rowIndex, int columnIndex, int attribute, Link& link,
                      Prompter& prompter);

enum class CharacterHalf { First128, Last128 };
// The unit shows 128 characters of its font: FA or FB.
Outcome ShowCharacterHalf(const QString& deviceAddress, CharacterHalf half, Link& link, Prompter& prompter);

// "确定" of "清屏清行": F1 with the selector's index (0-15 a line, 16 the screen).
Outcome ClearTestScreen(const QString& deviceAddress, int clearIndex, Link& link, Prompter& prompter);

} // namespace kv
