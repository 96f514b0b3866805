#pragma once

class QCoreApplication;

namespace kv::ui {

// Loads Qt's own Chinese texts (qtbase_zh_CN.qm) into the application, so the standard
// buttons and dialogs read 确定, 是/否, 保存/取消 like the rest of the window, whatever
// the machine's locale. Returns false when the translation is not installed; the
// buttons then keep Qt's English.
bool InstallQtChineseTranslations(QCoreApplication& app);

} // namespace kv::ui
