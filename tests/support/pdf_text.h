// The text of a PDF file as pdftotext (poppler-utils) extracts it, to check a page as a reader
// would copy or search it.
#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QString>

namespace qv::test {

inline bool HavePdfToText() {
    return !QStandardPaths::findExecutable("pdftotext").isEmpty();
}

// "" when pdftotext failed.
inline QString PdfText(const QString& path) {
    QProcess process;
    process.start("pdftotext", {"-layout", path, "-"});
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The page count pdfinfo reports, or -1.
inline int PdfPageCount(const QString& path) {
    QProcess process;
    process.start("pdfinfo", {path});
    if (!process.waitForFinished(60000) || process.exitCode() != 0) return -1;
    for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split('\n')) {
        if (line.startsWith("Pages:")) return line.mid(6).trimmed().toInt();
    }
    return -1;
}

}  // namespace qv::test
