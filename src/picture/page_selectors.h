#pragma once

#include <QStringList>

namespace kv {

// The selectors of the edit pages and of the static send page, items as shown. Where a
// selector's value is sent, the item index is sent.

// Line spacing: "0" … "16".
const QStringList& LineSpacingItems();
// Vertical shift: "20上移" … "1上移", "原形", "1下移" … "20下移"; the shift is index − 20.
QStringList VerticalShiftItems();
constexpr int kNoVerticalShift = 20;
// Extra height "显示增高": "原形", "1+" … "20+"; the extra height is the index.
QStringList ExtraHeightItems();
// Horizontal offset of the edit pages ("0" … "72") and of the static send page ("0" … "42").
const QStringList& PageHorizontalOffsetItems();
const QStringList& StaticHorizontalOffsetItems();
// Background of the edit pages: the seven effects the slots know.
QStringList PageBackgroundItems();
// Background of the static send page: all seventeen effects, "⒘无背景全透明" last.
QStringList StaticBackgroundItems();
constexpr int kStaticBackgroundNone = 16;
// The slot selector of the edit pages: "台标/角标", "临时显示", "图文1" … "图文12".
QStringList SlotItems();

// True when index names an item of items.
bool IsItemIndex(int index, const QStringList& items);

} // namespace kv
