#include "base/language.h"

#include "base/app_folder.h"

#include <atomic>

namespace kv {

namespace {
const QString kLanguageFile = QStringLiteral("LANG.TXT");

std::atomic<Language> current{Language::Chinese};
} // namespace

QString LanguageCode(Language language)
{
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("zh");
}

std::optional<Language> ParseLanguage(const QString& code)
{
    const QString word = code.trimmed().toLower();
    if (word == QLatin1String("zh"))
        return Language::Chinese;
    if (word == QLatin1String("en"))
        return Language::English;
    return std::nullopt;
}

Language SavedLanguage(const AppFolder& folder)
{
    const auto line = ReadFirstLine(folder.settingsPath(kLanguageFile));
    return line ? ParseLanguage(*line).value_or(Language::Chinese) : Language::Chinese;
}

Outcome SaveLanguage(const AppFolder& folder, Language language, Prompter& prompter)
{
    QString error;
    if (!WriteSettingsFile(folder, kLanguageFile, LanguageCode(language), &error))
        return FailWithError(prompter, error);
    return Outcome::Done();
}

Language CurrentLanguage()
{
    return current.load();
}

void SetCurrentLanguage(Language language)
{
    current.store(language);
}

} // namespace kv
