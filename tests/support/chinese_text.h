#pragma once

#include <QRegularExpression>

namespace kv::test {

// A Chinese character or full-width punctuation: what an English text of the program
// must not show.
inline const QRegularExpression& ChineseCharacter()
{
    static const QRegularExpression chinese(
        QStringLiteral("[\\x{3000}-\\x{303F}\\x{3400}-\\x{9FFF}\\x{FF00}-\\x{FFEF}]"));
    return chinese;
}

} // namespace kv::test
