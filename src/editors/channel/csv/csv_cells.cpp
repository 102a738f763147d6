#include "editors/channel/csv/csv_cells.h"

#include <QRegularExpression>

#include "editors/channel/channel_table.h"

namespace qv::csv {

using namespace channel;

namespace {

// "1 - 67.0Hz" -> "67.0"; "39 - D023N" -> "D023N"; the None entry -> "".
QString ToneForCsv(const QString& cell, const QString& noneText) {
    if (cell.isEmpty() || cell == noneText) return QString();
    QString tone = cell.section(QStringLiteral(" - "), -1);
    if (tone.endsWith(QStringLiteral("Hz"))) tone.chop(2);
    return tone;
}

const QRegularExpression& DecimalPattern() {
    static const QRegularExpression pattern(QStringLiteral("^([0-9]+)(?:\\.([0-9]*))?$"));
    return pattern;
}

// "0446.100" -> "446.1": a decimal number written one way only, so equal values compare equal.
QString DecimalKey(const QString& text) {
    const QRegularExpressionMatch match = DecimalPattern().match(text);
    if (!match.hasMatch()) return text;
    QString whole = match.captured(1);
    QString fraction = match.captured(2);
    while (whole.size() > 1 && whole.startsWith(u'0')) whole.remove(0, 1);
    while (fraction.endsWith(u'0')) fraction.chop(1);
    return fraction.isEmpty() ? whole : whole + u'.' + fraction;
}

CellText Refused(const QString& reason) {
    return {false, QString(), reason};
}

CellText ReadFrequency(const QString& text) {
    if (text.isEmpty() || DecimalPattern().match(text).hasMatch()) return {true, text, {}};
    return Refused(QStringLiteral("\"%1\" is not a frequency in MHz").arg(text));
}

CellText ReadTone(const QString& typed) {
    QString tone = typed;
    if (tone.endsWith(QStringLiteral("hz"), Qt::CaseInsensitive)) tone = tone.chopped(2).trimmed();
    if (tone.isEmpty() || tone.compare(QStringLiteral("None"), Qt::CaseInsensitive) == 0) {
        return {true, QString(), {}};
    }
    static const QRegularExpression dcs(QStringLiteral("^D[0-9]{3}[NI]$"));
    if (tone.startsWith(u'D', Qt::CaseInsensitive)) {
        tone = tone.toUpper();
        if (dcs.match(tone).hasMatch()) return {true, tone, {}};
    } else if (DecimalPattern().match(tone).hasMatch()) {
        // The tone list has one decimal: 67 and 67.00 are 67.0, but 67.04 is no tone of it.
        const QString key = DecimalKey(tone);
        const QString whole = key.section(u'.', 0, 0);
        const QString fraction = key.section(u'.', 1);
        if (fraction.size() > 1) {
            return Refused(
                QStringLiteral("\"%1\" has more decimals than the tone list (67.0, 71.9, ...)")
                    .arg(typed));
        }
        return {true, whole + u'.' + (fraction.isEmpty() ? QStringLiteral("0") : fraction), {}};
    }
    return Refused(
        QStringLiteral("\"%1\" is not a tone (write 67.0, D023N, D023I or None)").arg(typed));
}

QStringList ChoicesOf(int column) {
    switch (column) {
        case kColPower:
            return {LowText(), HighText()};
        case kColBandwidth:
            return {NarrowText(), WideText()};
        case kColBusyLock:
            return OptionList(column) << CarrierText();
        default:
            return OptionList(column);
    }
}

CellText ReadOption(int column, const QString& text) {
    if (text.isEmpty()) return {true, QString(), {}};
    const QStringList choices = ChoicesOf(column);
    for (const QString& choice : choices) {
        if (text.compare(choice, Qt::CaseInsensitive) != 0) continue;
        // A loaded busy lock of 2 reads "Carrier", the list calls it "Carrier Squelch".
        if (column == kColBusyLock && choice == OptionList(column).value(1))
            return {true, CarrierText(), {}};
        return {true, choice, {}};
    }
    QStringList offered = OptionList(column);
    if (offered.isEmpty()) offered = ChoicesOf(column);
    return Refused(QStringLiteral("\"%1\" is not one of: %2").arg(text, offered.join(", ")));
}

}  // namespace

QStringList ExportedTexts(const ChannelTable& table, int row) {
    QStringList texts = table.RowTexts(row);
    if (table.IsEmptyChannel(row)) {
        texts = QStringList(kTableColumns, QString());
        texts[kColNumber] = QString::number(row);
        return texts;
    }
    const QString none = table.ToneDisplayList().value(0);
    texts[kColRxTone] = ToneForCsv(texts[kColRxTone], none);
    texts[kColTxTone] = ToneForCsv(texts[kColTxTone], none);
    return texts;
}

CellText ReadCell(int column, const QString& text) {
    switch (column) {
        case kColName:
            return {true, text, {}};
        case kColRxFreq:
        case kColTxFreq:
            return ReadFrequency(text.trimmed());
        case kColRxTone:
        case kColTxTone:
            return ReadTone(text.trimmed());
        case kColPower:
        case kColBandwidth:
        case kColScan:
        case kColBusyLock:
        case kColReverseBurst:
        case kColTalkAround:
            return ReadOption(column, text.trimmed());
        default:
            return {true, text.trimmed(), {}};
    }
}

bool SameAsExported(int column, const QString& cell, const QString& exported) {
    if (column == kColRxFreq || column == kColTxFreq)
        return DecimalKey(cell) == DecimalKey(exported);
    return cell == exported;
}

bool ToneInList(const QStringList& toneList, const QString& tone) {
    const QString separator = QStringLiteral(" - ");
    const QString withHz = tone + QStringLiteral("Hz");
    for (const QString& entry : toneList) {
        const qsizetype at = entry.indexOf(separator);
        if (at < 0) continue;
        const QStringView part = QStringView(entry).mid(at + separator.size());
        if (part == tone || part == withHz) return true;
    }
    return false;
}

QString NameProblem(const QString& name) {
    if (name.size() > ChannelTable::kNameMaxLength) {
        return QStringLiteral("\"%1\" is longer than 6 characters").arg(name);
    }
    for (QChar c : name) {
        if (!ChannelTable::IsNameCharacter(c)) {
            return QStringLiteral("\"%1\" cannot be part of a name (codes 32 to 122 only)").arg(c);
        }
    }
    return QString();
}

}  // namespace qv::csv
