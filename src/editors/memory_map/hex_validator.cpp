#include "editors/memory_map/hex_validator.h"

namespace qv {

QValidator::State HexValidator::validate(QString& input, int& /*position*/) const {
    input = input.toUpper();
    for (QChar c : input) {
        if (!((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F'))) return Invalid;
    }
    return Acceptable;
}

}  // namespace qv
