// kvtool: the desktop window with which operators configure, feed and test caption
// overlay units.

#include "app/language_setup.h"
#include "app/shipped_files.h"
#include "base/app_folder.h"
#include "link/path_port.h"
#include "main_window.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kvtool"));

    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption dirOption(QStringLiteral("dir"), QStringLiteral("The application folder."),
                                       QStringLiteral("DIR"));
    parser.addOption(dirOption);
    parser.process(app);

    QString root = parser.value(dirOption);
    if (root.isEmpty())
        root = kv::DefaultAppFolderRoot();
    QDir().mkpath(root);
    const kv::AppFolder folder(root);
    kv::InstallLanguage(app, kv::SavedLanguage(folder));

    kv::SteadyClock clock;
    kv::ui::MainWindow window(folder, kv::PathPorts(), clock);
    window.show();
    return app.exec();
}
