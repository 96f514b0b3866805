#pragma once

#include "base/outcome.h"

#include <QString>
#include <optional>

namespace kv {

class AppFolder;
class Prompter;

// The language the operator reads: Chinese, the tool's own, unless English is chosen.
// Only texts shown change with it; what goes to a unit or into a file never does.
enum class Language { Chinese, English };

// "zh" or "en", the words of LANG.TXT, kvctl's --lang and KV_LANG.
QString LanguageCode(Language language);
std::optional<Language> ParseLanguage(const QString& code);

// The choice kept in savefiles/LANG.TXT; Chinese when there is none or it is not one
// of the two words.
Language SavedLanguage(const AppFolder& folder);
// Keeps the choice; a file that cannot be written fails, and the prompter says why.
Outcome SaveLanguage(const AppFolder& folder, Language language, Prompter& prompter);

// The language this process shows, set once as it starts (before any worker thread)
// and read by whatever picks a text by language, as the help texts do.
Language CurrentLanguage();
void SetCurrentLanguage(Language language);

} // namespace kv
