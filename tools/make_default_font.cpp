// Renders the default local font hebingf.bin: the printable ASCII characters at
// their own codes, white with a black outline on transparent, as operators expect of
// an overlay font; every other code is transparent. Any font can be missing on a
// bare machine, so the tool falls back through a short list and always writes a file.

#include "font/font_file.h"
#include "font/font_record.h"
#include "font/glyph_extract.h"
#include "font/glyph_ops.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QTextStream>

namespace {

QString chooseFamily()
{
    const QStringList installed = QFontDatabase::families();
    for (const char* name : {"Liberation Mono", "DejaVu Sans Mono", "WenQuanYi Micro Hei Mono"})
        if (installed.contains(QLatin1String(name)))
            return QLatin1String(name);
    return QFont().family();
}

QByteArray renderCharacter(const QString& family, QChar ch)
{
    kv::GlyphExtraction input;
    input.family = family;
    input.pixelSize = 15;
    input.bold = true;
    input.text = QString(ch);
    QFont font(family);
    font.setPixelSize(input.pixelSize);
    font.setBold(true);
    const QFontMetrics metrics(font);
    input.xOffset = (kv::kGlyphWidth - metrics.horizontalAdvance(ch)) / 2;
    input.yOffset = (kv::kGlyphHeight - metrics.height()) / 2;
    return kv::PackGrid(kv::Outlined(kv::UnpackRecord(kv::ExtractGlyph(input))));
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        QTextStream(stderr) << "usage: make_default_font OUTPUT.bin\n";
        return 2;
    }
    const QString family = chooseFamily();
    kv::FontTable table;
    const QByteArray blank(kv::kRecordSize, char(0xFF));
    for (int code = 0; code < kv::kGlyphCount; ++code)
        table.setRecord(code, code >= 0x21 && code <= 0x7E ? renderCharacter(family, QChar(code)) : blank);
    QString error;
    if (!kv::SaveFontFile(QString::fromLocal8Bit(argv[1]), table, &error)) {
        QTextStream(stderr) << "make_default_font: " << error << "\n";
        return 1;
    }
    return 0;
}
