#include "app/language_setup.h"

#include "app/shipped_files.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace kv {

namespace {
bool install(QCoreApplication& app, const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(&app);
    if (!translator->load(name, folder)) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}
} // namespace

bool InstallLanguage(QCoreApplication& app, Language language)
{
    SetCurrentLanguage(language);
    if (language == Language::English)
        return install(app, QStringLiteral("kvtool_en"), ShippedFile(QStringLiteral("translations")));
    return install(app, QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

} // namespace kv
