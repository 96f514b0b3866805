#pragma once

#include <QString>

namespace kv {

class AppFolder;

// The operating help texts: plain text files in the folder "help" of the application
// folder, in UTF-8 or code page 936; the English ones in its folder "help/en".

enum class Language;

// "help" or "help/en": the folder of the help texts in a language, in the application
// folder and among the shipped files alike.
QString HelpFolderName(Language language);

// The text of NAME in the help folder of the language shown: its lines joined by CR LF, with none after the last line;
// "帮助文件未找到" when there is no such file.
QString ReadHelpText(const AppFolder& folder, const QString& fileName);

// The viewer's caption for a topic: "使用帮助---" and the topic.
QString HelpCaption(const QString& topic);

} // namespace kv
