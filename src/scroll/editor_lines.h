#pragma once

#include <QString>

namespace kv {

// Line reading of a multi-line text box, as pure functions over its text. Lines are
// separated by LF (a CR before it belongs to the line break, not to the line).

// The number of lines; an empty text and a text ending in a line break count the
// empty line after it, as a text box does.
int EditLineCount(const QString& text);
// Line index (0-based) without its line break; "" for an index beyond the text.
QString ReadEditLine(const QString& text, int index);
// The 0-based line that holds the character position.
int LineAtPosition(const QString& text, int position);

// The selection of the whole line that holds the caret: from just after the last LF
// before the caret (or 0) up to the first LF at or after it (or the end).
struct LineSelection {
    int start = 0;
    int end = 0;
};
LineSelection SetTextLength(const QString& text, int caret);

} // namespace kv
