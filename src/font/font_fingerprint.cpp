#include "font/font_fingerprint.h"

#include "text/operator_text.h"

#include <QCryptographicHash>

namespace kv {

QString FontFingerprint(const FontTable& table)
{
    const QByteArray digest = QCryptographicHash::hash(table.bytes(), QCryptographicHash::Sha256);
    return QString::fromLatin1(digest.toHex().left(16).toUpper());
}

QString FontFingerprintText(const FontTable& table)
{
    return Text::tr("字库指纹：%1").arg(FontFingerprint(table));
}

} // namespace kv
