// What the program says about a write with backup and read-back, in the language of the texts
// given: the step under way, the verdict on one radio and the tally of several. The clone dialog
// and qv730-cli say the same.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "language/ui_language.h"
#include "link_driver/write_sequence.h"

namespace qv {

// "Backing up the radio...", "Writing...", "Verifying...". `changes` ("3 channels and 1
// setting"), when given, tells what the write changes on the radio whose backup was read.
QString StepText(RadioStep step, const UiTexts& texts, const QString& changes = QString());

// The verdict on one radio. `differences` (lines in words) tell where a radio holds other data;
// the first few are named. `detail` is the system's reason a backup could not be saved.
QString VerdictText(WriteVerdict verdict, const UiTexts& texts, const QStringList& differences = {},
                    const QString& detail = QString());

// The radios of one plan, by their order from 1, with their verdicts.
struct RadioTally {
    std::vector<WriteVerdict> verdicts;
    bool verify = true;

    int Succeeded() const;
    QList<int> Failed() const;  // numbers from 1
    bool AllSucceeded() const { return Failed().isEmpty(); }
};
// "3 radios written and verified", then "Failed: radio 2, radio 4" on a line of its own when any
// failed.
QString TallyText(const RadioTally& tally, const UiTexts& texts);

// Asking for the next radio: "Connect the next radio, then press OK."
QString NextRadioText(const UiTexts& texts);

// How many differences VerdictText names before "... and 4 more".
constexpr int kDifferencesNamed = 6;

}  // namespace qv
