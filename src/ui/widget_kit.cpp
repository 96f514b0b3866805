#include "widget_kit.h"

#include "base/prompter.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

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

QComboBox* Selector(const QStringList& items, int start, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->addItems(items);
    box->setCurrentIndex(start);
    return box;
}

int LinesHeight(const QPlainTextEdit& edit, int lines)
{
    return edit.fontMetrics().lineSpacing() * lines + 2 * edit.frameWidth()
           + int(edit.document()->documentMargin()) * 2;
}

} // namespace kv::ui
