// Writing a whole file so that it is either complete or not there: the bytes go to a file beside
// the target, which replaces the target only once every byte is on disk.
#pragma once

#include <QString>
#include <cstddef>
#include <cstdint>

namespace qv {

struct SaveResult {
    bool ok = true;
    QString error;  // the system's own description of what went wrong
};

SaveResult WriteFileAtomically(const QString& path, const std::uint8_t* bytes, std::size_t size);

}  // namespace qv
