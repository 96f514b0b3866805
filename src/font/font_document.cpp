#include "font/font_document.h"

#include "base/prompter.h"
#include "font/c_export.h"
#include "font/font_file.h"
#include "font/font_interchange.h"
#include "font/font_source.h"

#include <QFile>

namespace kv {

FontDocument::FontDocument(AppFolder folder, Prompter& prompter) : folder_(std::move(folder)), prompter_(prompter) {}

void FontDocument::openStartup(const QString& shippedDefault)
{
    const StartupFont startup = LoadStartupFont(folder_, shippedDefault);
    table_ = startup.table;
    caption_ = startup.caption;
    loaded_ = startup.loaded;
}

bool FontDocument::open(const QString& file, const QString& caption)
{
    const QString path = folder_.path(file);
    if (!QFile::exists(path))
        return false;
    const auto loaded = LoadFontFile(path);
    if (!loaded)
        return false;
    table_ = *loaded;
    mcmPadding_.clear();
    loaded_ = true;
    caption_ = caption;
    return true;
}

bool FontDocument::save()
{
    const FontSaveOutcome outcome = SaveFontTable(table_, caption_, folder_, prompter_);
    caption_ = outcome.caption;
    return outcome.saved;
}

void FontDocument::takeUnitFont(const FontTable& table)
{
    table_ = table;
    mcmPadding_.clear();
    caption_ = kUnsavedOverlayCaption;
}

Outcome FontDocument::importFile(const QString& path)
{
    auto imported = ImportFontFile(path);
    if (auto* error = std::get_if<FontImportError>(&imported))
        return FailWithError(prompter_, error->text);
    auto& font = std::get<ImportedFont>(imported);
    table_ = font.table;
    mcmPadding_ = font.mcmPadding;
    loaded_ = true;
    return Outcome::Done();
}

Outcome FontDocument::exportFile(const QString& path, PngLayout pngLayout) const
{
    QString reason;
    if (!ExportFontFile(path, table_, FontExportOptions{mcmPadding_, pngLayout}, &reason))
        return FailWithError(prompter_, FileWriteErrorText(path, reason));
    return Outcome::Done();
}

Outcome FontDocument::exportC() const
{
    return ExportCFile(table_, folder_, prompter_);
}

} // namespace kv
