#include "font/font_interchange.h"

#include "base/app_folder.h"
#include "text/operator_text.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace kv {

std::optional<FontFormat> FontFormatOf(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("bin"))
        return FontFormat::Bin;
    if (suffix == QLatin1String("mcm"))
        return FontFormat::Mcm;
    if (suffix == QLatin1String("png"))
        return FontFormat::Png;
    return std::nullopt;
}

namespace {
FontImportError inFile(const QString& path, const QString& text)
{
    return {Text::tr("%1：%2").arg(QFileInfo(path).fileName(), text)};
}

std::variant<ImportedFont, FontImportError> importBytes(const QString& path, FontFormat format,
                                                        const QByteArray& content)
{
    switch (format) {
    case FontFormat::Bin:
        if (content.size() != kFontTableSize)
            return inFile(path, Text::tr("文件大小为%1字节，应为%2字节").arg(content.size()).arg(kFontTableSize));
        return ImportedFont{FontTable::fromDeviceBytes(ToggleStoredOrder(content)), {}};
    case FontFormat::Mcm: {
        auto parsed = ParseMcm(content);
        if (auto* error = std::get_if<FontImportError>(&parsed))
            return inFile(path, error->text);
        auto& font = std::get<McmFont>(parsed);
        return ImportedFont{font.table, font.padding};
    }
    case FontFormat::Png: {
        QBuffer buffer;
        buffer.setData(content);
        QImageReader reader(&buffer, "png");
        const QImage image = reader.read();
        if (image.isNull())
            return inFile(path, Text::tr("无法读取PNG图片：%1").arg(reader.errorString()));
        auto parsed = ParsePngSheet(image);
        if (auto* error = std::get_if<FontImportError>(&parsed))
            return inFile(path, error->text);
        return ImportedFont{std::get<FontTable>(parsed), {}};
    }
    }
    return inFile(path, Text::tr("未知的文件格式"));
}
} // namespace

std::variant<ImportedFont, FontImportError> ImportFontFile(const QString& path)
{
    const auto format = FontFormatOf(path);
    if (!format)
        return inFile(path, Text::tr("文件类型应为.bin、.mcm或.png"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return inFile(path, Text::tr("无法打开文件：%1").arg(file.errorString()));
    return importBytes(path, *format, file.readAll());
}

bool ExportFontFile(const QString& path, const FontTable& table, const FontExportOptions& options, QString* error)
{
    const auto format = FontFormatOf(path);
    if (!format) {
        if (error)
            *error = Text::tr("文件类型应为.bin、.mcm或.png");
        return false;
    }
    QByteArray content;
    switch (*format) {
    case FontFormat::Bin:
        content = ToggleStoredOrder(table.bytes());
        break;
    case FontFormat::Mcm:
        content = McmContent(table, options.mcmPadding);
        break;
    case FontFormat::Png: {
        QBuffer buffer(&content);
        buffer.open(QIODevice::WriteOnly);
        PngSheet(table, options.pngLayout).save(&buffer, "PNG");
        break;
    }
    }
    return WriteBinaryFile(path, content, error);
}

} // namespace kv
