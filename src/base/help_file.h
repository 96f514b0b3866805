#pragma once

#include <QString>

namespace kv {

class AppFolder;

// The operating help texts: plain text files in the folder "help" of the application
// folder, in UTF-8 or code page 936.

// The text of help/NAME: its lines joined by CR LF, with none after the last line;
// "帮助文件未找到" when there is no such file.
QString ReadHelpText(const AppFolder& folder, const QString& fileName);

// The viewer's caption for a topic: "使用帮助---" and the topic.
QString HelpCaption(const QString& topic);

} // namespace kv
