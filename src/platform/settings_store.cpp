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

// Writes one value and says whether the store took it.
bool WriteValue(QSettings store, const QString& valueName, const QVariant& value) {
    store.setValue(valueName, value);
    store.sync();
    return store.status() == QSettings::NoError;
}

const QString kLastComPortValue = QStringLiteral("ComPort");

}  // namespace

QString GetRegValue(const QString& valueName) {
    const QVariant value = Store().value(valueName);
    QString text = value.toString();
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    if (nul >= 0) text.truncate(nul);
    return text;
}

bool SetRegValue(const QString& valueName, const QString& text) {
    return WriteValue(Store(), valueName, text);
}

QStringList GetUserList(const QString& valueName) {
    return UserStore().value(valueName).toStringList();
}

bool SetUserList(const QString& valueName, const QStringList& list) {
    return WriteValue(UserStore(), valueName, list);
}

int GetLastComPort() {
    bool number = false;
    const int port = UserStore().value(kLastComPortValue).toString().toInt(&number);
    return number && port >= 1 && port <= 16 ? port : 0;
}

bool SetLastComPort(int port) {
    return WriteValue(UserStore(), kLastComPortValue, port);
}

bool GetUserFlag(const QString& valueName, bool fallback) {
    return UserStore().value(valueName, fallback).toBool();
}

bool SetUserFlag(const QString& valueName, bool on) {
    return WriteValue(UserStore(), valueName, on);
}

QString GetUserText(const QString& valueName) {
    return UserStore().value(valueName).toString();
}

bool SetUserText(const QString& valueName, const QString& text) {
    return WriteValue(UserStore(), valueName, text);
}

}  // namespace qv
