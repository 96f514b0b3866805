#pragma once

#include "font/font_table.h"

#include <QString>
#include <optional>

namespace kv {

class AppFolder;
class Prompter;

// The two font files of the application folder and the file that remembers which
// font was saved last (the caption of the font-source label).
inline const QString kOverlayFontFile = QStringLiteral("maxZK16.bin");
inline const QString kLocalFontFile = QStringLiteral("hebingf.bin");
inline const QString kSelectedFontFile = QStringLiteral("selectZK");

// Captions of the font-source label. selectZK keeps the caption itself and is read back
// by comparing with these, so they stay in Chinese in every language; the label passes
// them through Text::tr where it shows them.
inline const QString kLocalFontCaption = QString::fromUtf8(QT_TRANSLATE_NOOP("kv", "本地字库：hebingf.bin"));
inline const QString kOverlayFontCaption = QString::fromUtf8(QT_TRANSLATE_NOOP("kv", "叠加器字库：maxZK16.bin"));
inline const QString kUnsavedOverlayCaption = QString::fromUtf8(QT_TRANSLATE_NOOP("kv", "未保存的叠加器字库"));
inline const QString kSavedOverlayCaption = QString::fromUtf8(QT_TRANSLATE_NOOP("kv", "叠加器字库：maxZK16"));

// Where a save of the table goes for a caption, and the caption afterwards.
struct SaveTarget {
    QString file;
    QString caption;
};
// Nothing for a caption that names no font file.
std::optional<SaveTarget> SaveTargetFor(const QString& caption);

// The font chosen at start-up.
struct StartupFont {
    FontTable table;
    QString caption;
    bool loaded = false; // a font file was found and loaded
};

// Reads selectZK (the local font when it is missing), maps its caption to a font
// file and loads that file when it exists. When the folder has no hebingf.bin and
// shippedDefault names an existing file, that file is copied in first, so a first
// start shows real characters.
StartupFont LoadStartupFont(const AppFolder& folder, const QString& shippedDefault);

// The outcome of a save of the table.
struct FontSaveOutcome {
    bool saved = false;
    QString file;    // the path written
    QString caption; // the caption afterwards (unchanged when nothing was saved)
};

// Saves the table to the file its caption maps to and remembers the caption in
// selectZK. A failed write is reported with the file's name and changes nothing.
FontSaveOutcome SaveFontTable(const FontTable& table, const QString& caption, const AppFolder& folder,
                              Prompter& prompter);

} // namespace kv
