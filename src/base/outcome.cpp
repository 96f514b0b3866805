#include "base/outcome.h"

#include "base/prompter.h"

namespace kv {

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

Outcome FailWithError(Prompter& prompter, const QString& text, const QString& title)
{
    prompter.error(text, title);
    return Outcome::Failed(text);
}

} // namespace kv
