#include "link_driver/write_texts.h"

namespace qv {

QString StepText(RadioStep step, const UiTexts& texts, const QString& changes) {
    switch (step) {
        case RadioStep::Backup:
            return texts.UiText("CloneDialog", "Backing up the radio...");
        case RadioStep::Write:
            if (!changes.isEmpty())
                return texts.UiText("CloneDialog", "Writing: %1 change").arg(changes);
            return texts.UiText("CloneDialog", "Writing...");
        case RadioStep::Verify:
            return texts.UiText("CloneDialog", "Verifying...");
    }
    return {};
}

QString VerdictText(WriteVerdict verdict, const UiTexts& texts, const QStringList& differences,
                    const QString& detail) {
    switch (verdict) {
        case WriteVerdict::Written:
            return texts.UiText("CloneDialog", "Writing Complete!");
        case WriteVerdict::Verified:
            return texts.UiText("CloneDialog",
                                "Writing Complete! The radio was read back and holds what was "
                                "written.");
        case WriteVerdict::Differs: {
            QStringList named = differences.mid(0, kDifferencesNamed);
            if (differences.size() > kDifferencesNamed) {
                named << texts.UiText("CloneDialog", "... and %1 more")
                             .arg(differences.size() - kDifferencesNamed);
            }
            return texts.UiText("CloneDialog",
                                "Not verified: the radio holds other data than was written.") +
                   QStringLiteral("\n\n") + named.join(u'\n');
        }
        case WriteVerdict::NotVerified:
            return texts.UiText("CloneDialog",
                                "Written, but not verified: the radio did not answer the "
                                "read-back.");
        case WriteVerdict::BackupNotSaved:
            return texts.UiText("CloneDialog",
                                "The radio's backup could not be saved, so nothing was "
                                "written.") +
                   QStringLiteral("\n") + detail;
        case WriteVerdict::BackupFailed:
        case WriteVerdict::WriteFailed:
            return texts.UiText("CloneDialog", "Connection Fail!");
    }
    return {};
}

int RadioTally::Succeeded() const {
    int count = 0;
    for (WriteVerdict verdict : verdicts) count += qv::Succeeded(verdict) ? 1 : 0;
    return count;
}

QList<int> RadioTally::Failed() const {
    QList<int> failed;
    for (std::size_t i = 0; i < verdicts.size(); ++i) {
        if (!qv::Succeeded(verdicts[i])) failed << int(i + 1);
    }
    return failed;
}

QString TallyText(const RadioTally& tally, const UiTexts& texts) {
    const int done = tally.Succeeded();
    QString text;
    if (tally.verify) {
        text = done == 1 ? texts.UiText("CloneDialog", "1 radio written and verified")
                         : texts.UiText("CloneDialog", "%1 radios written and verified").arg(done);
    } else {
        text = done == 1 ? texts.UiText("CloneDialog", "1 radio written")
                         : texts.UiText("CloneDialog", "%1 radios written").arg(done);
    }
    const QList<int> failed = tally.Failed();
    if (failed.isEmpty()) return text;
    QStringList radios;
    for (int number : failed) radios << texts.UiText("CloneDialog", "radio %1").arg(number);
    return text + u'\n' +
           texts.UiText("CloneDialog", "Failed: %1")
               .arg(radios.join(texts.UiText("CloneDialog", ", ")));
}

QString NextRadioText(const UiTexts& texts) {
    return texts.UiText("CloneDialog", "Connect the next radio, then press OK.");
}

}  // namespace qv
