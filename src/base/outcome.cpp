#include "base/outcome.h"

#include "base/prompter.h"
#include "text/operator_text.h"

namespace kv {

Outcome Refuse(Prompter& prompter, const QString& text)
{
    return Refuse(prompter, text, Text::tr("错误"));
}

Outcome Refuse(Prompter& prompter, const QString& text, const QString& title)
{
    prompter.error(text, title);
    return Outcome::Refused(text);
}

Outcome Fail(Prompter& prompter, const QString& text, const QString& title)
{
    prompter.failure(text, title);
    return Outcome::Failed(text);
}

Outcome FailWithError(Prompter& prompter, const QString& text)
{
    return FailWithError(prompter, text, Text::tr("错误"));
}

Outcome FailWithError(Prompter& prompter, const QString& text, const QString& title)
{
    prompter.error(text, title);
    return Outcome::Failed(text);
}

} // namespace kv
