#pragma once

#include "picture/page_selectors.h"

#include <QString>

namespace kv {

class RecordStore;

// One edit page serves the logo and the static slot, each with typed text rendered on
// this computer or with a picture file. The kind is the page button last pressed.
enum class EditPageKind { LogoText = 0, StaticText = 1, LogoPicture = 2, StaticPicture = 3 };
constexpr int kEditPageKinds = 4;

struct EditPageKindInfo {
    QString button;     // "台标_字符" …
    QString title;      // "编辑台标_字符" …
    QString sizeLabel;  // "设字符点阵为" or "设图形高度为"
    QString record;     // the page record: "TbChar" …
};
// The captions in the language shown now; the record name is the same in every language.
EditPageKindInfo KindInfo(EditPageKind kind);

inline bool IsLogoKind(EditPageKind kind)
{
    return kind == EditPageKind::LogoText || kind == EditPageKind::LogoPicture;
}
inline bool IsPictureKind(EditPageKind kind)
{
    return kind == EditPageKind::LogoPicture || kind == EditPageKind::StaticPicture;
}

// Every field of the page, selectors as item indexes and boxes as their text.
struct EditPage {
    EditPageKind kind = EditPageKind::LogoText;
    QString text;                                    // the editor, lines joined by CR LF
    QString fontName = QStringLiteral("Microsoft Sans Serif");
    QString size = QStringLiteral("12");             // "设字符点阵为" / "设图形高度为"
    bool bold = false;                               // "粗体"
    int lineSpacing = 0;
    int verticalShift = kNoVerticalShift;
    int extraHeight = 0;
    bool horizontal = true;                          // "文字横排"; false is "文字纵排"
    int horizontalOffset = 0;                        // "水平偏移"
    QString verticalPosition = QStringLiteral("150"); // "垂直位移"
    int brightness = 0;
    int background = 0;
    QString threshold = QStringLiteral("0");         // "灰度阀值调整"
    bool powerOn = true;                             // "并设为开机"
    int slot = 0;                                    // the slot selector
};

// The power-on box is checked and locked on the logo kinds: the logo always shows at
// power-on, so a logo frame never carries a static slot kind.
inline bool PowerOnLocked(EditPageKind kind)
{
    return IsLogoKind(kind);
}

// A page button: the page takes the kind, the kind's record when there is a usable
// one, and the power-on box of the kind (checked on the logo kinds, unchecked on the
// static kinds).
EditPage OpenEditPage(EditPageKind kind, EditPage page, const RecordStore& store);

// The slot kind byte the page's picture and parameter frames carry.
quint8 SlotKind(const EditPage& page);

} // namespace kv
