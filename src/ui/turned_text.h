#pragma once

#include "picture/vertical_text.h"

#include <QString>

class QRadioButton;
class QWidget;

namespace kv::ui {

// An editor that shows a text turned by "文字纵排" is read-only and greyed, so the
// operator edits the text as typed, after "文字横排".
void ShowTurnedText(QWidget& editor, bool turned);

// The option pair "文字横排" (chosen at first) and "文字纵排", one choice of the two.
struct DirectionButtons {
    QRadioButton* horizontal;
    QRadioButton* vertical;
};
DirectionButtons MakeDirectionButtons(QWidget* parent);

// What the choice of a direction does to an editor (a QTextEdit or QPlainTextEdit):
// "文字纵排" shows the typed text turned for its use, "文字横排" the typed text back.
// typed keeps the text as typed while the editor shows it turned. A text too large to
// turn is refused (the message shown) and "文字横排" is chosen again without its signal,
// the editor as it was.
void ChooseDirection(bool vertical, QWidget& editor, QString& typed, const DirectionButtons& buttons,
                     TurnedTextUse use, Prompter& prompter);

} // namespace kv::ui
