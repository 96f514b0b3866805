#include "picture/mode_parameters.h"

#include "base/display_effects.h"
#include "base/line_ends.h"
#include "picture/exact_lines.h"
#include "picture/static_send_fields.h"

namespace kv {

namespace {
constexpr int kParameterLines = 11;
} // namespace

QString ModeParameterFile(int mode)
{
    switch (mode) {
    case 6:
        return QStringLiteral("user_char_cs.txt");
    case 7:
        return QStringLiteral("ls_pic_cs.txt");
    case 8:
        return QStringLiteral("jz_zkda_cs.txt");
    case 9:
        return QStringLiteral("jz_zkxia_cs.txt");
    default:
        return QString();
    }
}

QStringList ModeParameterLines(const StaticSendFields& fields, const QStringList& fontList)
{
    return {
        fields.horizontal ? QStringLiteral("True") : QStringLiteral("False"),
        QString::number(fontList.indexOf(fields.fontName)),
        QString::number(fields.brightness),
        fields.size,
        QString::number(fields.lineSpacing),
        QString::number(fields.horizontalOffset),
        fields.verticalPosition,
        QString::number(fields.verticalShift),
        QString::number(fields.extraHeight),
        QString::number(fields.background),
        fields.bold ? QStringLiteral("1") : QStringLiteral("0"),
    };
}

bool LoadModeParameters(const AppFolder& folder, int mode, StaticSendFields& fields)
{
    const QString file = ModeParameterFile(mode);
    if (file.isEmpty())
        return false;
    const auto lines = ReadExactLines(folder.settingsPath(file));
    if (!lines || lines->size() != kParameterLines)
        return false;
    const QStringList& l = *lines;
    ApplyIndexField(l.at(2), BrightnessItems(), fields.brightness);
    fields.size = l.at(3);
    ApplyIndexField(l.at(4), LineSpacingItems(), fields.lineSpacing);
    ApplyIndexField(l.at(5), StaticHorizontalOffsetItems(), fields.horizontalOffset);
    fields.verticalPosition = l.at(6);
    ApplyIndexField(l.at(7), VerticalShiftItems(), fields.verticalShift);
    ApplyIndexField(l.at(8), ExtraHeightItems(), fields.extraHeight);
    ApplyIndexField(l.at(9), StaticBackgroundItems(), fields.background);
    if (const auto bold = TickField(l.at(10)))
        fields.bold = *bold;
    return true;
}

bool SaveModeParameters(const AppFolder& folder, int mode, const StaticSendFields& fields,
                        const QStringList& fontList, QString* error)
{
    return WriteSettingsFile(folder, ModeParameterFile(mode), JoinLines(ModeParameterLines(fields, fontList)), error);
}

} // namespace kv
