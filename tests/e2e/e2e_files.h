// What both end-to-end suites set up and compare: the Radio.INI that puts COM1 on the virtual
// radio with the test's receive timing, and a row-by-row comparison of two images.
#pragma once

#include <QFile>
#include <QString>
#include <algorithm>

#include "data/radio_image.h"
#include "platform/ini_file.h"

namespace qv::test {

// Writes Radio.INI in `folder`; `morePorts` adds lines to [Ports]. False when it cannot be written.
inline bool WriteRadioIni(const QString& folder, const QString& device, int interval, int limit,
                          const QString& morePorts = QString()) {
    QFile ini(RadioIniPath(folder));
    if (!ini.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const QString text =
        QString("[Setup]\nComInterval[ms]=%1\nComRecvCount =%2\n[Ports]\nCOM1=%3\n")
            .arg(interval)
            .arg(limit)
            .arg(device) +
        morePorts;
    return ini.write(text.toUtf8()) == text.toUtf8().size();
}

// Rows first to last (inclusive) hold the same bytes in both images.
inline bool RowsEqual(const RadioImage& a, const RadioImage& b, int first, int last) {
    return std::equal(a.data() + first * kRowSize, a.data() + (last + 1) * kRowSize,
                      b.data() + first * kRowSize);
}

}  // namespace qv::test
