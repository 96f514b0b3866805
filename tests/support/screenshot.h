#pragma once

#include <QDir>
#include <QWidget>

namespace kv::test {

// Saves a picture of a widget as NAME.png into the folder named by KV_SCREENSHOTS, when
// that variable is set, so a change of a panel's look can be looked at.
inline void SaveScreenshot(QWidget& widget, const QString& name)
{
    const QString folder = qEnvironmentVariable("KV_SCREENSHOTS");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    widget.grab().save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

} // namespace kv::test
