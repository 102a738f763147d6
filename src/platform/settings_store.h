// The settings store: the value "Language" kept between runs for the machine, and the user's own
// values beside it (the recent files, the folder last used, the port of the last complete
// transfer, the write dialog's choices). Windows reach it through the application context, so a
// test gives them a store of its own instead of changing where the process keeps its settings.
#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

namespace qv {

// Whose value it is: the machine's (shared by every user, as the language is) or the user's.
enum class StoreScope { Machine, User };

class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The text of a machine value, or "" when it is missing or unreadable; the text ends at the
    // first NUL, as a registry string does.
    QString GetRegValue(const QString& valueName) const;
    // Writes a machine value; false when the store could not be written.
    bool SetRegValue(const QString& valueName, const QString& text);

    // Lists kept for the user rather than the machine (the recent files): a normal user cannot
    // write the machine-wide key on Windows.
    QStringList GetUserList(const QString& valueName) const;
    bool SetUserList(const QString& valueName, const QStringList& list);
    // A text kept for the user the same way (the folder last used); "" when missing.
    QString GetUserText(const QString& valueName) const;
    bool SetUserText(const QString& valueName, const QString& text);

    // The port the last complete transfer used ("ComPort", the user's): 1 to 16, or 0 when none
    // is stored or the stored value is no port.
    int GetLastComPort() const;
    bool SetLastComPort(int port);
    // A choice the user made (a check box of the write dialog), `fallback` while none is stored.
    bool GetUserFlag(const QString& valueName, bool fallback) const;
    bool SetUserFlag(const QString& valueName, bool on);

protected:
    // The stored value, or an invalid QVariant when there is none.
    virtual QVariant Read(StoreScope scope, const QString& valueName) const = 0;
    // Stores one value at once; false when the store did not take it.
    virtual bool Write(StoreScope scope, const QString& valueName, const QVariant& value) = 0;
};

// The system's store, under the organisation "QV" and the application "QV-730": the registry on
// Windows (the machine's values under the machine-wide key), ~/.config/QV/QV-730.conf elsewhere.
class NativeSettingsStore final : public SettingsStore {
public:
    static NativeSettingsStore& Instance();

protected:
    QVariant Read(StoreScope scope, const QString& valueName) const override;
    bool Write(StoreScope scope, const QString& valueName, const QVariant& value) override;
};

// A store in one INI file holding the machine's and the user's values alike (a test's own).
class IniSettingsStore final : public SettingsStore {
public:
    explicit IniSettingsStore(QString filePath);
    const QString& FilePath() const { return filePath_; }

protected:
    QVariant Read(StoreScope scope, const QString& valueName) const override;
    bool Write(StoreScope scope, const QString& valueName, const QVariant& value) override;

private:
    QString filePath_;
};

}  // namespace qv
