// Which channel each row of a plan goes to: a channel number from 1 to 16 given once, or, when a
// plan from another radio is renumbered, the lowest channel no earlier row took.
#pragma once

#include <QHash>

#include "editors/channel/csv/csv_row.h"

namespace qv::csv {

class ChannelNumbers {
public:
    // Reasons are in the language of the texts.
    explicit ChannelNumbers(const UiTexts& texts = UiTexts()) : texts_(texts) {}

    // The channel a number cell names; an error for a text that is not 1-16 or a channel that an
    // earlier line already gave.
    MaybeError Take(const QString& text, int line, const QString& column, int& channel);
    // The lowest channel not taken; an error once all 16 are taken.
    MaybeError Next(int line, const QString& column, int& channel);
    // Gives a taken channel back, for a row that was left out after all.
    void Release(int channel) { lineOf_.remove(channel); }

private:
    UiTexts texts_;
    QHash<int, int> lineOf_;  // channel -> line that gave it
};

}  // namespace qv::csv
