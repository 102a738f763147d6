// The settings store: the value "Language" kept between runs, under the organisation "QV" and
// the application "QV-730" (the registry on Windows, ~/.config/QV/QV-730.conf elsewhere), and the
// user's own values beside it (the recent files, the folder last used, the port of the last
// complete transfer).
#pragma once

#include <QString>
#include <QStringList>

namespace qv {

// The text of a stored value, or "" when it is missing or unreadable.
QString GetRegValue(const QString& valueName);
// Writes a text value; false when the store could not be written.
bool SetRegValue(const QString& valueName, const QString& text);

// Lists kept for the user rather than the machine (the recent files), in the user's own store on
// every platform: a normal user cannot write the machine-wide key on Windows.
QStringList GetUserList(const QString& valueName);
bool SetUserList(const QString& valueName, const QStringList& list);
// A text kept for the user the same way (the folder last used); "" when missing.
QString GetUserText(const QString& valueName);
bool SetUserText(const QString& valueName, const QString& text);

// The port the last complete transfer used ("ComPort", in the user's store): 1 to 16, or 0 when
// none is stored or the stored value is no port.
int GetLastComPort();
bool SetLastComPort(int port);
// A choice the user made (a check box of the write dialog), `fallback` while none is stored.
bool GetUserFlag(const QString& valueName, bool fallback);
bool SetUserFlag(const QString& valueName, bool on);

}  // namespace qv
