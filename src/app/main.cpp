// qv730: start the programming software. `qv730 PLAN.tw` opens PLAN.tw once the template is
// loaded. With --startup-probe it prints the time from the start of main() until the channel
// editor is shown, then quits. With --ini-dir FOLDER it reads Radio.INI from FOLDER.
#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QTimer>
#include <QUrl>
#include <cstdio>

#include "context/desktop_context.h"
#include "shell/main_window.h"

namespace {

// A file manager passes a path; some pass a file:// address instead.
QString LocalPath(const QString& argument) {
    if (argument.startsWith(QLatin1String("file:"))) return QUrl(argument).toLocalFile();
    return argument;
}

}  // namespace

int main(int argc, char* argv[]) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    app.setApplicationName("QV-730");
    app.setOrganizationName("QV");
    app.setApplicationVersion(QV730_VERSION);

    QCommandLineParser parser;
    parser.setApplicationDescription("QV-730 Programming Software");
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument("file", "A .tw data file to open.", "[FILE.tw]");
    QCommandLineOption probe("startup-probe", "Print the start-up time and quit.");
    probe.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(probe);
    // Radio.INI from another folder, so a session (such as one with the virtual radio) can map
    // its ports without changing the file beside the program.
    QCommandLineOption iniDir(
        "ini-dir", "Read Radio.INI from FOLDER instead of the program's folder.", "FOLDER");
    parser.addOption(iniDir);
    parser.process(app);
    if (parser.positionalArguments().size() > 1) {
        std::fprintf(stderr, "qv730: give one file to open\n");
        return 2;
    }

    // The program's folder holds default.tw and Radio.INI; the real dialogs, ports and browser.
    qv::DesktopContext desktop(QCoreApplication::applicationDirPath());
    if (parser.isSet(iniDir)) desktop.context().SetIniFolder(parser.value(iniDir));
    qv::MainWindow window(desktop.context());
    window.show();
    if (!parser.positionalArguments().isEmpty()) {
        window.OpenPath(LocalPath(parser.positionalArguments().constFirst()));
    }
    if (parser.isSet(probe)) {
        QTimer::singleShot(0, &app, [&] {
            std::printf("channel editor shown after %.1f ms\n", sinceStart.nsecsElapsed() / 1e6);
            app.quit();
        });
    }
    return app.exec();
}
