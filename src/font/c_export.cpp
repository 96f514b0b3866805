#include "font/c_export.h"

#include "base/app_folder.h"
#include "base/prompter.h"

namespace kv {

QString CExportText(const FontTable& table)
{
    static const char digits[] = "0123456789ABCDEF";
    QString text = QStringLiteral("uc8 max7456zk[]={\r\n");
    text.reserve(69653);
    const QByteArray& bytes = table.bytes();
    for (int i = 0; i < kFontTableSize; ++i) {
        const auto b = static_cast<quint8>(bytes.at(i));
        text += QLatin1String("0x");
        text += QLatin1Char(digits[b >> 4]);
        text += QLatin1Char(digits[b & 0xF]);
        text += QLatin1Char(',');
        if ((i + 1) % kRecordSize == 0)
            text += QLatin1String("\r\n");
    }
    text += QLatin1String("};");
    return text;
}

Outcome ExportCFile(const FontTable& table, const AppFolder& folder, Prompter& prompter)
{
    const QString path = folder.path(kCExportFile);
    QString reason;
    if (!WriteTextFile(path, CExportText(table), &reason))
        return FailWithError(prompter, FileWriteErrorText(path, reason));
    return Outcome::Done();
}

} // namespace kv
