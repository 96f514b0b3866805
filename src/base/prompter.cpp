#include "base/prompter.h"

namespace kv {

QString ProgressText(const QString& doing, int value, int maximum, const QString& detail)
{
    QString text = doing + QStringLiteral("：%1 / %2").arg(value).arg(maximum);
    if (!detail.isEmpty())
        text += QStringLiteral("（") + detail + QStringLiteral("）");
    return text;
}

} // namespace kv
