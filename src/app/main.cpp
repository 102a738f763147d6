// qv730: start the programming software. With --startup-probe it prints the time from the start
// of main() until the channel editor is shown, then quits.
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>

#include "shell/main_window.h"

int main(int argc, char* argv[]) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    QApplication app(argc, argv);
    app.setApplicationName("QV-730");
    app.setOrganizationName("QV");
    app.setApplicationVersion(QV730_VERSION);

    qv::MainWindow window;
    window.show();
    if (app.arguments().contains("--startup-probe")) {
        QTimer::singleShot(0, &app, [&] {
            std::printf("channel editor shown after %.1f ms\n", sinceStart.nsecsElapsed() / 1e6);
            app.quit();
        });
    }
    return app.exec();
}
