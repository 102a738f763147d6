#include "editors/channel/csv/csv_cells.h"

#include <QRegularExpression>

#include "codecs/frequency.h"
#include "codecs/number_text.h"
#include "editors/channel/channel_table.h"
#include "editors/channel/csv/csv_words.h"

namespace qv::csv {

using namespace channel;

namespace {

constexpr int kFrequencyDecimals = 5;
constexpr int kMaxWholeMHzDigits = 3;  // eight BCD digits: 999.99999 MHz at most
constexpr int kMaxToneDigits = 5;      // more whole hertz than any tone field holds

const QRegularExpression& DecimalPattern() {
    static const QRegularExpression pattern(QStringLiteral("^([0-9]+)(?:\\.([0-9]*))?$"));
    return pattern;
}

QString WithoutLeadingZeros(QString digits) {
    while (digits.size() > 1 && digits.startsWith(u'0')) digits.remove(0, 1);
    return digits;
}

QString WithoutTrailingZeros(QString digits) {
    while (digits.endsWith(u'0')) digits.chop(1);
    return digits;
}

// "446.00625" for 44600625, with "." whatever the user's locale writes.
QString FrequencyWord(int units) {
    return FrequencyText(units, QLocale::c());
}

CellRead Refused(const QString& reason) {
    return {{}, reason};
}

CellRead ReadFrequency(const QString& text, const UiTexts& texts) {
    CellValue value;
    if (text.isEmpty()) {
        value.blank = true;
        return {value, {}};
    }
    const QRegularExpressionMatch match = DecimalPattern().match(text);
    if (!match.hasMatch()) {
        return Refused(texts.UiText("ChannelCsv", "\"%1\" is not a frequency in MHz").arg(text));
    }
    // Read as a typed frequency is read, with "." as the decimal separator.
    value.megahertz = LeadingNumber(text);
    const QString whole = WithoutLeadingZeros(match.captured(1));
    const QString fraction = WithoutTrailingZeros(match.captured(2));
    if (whole.size() <= kMaxWholeMHzDigits && fraction.size() <= kFrequencyDecimals) {
        value.exactUnits =
            whole.toInt() * kUnitsPerMHz + fraction.leftJustified(kFrequencyDecimals, u'0').toInt();
    }
    return {value, {}};
}

CellRead ReadTone(const QString& typed, const UiTexts& texts) {
    QString tone = typed;
    if (tone.endsWith(QStringLiteral("hz"), Qt::CaseInsensitive)) tone = tone.chopped(2).trimmed();
    CellValue value;
    if (tone.isEmpty() || tone.compare(QStringLiteral("None"), Qt::CaseInsensitive) == 0) {
        value.blank = true;
        return {value, {}};
    }
    // The three digits as the field holds them, one per nibble: the export writes a customized
    // code that is no octal number (D0A1N) that way too.
    static const QRegularExpression dcs(QStringLiteral("^D([0-9A-F]{3})([NI])$"));
    if (tone.startsWith(u'D', Qt::CaseInsensitive)) {
        const QRegularExpressionMatch match = dcs.match(tone.toUpper());
        if (match.hasMatch()) {
            value.tone = Tone::Dcs(match.captured(1).toInt(nullptr, 16), match.captured(2) == "I");
            return {value, {}};
        }
    } else if (const QRegularExpressionMatch match = DecimalPattern().match(tone);
               match.hasMatch()) {
        // The tone list has one decimal: 67 and 67.00 are 67.0, but 67.04 is no tone of it.
        const QString whole = WithoutLeadingZeros(match.captured(1));
        const QString fraction = WithoutTrailingZeros(match.captured(2));
        if (fraction.size() > 1) {
            return Refused(
                texts
                    .UiText("ChannelCsv",
                            "\"%1\" has more decimals than the tone list (67.0, 71.9, ...)")
                    .arg(typed));
        }
        // A number too large for any tone field stays too large for every list.
        const int hertz = whole.size() > kMaxToneDigits ? 100000 : whole.toInt();
        value.tone = Tone::Ctcss(hertz * 10 + (fraction.isEmpty() ? 0 : fraction.toInt()));
        return {value, {}};
    }
    return Refused(
        texts.UiText("ChannelCsv", "\"%1\" is not a tone (write 67.0, D023N, D023I or None)")
            .arg(typed));
}

CellRead ReadOption(int column, const QString& text, const UiTexts& texts) {
    CellValue value;
    if (text.isEmpty()) {
        value.blank = true;
        return {value, {}};
    }
    if (const std::optional<int> option = OptionOfWord(column, text)) {
        value.option = *option;
        return {value, {}};
    }
    return Refused(texts.UiText("ChannelCsv", "\"%1\" is not one of: %2")
                       .arg(text, OfferedWords(column).join(", ")));
}

}  // namespace

QString ToneWord(const Tone& tone) {
    switch (tone.kind) {
        case ToneKind::Ctcss:
            return QStringLiteral("%1.%2").arg(tone.value / 10).arg(tone.value % 10);
        case ToneKind::Dcs:
            return DcsCodeText(tone);
        case ToneKind::None:
            break;
    }
    return QString();
}

QStringList ExportedTexts(const ChannelRecord& record, int channel) {
    QStringList texts(kTableColumns, QString());
    texts[kColNumber] = QString::number(channel);
    if (record.IsEmpty()) return texts;
    texts[kColName] = NameText(record.name);
    texts[kColMode] = ModeWord(record.mode);
    texts[kColRxFreq] = FrequencyWord(*record.rx);
    texts[kColRxTone] = ToneWord(record.rxTone);
    if (record.tx) {
        texts[kColTxFreq] = FrequencyWord(*record.tx);
        texts[kColTxTone] = ToneWord(record.txTone);
    }
    for (int column :
         {kColPower, kColBandwidth, kColScan, kColBusyLock, kColReverseBurst, kColTalkAround}) {
        texts[column] = OptionWord(column, OptionValue(record, column));
    }
    return texts;
}

CellRead ReadCell(int column, const QString& text, const UiTexts& texts) {
    switch (column) {
        case kColName: {
            CellValue value;
            value.name = text;
            return {value, {}};
        }
        case kColRxFreq:
        case kColTxFreq:
            return ReadFrequency(text.trimmed(), texts);
        case kColRxTone:
        case kColTxTone:
            return ReadTone(text.trimmed(), texts);
        case kColPower:
        case kColBandwidth:
        case kColScan:
        case kColBusyLock:
        case kColReverseBurst:
        case kColTalkAround:
            return ReadOption(column, text.trimmed(), texts);
        default:
            return {};
    }
}

bool SameAsRecord(int column, const CellValue& cell, const ChannelRecord& record) {
    const auto sameFrequency = [&](const std::optional<int>& units) {
        return cell.blank ? !units.has_value() : (cell.exactUnits && cell.exactUnits == units);
    };
    switch (column) {
        case kColName:
            return cell.name == NameText(record.name);
        case kColRxFreq:
            return sameFrequency(record.rx);
        case kColTxFreq:
            return sameFrequency(record.tx);
        case kColRxTone:
            return cell.tone == record.rxTone;
        case kColTxTone:
            return cell.tone == (record.tx ? record.txTone : Tone{});
        default:
            return !cell.blank && cell.option == OptionValue(record, column);
    }
}

QString NameProblem(const QString& name, const UiTexts& texts) {
    // The characters first: a name another program cuts to six still needs them.
    for (QChar c : name) {
        if (!ChannelTable::IsNameCharacter(c)) {
            return texts
                .UiText("ChannelCsv", "\"%1\" cannot be part of a name (codes 32 to 122 only)")
                .arg(c);
        }
    }
    if (name.size() > ChannelTable::kNameMaxLength) {
        return texts.UiText("ChannelCsv", "\"%1\" is longer than 6 characters").arg(name);
    }
    return QString();
}

}  // namespace qv::csv
