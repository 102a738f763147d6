// Which channel each row of a plan goes to: a channel number from 1 to 16 given once, or, when a
// plan from another radio is renumbered, the next channel in file order.
#pragma once

#include <QHash>

#include "editors/channel/csv/csv_row.h"

namespace qv::csv {

class ChannelNumbers {
public:
    // The channel a number cell names; an error for a text that is not 1-16 or a channel that an
    // earlier line already gave.
    MaybeError Take(const QString& text, int line, const QString& column, int& channel);
    // The next channel in file order; an error once 16 are taken.
    MaybeError Next(int line, const QString& column, int& channel);

private:
    QHash<int, int> lineOf_;  // channel -> line that gave it
    int next_ = 1;
};

}  // namespace qv::csv
