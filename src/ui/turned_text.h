#pragma once

class QWidget;

namespace kv::ui {

// An editor that shows a text turned by "文字纵排" is read-only and greyed, so the
// operator edits the text as typed, after "文字横排".
void ShowTurnedText(QWidget& editor, bool turned);

} // namespace kv::ui
