#pragma once

#include "base/app_folder.h"
#include "base/outcome.h"
#include "font/font_table.h"
#include "font/png_sheet.h"

#include <QByteArray>
#include <QString>

namespace kv {

class Prompter;

// The font being worked on, as the window's font page and kvctl font both hold it:
// the table, the caption that names its font file, and the .mcm padding of an
// imported file. Its operations report their faults to the prompter in the
// operator's words and leave the document as it was when they fail.
class FontDocument {
public:
    FontDocument(AppFolder folder, Prompter& prompter);

    const FontTable& table() const { return table_; }
    // The font-source caption; a save goes to the file it names.
    const QString& caption() const { return caption_; }
    // A font file was loaded or a font imported.
    bool loaded() const { return loaded_; }

    void setRecord(int code, const QByteArray& record) { table_.setRecord(code, record); }

    // The remembered font of the folder, as a start of kvtool loads it.
    void openStartup(const QString& shippedDefault);
    // A font file of the folder under its caption; false, changing nothing, when the
    // file is missing or cannot be read.
    bool open(const QString& file, const QString& caption);
    // Writes the table to the file its caption names and remembers the caption.
    bool save();
    // A font read from the unit: not yet in any file.
    void takeUnitFont(const FontTable& table);
    // A .bin, .mcm or .png file from anywhere; the caption stays.
    Outcome importFile(const QString& path);
    Outcome exportFile(const QString& path, PngLayout pngLayout) const;
    // The table as the firmware's C array in the folder.
    Outcome exportC() const;

private:
    AppFolder folder_;
    Prompter& prompter_;
    FontTable table_;
    QString caption_;
    QByteArray mcmPadding_;
    bool loaded_ = false;
};

} // namespace kv
