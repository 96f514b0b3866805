#pragma once

#include "base/language.h"

class QCoreApplication;

namespace kv {

// Makes the process show language: the tool's English translation (translations/
// kvtool_en.qm among the shipped files) for English, Qt's own Chinese texts (its
// standard buttons and dialogs) for Chinese. Called once as a program starts, before
// any window or worker thread. False when a translation is missing; the texts then
// stay as they are written.
bool InstallLanguage(QCoreApplication& app, Language language);

} // namespace kv
