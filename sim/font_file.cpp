#include "sim/font_file.h"

#include "sim/unit_state.h"

#include <QFile>

namespace kv::sim {

QByteArray SwapRecordOrder(const QByteArray& font)
{
    QByteArray out = font;
    for (qsizetype base = 0; base + kFontRecordSize <= font.size(); base += kFontRecordSize) {
        for (int k = 0; k < kFontRecordSize; ++k) {
            const int from = (k == 26 || k == 27) ? k : kFontRecordSize - 1 - k;
            out[base + k] = font.at(base + from);
        }
    }
    return out;
}

bool LoadFontFile(const QString& path, QByteArray& deviceOrder, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read font file %1: %2").arg(path, file.errorString());
        return false;
    }
    const QByteArray stored = file.read(kFontSize + 1);
    if (stored.size() != kFontSize) {
        error = QStringLiteral("font file %1 holds %2 bytes, not %3")
                    .arg(path).arg(stored.size()).arg(kFontSize);
        return false;
    }
    deviceOrder = SwapRecordOrder(stored);
    return true;
}

} // namespace kv::sim
