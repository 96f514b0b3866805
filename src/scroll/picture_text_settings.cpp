#include "scroll/picture_text_settings.h"

#include "base/position_time_checks.h"
#include "scroll/picture_text_layout.h"

namespace kv {

namespace {
constexpr int kLines = 6;

std::optional<bool> flag(const QString& text)
{
    if (text == QLatin1String("0"))
        return false;
    if (text == QLatin1String("1"))
        return true;
    return std::nullopt;
}

QString flagText(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}
} // namespace

QString PictureTextSettingsRecord()
{
    return QStringLiteral("gdzfcs");
}

bool IsPictureTextSize(int size)
{
    return PictureTextSizeItems().contains(QString::number(size));
}

bool IsVerticalAdjustmentIndex(int index)
{
    return index >= 0 && index < VerticalAdjustmentItems().size();
}

QStringList PictureTextSettingsLines(const PictureTextSettings& settings)
{
    QString text = settings.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return {QString::number(settings.size), QString::number(settings.verticalAdjustment), settings.fontName,
            flagText(settings.bold), text, flagText(settings.filterNoise)};
}

PictureTextSettings LoadPictureTextSettings(const RecordStore& store)
{
    PictureTextSettings settings;
    const auto lines = store.readLines(PictureTextSettingsRecord());
    if (!lines || lines->size() != kLines)
        return settings;
    if (const auto size = BoxValue(lines->at(0)); size && IsPictureTextSize(*size))
        settings.size = *size;
    if (const auto index = BoxValue(lines->at(1)); index && IsVerticalAdjustmentIndex(*index))
        settings.verticalAdjustment = *index;
    if (!lines->at(2).isEmpty())
        settings.fontName = lines->at(2);
    settings.bold = flag(lines->at(3)).value_or(settings.bold);
    settings.text = lines->at(4);
    settings.filterNoise = flag(lines->at(5)).value_or(settings.filterNoise);
    return settings;
}

bool SavePictureTextSettings(const RecordStore& store, const PictureTextSettings& settings, QString* error)
{
    return store.writeLines(PictureTextSettingsRecord(), PictureTextSettingsLines(settings), error);
}

} // namespace kv
