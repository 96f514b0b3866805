#include "picture/page_record.h"

#include "base/display_effects.h"
#include "base/record_store.h"
#include "picture/edit_page.h"
#include "picture/exact_lines.h"

namespace kv {

namespace {
constexpr int kRecordLines = 14;
const QString kLineBreakMark = QStringLiteral("~~~");

QString tick(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

// A selector stored by its text takes the item that shows that text.
void applyItemText(const QString& field, const QStringList& items, int& target)
{
    const qsizetype index = items.indexOf(field);
    if (index >= 0)
        target = int(index);
}

void applyTick(const QString& field, bool& target)
{
    if (const auto on = TickField(field))
        target = *on;
}
} // namespace

QStringList PageRecordLines(const EditPage& page)
{
    QString text = page.text;
    text.replace(QStringLiteral("\r\n"), kLineBreakMark);
    return {
        page.fontName,
        LineSpacingItems().value(page.lineSpacing),
        QString::number(page.verticalShift),
        QString::number(page.extraHeight),
        tick(page.bold),
        PageHorizontalOffsetItems().value(page.horizontalOffset),
        QString::number(page.background),
        page.verticalPosition,
        QString::number(page.brightness),
        page.size,
        page.threshold,
        tick(page.powerOn),
        page.horizontal ? QStringLiteral("True") : QStringLiteral("False"),
        text,
    };
}

bool LoadPageRecord(const RecordStore& store, EditPage& page)
{
    const auto lines = ReadExactLines(store.path(KindInfo(page.kind).record));
    if (!lines || lines->size() != kRecordLines)
        return false;
    const QStringList& l = *lines;
    page.fontName = l.at(0);
    applyItemText(l.at(1), LineSpacingItems(), page.lineSpacing);
    ApplyIndexField(l.at(2), VerticalShiftItems(), page.verticalShift);
    ApplyIndexField(l.at(3), ExtraHeightItems(), page.extraHeight);
    applyTick(l.at(4), page.bold);
    applyItemText(l.at(5), PageHorizontalOffsetItems(), page.horizontalOffset);
    ApplyIndexField(l.at(6), PageBackgroundItems(), page.background);
    page.verticalPosition = l.at(7);
    ApplyIndexField(l.at(8), BrightnessItems(), page.brightness);
    page.size = l.at(9);
    page.threshold = l.at(10);
    applyTick(l.at(11), page.powerOn);
    page.horizontal = l.at(12).compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0;
    page.text = QString(l.at(13)).replace(kLineBreakMark, QStringLiteral("\r\n"));
    return true;
}

bool SavePageRecord(const RecordStore& store, const EditPage& page, QString* error)
{
    return store.writeLines(KindInfo(page.kind).record, PageRecordLines(page), error);
}

} // namespace kv
