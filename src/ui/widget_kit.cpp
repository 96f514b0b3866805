#include "widget_kit.h"

#include "base/prompter.h"

#include <QLineEdit>

namespace kv::ui {

void GuardField(Prompter& prompter, QLineEdit* box, BoxVerdict (*check)(const QString&))
{
    QObject::connect(box, &QLineEdit::textEdited, box, [&prompter, box, check](const QString& text) {
        const BoxVerdict verdict = check(text);
        if (verdict.ok())
            return;
        prompter.error(verdict.message);
        box->setText(verdict.resetTo);
    });
}

} // namespace kv::ui
