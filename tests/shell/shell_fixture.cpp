#include "shell_fixture.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>

#include "language/ui_language.h"

namespace qv::test {

ShellFixture::ShellFixture(const QString& storedLanguage, const QString& iniSetup) {
    if (!storedLanguage.isNull()) services.settings.SetRegValue("Language", storedLanguage);
    QFile::copy(QCoreApplication::applicationDirPath() + "/default.tw", dir.filePath("default.tw"));
    QFile ini(dir.filePath("Radio.INI"));
    ini.open(QIODevice::WriteOnly);
    ini.write(
        ("[Setup]\n" + iniSetup + "[Ports]\nCOM1=" + dir.filePath("no-such-port") + "\n").toUtf8());
    ini.close();
    window = std::make_unique<MainWindow>(services.context);
}

ShellFixture::~ShellFixture() {
    window.reset();
}

QString ShellFixture::StoredLanguage() const {
    return services.settings.GetRegValue("Language");
}

}  // namespace qv::test
