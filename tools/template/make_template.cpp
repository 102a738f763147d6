// qv730-mktemplate OUT.tw: writes the start-up template (see startup_template.cpp).
#include <QCoreApplication>
#include <cstdio>

#include "data/data_file.h"
#include "startup_template.h"

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: qv730-mktemplate OUT.tw\n");
        return 2;
    }
    const qv::SaveResult saved = qv::SaveFile(args[1], qv::BuildStartupTemplate());
    if (!saved.ok) {
        std::fprintf(stderr, "qv730-mktemplate: %s\n", saved.error.toLocal8Bit().constData());
        return 1;
    }
    return 0;
}
