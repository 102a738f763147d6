#include "platform/settings_store.h"

#include <QSettings>

namespace qv {

namespace {

QSettings Store() {
#ifdef Q_OS_WIN
    // The machine-wide key SOFTWARE\QV\QV-730.
    return QSettings(QSettings::NativeFormat, QSettings::SystemScope, "QV", "QV-730");
#else
    // A per-machine file is not writable by a normal user; the user's own scope is.
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "QV", "QV-730");
#endif
}

QSettings UserStore() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "QV", "QV-730");
}

}  // namespace

QString GetRegValue(const QString& valueName) {
    const QVariant value = Store().value(valueName);
    QString text = value.toString();
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    if (nul >= 0) text.truncate(nul);
    return text;
}

bool SetRegValue(const QString& valueName, const QString& text) {
    QSettings store = Store();
    store.setValue(valueName, text);
    store.sync();
    return store.status() == QSettings::NoError;
}

QStringList GetUserList(const QString& valueName) {
    return UserStore().value(valueName).toStringList();
}

bool SetUserList(const QString& valueName, const QStringList& list) {
    QSettings store = UserStore();
    store.setValue(valueName, list);
    store.sync();
    return store.status() == QSettings::NoError;
}

namespace {
const QString kLastComPortValue = QStringLiteral("ComPort");
}  // namespace

int GetLastComPort() {
    bool number = false;
    const int port = UserStore().value(kLastComPortValue).toString().toInt(&number);
    return number && port >= 1 && port <= 16 ? port : 0;
}

bool SetLastComPort(int port) {
    QSettings store = UserStore();
    store.setValue(kLastComPortValue, port);
    store.sync();
    return store.status() == QSettings::NoError;
}

bool GetUserFlag(const QString& valueName, bool fallback) {
    return UserStore().value(valueName, fallback).toBool();
}

bool SetUserFlag(const QString& valueName, bool on) {
    QSettings store = UserStore();
    store.setValue(valueName, on);
    store.sync();
    return store.status() == QSettings::NoError;
}

QString GetUserText(const QString& valueName) {
    return UserStore().value(valueName).toString();
}

bool SetUserText(const QString& valueName, const QString& text) {
    QSettings store = UserStore();
    store.setValue(valueName, text);
    store.sync();
    return store.status() == QSettings::NoError;
}

}  // namespace qv
