#include "base/prompter.h"

#include "text/operator_text.h"

namespace kv {

void Prompter::error(const QString& text)
{
    error(text, Text::tr("错误"));
}

QString ProgressText(const QString& doing, int value, int maximum, const QString& detail)
{
    const QString text = Text::tr("%1：%2 / %3").arg(doing, QString::number(value), QString::number(maximum));
    return detail.isEmpty() ? text : Text::tr("%1（%2）").arg(text, detail);
}

} // namespace kv
