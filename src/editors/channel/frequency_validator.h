// What the frequency editor lets in, whether typed or pasted: digits and the decimal separator.
#pragma once

#include <QValidator>

#include "editors/channel/channel_table.h"

namespace qv {

class FrequencyValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& /*position*/) const override {
        const std::optional<QString> accepted = ChannelTable::AcceptedFrequencyText(input);
        if (!accepted) return Invalid;
        input = *accepted;  // a typed "." shows as the locale's separator
        return Acceptable;
    }
};

}  // namespace qv
