#pragma once

#include "picture/page_selectors.h"

#include <QString>

namespace kv {

// The static inputs of the send panel in the static modes 5 to 9, selectors as item
// indexes and boxes as their text.
struct StaticSendFields {
    QString text;                                     // the editor, lines joined by CR LF
    QString fontName = QStringLiteral("Microsoft Sans Serif");
    QString size = QStringLiteral("32");              // "字符点阵"
    bool bold = false;                                // "粗体"
    int lineSpacing = 5;
    int extraHeight = 0;                              // "显示增高"
    int verticalShift = kNoVerticalShift;             // "字符垂直调整"
    int horizontalOffset = 0;
    QString verticalPosition = QStringLiteral("150"); // "垂直位置"
    int brightness = 0;
    int background = kStaticBackgroundNone;
    bool horizontal = true;                           // "文字横排"; false is "文字纵排"
};

} // namespace kv
