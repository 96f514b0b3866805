#include "font/font_fingerprint.h"

#include <QCryptographicHash>

namespace kv {

QString FontFingerprint(const FontTable& table)
{
    const QByteArray digest = QCryptographicHash::hash(table.bytes(), QCryptographicHash::Sha256);
    return QString::fromLatin1(digest.toHex().left(16).toUpper());
}

QString FontFingerprintText(const FontTable& table)
{
    return QStringLiteral("字库指纹：") + FontFingerprint(table);
}

} // namespace kv
