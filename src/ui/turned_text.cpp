#include "turned_text.h"

#include "base/unit_text.h"
#include "text/operator_text.h"

#include <QButtonGroup>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTextEdit>

namespace kv::ui {

void ShowTurnedText(QWidget& editor, bool turned)
{
    if (auto* plain = qobject_cast<QPlainTextEdit*>(&editor))
        plain->setReadOnly(turned);
    else if (auto* rich = qobject_cast<QTextEdit*>(&editor))
        rich->setReadOnly(turned);
    QPalette palette = editor.palette();
    palette.setColor(QPalette::Base, turned ? editor.palette().color(QPalette::Window)
                                            : QPalette().color(QPalette::Base));
    editor.setPalette(palette);
}

DirectionButtons MakeDirectionButtons(QWidget* parent)
{
    DirectionButtons buttons{new QRadioButton(Text::tr("文字横排"), parent),
                             new QRadioButton(Text::tr("文字纵排"), parent)};
    buttons.horizontal->setChecked(true);
    auto* group = new QButtonGroup(parent);
    group->addButton(buttons.horizontal);
    group->addButton(buttons.vertical);
    return buttons;
}

void ChooseDirection(bool vertical, QWidget& editor, QString& typed, const DirectionButtons& buttons,
                     TurnedTextUse use, Prompter& prompter)
{
    auto* plain = qobject_cast<QPlainTextEdit*>(&editor);
    auto* rich = qobject_cast<QTextEdit*>(&editor);
    const auto show = [&](const QString& text) { plain ? plain->setPlainText(text) : rich->setPlainText(text); };
    if (!vertical) {
        show(typed);
        ShowTurnedText(editor, false);
        return;
    }
    const QString shown = plain ? plain->toPlainText() : rich->toPlainText();
    const auto turned = TurnForUse(WithCrLfLineBreaks(shown), use, prompter);
    if (!turned) {
        const QSignalBlocker quiet(buttons.vertical);
        buttons.horizontal->setChecked(true);
        return;
    }
    typed = shown;
    show(*turned);
    ShowTurnedText(editor, true);
}

} // namespace kv::ui
