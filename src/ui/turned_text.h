#pragma once

#include "base/checked.h"
#include "picture/vertical_text.h"

#include <QString>

class QRadioButton;
class QWidget;

namespace kv::ui {

// An editor that shows a text turned by "文字纵排" is read-only and greyed, so the
// operator edits the text as typed, after "文字横排".
void ShowTurnedText(QWidget& editor, bool turned);

// The text an editor shows after "文字纵排" (the typed text turned for its use) or
// "文字横排" (the typed text back). shown is the editor's text now; typed keeps the text
// as typed while it shows turned. A text too large to turn is refused (the message
// shown), and typed stays as it was.
Checked<QString> TextForDirection(bool vertical, const QString& shown, QString& typed, TurnedTextUse use,
                                  Prompter& prompter);

// The option pair "文字横排" (chosen at first) and "文字纵排", one choice of the two.
struct DirectionButtons {
    QRadioButton* horizontal;
    QRadioButton* vertical;
};
DirectionButtons MakeDirectionButtons(QWidget* parent);
// "文字横排" chosen again after a refused turn, without the choice's signal: the editor
// still shows the text as typed.
void KeepHorizontal(const DirectionButtons& buttons);

} // namespace kv::ui
