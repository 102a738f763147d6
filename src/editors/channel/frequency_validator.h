// What the frequency editor lets in, whether typed or pasted: digits and the decimal separator.
#pragma once

#include <QValidator>

#include "editors/channel/channel_table.h"

namespace qv {

class FrequencyValidator : public QValidator {
public:
    FrequencyValidator(const ChannelTable& table, QObject* parent)
        : QValidator(parent), table_(table) {}
    State validate(QString& input, int& /*position*/) const override {
        const std::optional<QString> accepted = table_.AcceptedFrequencyText(input);
        if (!accepted) return Invalid;
        input = *accepted;  // a typed "." shows as the locale's separator
        return Acceptable;
    }

private:
    const ChannelTable& table_;
};

}  // namespace qv
