#pragma once

// The two uses of a rendered text block, each with its size field, limits and ink test:
//   - the static mode "静止—自定义字体": "字符点阵" field, at most 816 x 520 and
//     133 120 pixels, inked below light grey;
//   - the edit pages' "字符下载": "设字符点阵为" field, at most 816 x 520 and 65 536
//     pixels, everything that is not pure white is ink.
// The Prepare functions render, check (showing the limit's message through the
// Prompter) and pack; a picture a limit refuses has its surface and no matrix. A text
// with nothing to draw (empty, or spaces and line breaks only) is refused before it is
// drawn.

#include "base/position_time_checks.h"
#include "picture/prepared_picture.h"
#include "picture/text_block.h"

#include <optional>

namespace kv {

class Prompter;

// The size fields, checked on every change; a refusal resets the field to "32". An
// empty field is left alone.
BoxVerdict CheckCustomFontSizeField(const QString& text);
BoxVerdict CheckPageSizeField(const QString& text);
// The pixel size a size field holds; nothing when it is not a number.
std::optional<int> SizeFieldValue(const QString& text);

// The text block as a page's fields give it: the font name substituted when the font is
// not installed, the size field read, the vertical-shift item turned into the shift.
TextBlockInput TextBlockFromFields(const QString& text, const QString& fontName, const QString& size, int extraHeight,
                                   int verticalShiftItem, int lineSpacing, bool bold);

std::optional<QString> CustomFontLimitMessage(int width, int height);
std::optional<QString> CharacterDownloadLimitMessage(int width, int height);

PreparedPicture PrepareCustomFontPicture(const TextBlockInput& input, Prompter& prompter);
PreparedPicture PrepareCharacterDownloadPicture(const TextBlockInput& input, Prompter& prompter);

// The refusal of a text with nothing to draw or to send.
QString NoTextToSendText();
bool IsBlankText(const QString& text);

} // namespace kv
