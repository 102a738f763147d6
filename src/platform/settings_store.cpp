#include "platform/settings_store.h"

#include <QSettings>

namespace qv {

namespace {

const QString kLastComPortValue = QStringLiteral("ComPort");

// Stores one value and says whether the store took it.
bool WriteValue(QSettings& store, const QString& valueName, const QVariant& value) {
    store.setValue(valueName, value);
    store.sync();
    return store.status() == QSettings::NoError;
}

QSettings::Scope NativeScope(StoreScope scope) {
#ifdef Q_OS_WIN
    // The machine's values under the machine-wide key SOFTWARE\QV\QV-730.
    return scope == StoreScope::Machine ? QSettings::SystemScope : QSettings::UserScope;
#else
    // A per-machine file is not writable by a normal user; the user's own scope is.
    Q_UNUSED(scope);
    return QSettings::UserScope;
#endif
}

}  // namespace

QString SettingsStore::GetRegValue(const QString& valueName) const {
    QString text = Read(StoreScope::Machine, valueName).toString();
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    if (nul >= 0) text.truncate(nul);
    return text;
}

bool SettingsStore::SetRegValue(const QString& valueName, const QString& text) {
    return Write(StoreScope::Machine, valueName, text);
}

QStringList SettingsStore::GetUserList(const QString& valueName) const {
    return Read(StoreScope::User, valueName).toStringList();
}

bool SettingsStore::SetUserList(const QString& valueName, const QStringList& list) {
    return Write(StoreScope::User, valueName, list);
}

QString SettingsStore::GetUserText(const QString& valueName) const {
    return Read(StoreScope::User, valueName).toString();
}

bool SettingsStore::SetUserText(const QString& valueName, const QString& text) {
    return Write(StoreScope::User, valueName, text);
}

int SettingsStore::GetLastComPort() const {
    bool number = false;
    const int port = Read(StoreScope::User, kLastComPortValue).toString().toInt(&number);
    return number && port >= 1 && port <= 16 ? port : 0;
}

bool SettingsStore::SetLastComPort(int port) {
    return Write(StoreScope::User, kLastComPortValue, port);
}

bool SettingsStore::GetUserFlag(const QString& valueName, bool fallback) const {
    const QVariant value = Read(StoreScope::User, valueName);
    return value.isValid() ? value.toBool() : fallback;
}

bool SettingsStore::SetUserFlag(const QString& valueName, bool on) {
    return Write(StoreScope::User, valueName, on);
}

NativeSettingsStore& NativeSettingsStore::Instance() {
    static NativeSettingsStore store;
    return store;
}

QVariant NativeSettingsStore::Read(StoreScope scope, const QString& valueName) const {
    return QSettings(QSettings::NativeFormat, NativeScope(scope), "QV", "QV-730").value(valueName);
}

bool NativeSettingsStore::Write(StoreScope scope, const QString& valueName, const QVariant& value) {
    QSettings store(QSettings::NativeFormat, NativeScope(scope), "QV", "QV-730");
    return WriteValue(store, valueName, value);
}

IniSettingsStore::IniSettingsStore(QString filePath) : filePath_(std::move(filePath)) {}

QVariant IniSettingsStore::Read(StoreScope, const QString& valueName) const {
    return QSettings(filePath_, QSettings::IniFormat).value(valueName);
}

bool IniSettingsStore::Write(StoreScope, const QString& valueName, const QVariant& value) {
    QSettings store(filePath_, QSettings::IniFormat);
    return WriteValue(store, valueName, value);
}

}  // namespace qv
