#include "platform/ini_file.h"

#include <QDir>

#include <QFile>

namespace qv {

namespace {

constexpr int kValueBufferChars = 10000;  // the terminating NUL takes the last one

bool SameName(const QString& a, const QString& b) {
    return a.trimmed().compare(b.trimmed(), Qt::CaseInsensitive) == 0;
}

QString Unquoted(QString value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        return value.mid(1, value.size() - 2);
    }
    return value;
}

}  // namespace

QString GetIniValue(const QString& section, const QString& key, const QString& file) {
    QFile ini(file);
    if (!ini.open(QIODevice::ReadOnly)) return {};
    QString text = QString::fromUtf8(ini.readAll());
    text.remove(QChar(0));
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);

    bool inSection = false;
    for (QString line : text.split('\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(';')) continue;
        if (line.startsWith('[')) {
            const qsizetype close = line.indexOf(']');
            inSection = close > 0 && SameName(line.mid(1, close - 1), section);
            continue;
        }
        if (!inSection) continue;
        const qsizetype equals = line.indexOf('=');
        if (equals < 0 || !SameName(line.left(equals), key)) continue;
        return Unquoted(line.mid(equals + 1).trimmed()).left(kValueBufferChars - 1);
    }
    return {};
}

QString RadioIniPath(const QString& folder) {
    return QDir(folder).filePath(QStringLiteral("Radio.INI"));
}

}  // namespace qv
