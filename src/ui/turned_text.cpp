#include "turned_text.h"

#include "picture/vertical_text.h"
#include "scroll/unit_text.h"

#include <QPlainTextEdit>
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

QString TextForDirection(bool vertical, const QString& shown, QString& typed)
{
    if (!vertical)
        return typed;
    typed = shown;
    return TransposeToVertical(WithCrLfLineBreaks(typed));
}

} // namespace kv::ui
