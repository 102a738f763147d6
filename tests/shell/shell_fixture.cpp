#include "shell_fixture.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QSettings>

#include "language/ui_language.h"

namespace qv::test {

ShellFixture::ShellFixture(const QString& storedLanguage, const QString& iniSetup) {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
    {
        QSettings store(QSettings::NativeFormat, QSettings::UserScope, "QV", "QV-730");
        store.clear();
        if (!storedLanguage.isNull()) store.setValue("Language", storedLanguage);
    }
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
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, "QV", "QV-730");
    return store.value("Language").toString();
}

}  // namespace qv::test
