#include "font/font_source.h"

#include "base/app_folder.h"
#include "base/prompter.h"
#include "font/font_file.h"
#include "text/operator_text.h"

#include <QFile>

namespace kv {

std::optional<SaveTarget> SaveTargetFor(const QString& caption)
{
    if (caption == kUnsavedOverlayCaption)
        return SaveTarget{kOverlayFontFile, kSavedOverlayCaption};
    // A font read from the unit and saved once carries the short caption; it lives
    // in maxZK16.bin like any other overlay font.
    if (caption == kOverlayFontCaption || caption == kSavedOverlayCaption)
        return SaveTarget{kOverlayFontFile, caption};
    if (caption == kLocalFontCaption)
        return SaveTarget{kLocalFontFile, caption};
    return std::nullopt;
}

StartupFont LoadStartupFont(const AppFolder& folder, const QString& shippedDefault)
{
    const QString local = folder.path(kLocalFontFile);
    if (!shippedDefault.isEmpty() && !QFile::exists(local) && QFile::exists(shippedDefault))
        QFile::copy(shippedDefault, local);

    StartupFont startup;
    startup.caption = ReadFirstLine(folder.path(kSelectedFontFile)).value_or(kLocalFontCaption);
    const auto target = SaveTargetFor(startup.caption);
    if (!target)
        return startup;
    startup.caption = target->caption;
    if (auto table = LoadFontFile(folder.path(target->file))) {
        startup.table = *table;
        startup.loaded = true;
    }
    return startup;
}

FontSaveOutcome SaveFontTable(const FontTable& table, const QString& caption, const AppFolder& folder,
                              Prompter& prompter)
{
    FontSaveOutcome outcome;
    outcome.caption = caption;
    const auto target = SaveTargetFor(caption);
    if (!target) {
        prompter.error(Text::tr("当前字库没有对应的字库文件，未保存"));
        return outcome;
    }
    // The font file first: selectZK must never name a font that was not written.
    const QString path = folder.path(target->file);
    QString reason;
    if (!SaveFontFile(path, table, &reason)) {
        prompter.error(FileWriteErrorText(path, reason));
        return outcome;
    }
    const QString selectPath = folder.path(kSelectedFontFile);
    if (!WriteTextFile(selectPath, target->caption, &reason))
        prompter.error(FileWriteErrorText(selectPath, reason));
    outcome.saved = true;
    outcome.file = path;
    outcome.caption = target->caption;
    return outcome;
}

} // namespace kv
