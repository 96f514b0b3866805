#pragma once

#include "base/app_folder.h"

#include <QString>
#include <QStringList>

namespace kv {

struct StaticSendFields;

// The parameter file of a static mode (savefiles/user_char_cs.txt for mode 6,
// ls_pic_cs.txt for 7, jz_zkda_cs.txt for 8, jz_zkxia_cs.txt for 9): eleven values,
// written after each finished send of the mode and read back when the mode is chosen.
// Empty for a mode that has none.
QString ModeParameterFile(int mode);

// The file's eleven lines. The font is written as its index in fontList (−1 when it
// is not there); it is not read back, nor is the text direction.
QStringList ModeParameterLines(const StaticSendFields& fields, const QStringList& fontList);

// Applies the mode's file when it has exactly eleven lines; otherwise the fields stay.
// A value that does not fit its selector leaves that field as it is.
bool LoadModeParameters(const AppFolder& folder, int mode, StaticSendFields& fields);

bool SaveModeParameters(const AppFolder& folder, int mode, const StaticSendFields& fields,
                        const QStringList& fontList, QString* error);

} // namespace kv
