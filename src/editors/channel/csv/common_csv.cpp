#include "editors/channel/csv/common_csv.h"

#include <QHash>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

#include "codecs/frequency.h"
#include "editors/channel/channel_table.h"
#include "editors/channel/csv/csv_cells.h"
#include "editors/channel/csv/csv_words.h"

namespace qv::csv {

using namespace channel;

namespace {

const QStringList& CommonHeader() {
    static const QStringList header = {
        "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
        "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
        "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE"};
    return header;
}

// The columns of the common format in the order of CommonHeader, which names them.
enum CommonColumn : int {
    kLocation,
    kName,
    kFrequency,
    kDuplex,
    kOffset,
    kTone,
    kRToneFreq,
    kCToneFreq,
    kDtcsCode,
    kDtcsPolarity,
    kRxDtcsCode,
    kCrossMode,
    kMode,
    kTStep,
    kSkip,
    kPower,
    kComment,
    kUrCall,
    kRpt1Call,
    kRpt2Call,
    kDvCode,
    kCommonColumnCount
};

// The columns of a common-format file by name, any case.
class CommonColumns {
public:
    MaybeError Read(const Record& header, const UiTexts& texts) {
        for (int field = 0; field < header.fields.size(); ++field) {
            const QString name = header.fields[field].trimmed();
            for (const QString& known : CommonHeader()) {
                if (name.compare(known, Qt::CaseInsensitive) != 0) continue;
                if (index_.contains(known)) {
                    return CsvError{
                        header.line,
                        {},
                        texts.UiText("ChannelCsv", "the column \"%1\" appears twice").arg(known)};
                }
                index_.insert(known, field);
            }
        }
        return std::nullopt;
    }
    bool Has(const QString& name) const { return index_.contains(name); }
    // The cell of a column, "" when the file has no such column; Cell trims it.
    QString RawCell(const Record& record, const QString& name) const {
        return Has(name) ? record.fields.value(index_.value(name)) : QString();
    }
    QString Cell(const Record& record, const QString& name) const {
        return RawCell(record, name).trimmed();
    }

private:
    QHash<QString, int> index_;
};

const QRegularExpression& DecimalPattern() {
    static const QRegularExpression pattern(QStringLiteral("^[0-9]+(\\.[0-9]*)?$"));
    return pattern;
}

QString MegahertzText(long long hertz) {
    return QStringLiteral("%1.%2")
        .arg(hertz / kHertzPerMHz)
        .arg(hertz % kHertzPerMHz, 6, 10, QChar(u'0'));
}

// Maps the cells of one common row; `record` and `columns` stay the caller's.
class CommonRowReader {
public:
    CommonRowReader(const CommonColumns& columns, const Record& record, const UiTexts& texts,
                    ChannelRow& row)
        : columns_(columns), record_(record), texts_(texts), row_(row) {}

    MaybeError Read();

private:
    QString Cell(const char* name) const { return columns_.Cell(record_, name); }
    CsvError Error(const QString& column, const QString& reason) const {
        return {record_.line, column, reason};
    }
    CsvError NotMegahertz(const QString& column, const QString& text) const {
        return Error(column,
                     texts_.UiText("ChannelCsv", "\"%1\" is not a frequency in MHz").arg(text));
    }
    void ReadName();
    MaybeError ReadTransmitFrequency(const QString& rx);
    MaybeError ReadTones();
    MaybeError Ctcss(const char* column, int tableColumn);
    MaybeError Dcs(const char* column, QChar polarity, int tableColumn);
    MaybeError ReadSkip();

    const CommonColumns& columns_;
    const Record& record_;
    const UiTexts& texts_;
    ChannelRow& row_;
    QString polarity_;
};

MaybeError CommonRowReader::Read() {
    row_.tonesAsGiven = true;
    const QString rx = Cell("Frequency");
    row_.Set(kColRxFreq, rx, "Frequency");
    if (!DecimalPattern().match(rx).hasMatch()) return NotMegahertz("Frequency", rx);
    ReadName();
    if (MaybeError error = ReadTransmitFrequency(rx)) return error;
    if (MaybeError error = ReadTones()) return error;
    // "off" has no transmit side, so the TX half of a TSQL or DTCS tone has nothing to go with.
    if (Cell("Duplex").compare("off", Qt::CaseInsensitive) == 0 && row_.Has(kColTxTone)) {
        row_.Set(kColTxTone, QString(), "Duplex");
    }
    return ReadSkip();
}

// Duplex "" is simplex, "+" / "-" add or take the Offset, "split" makes the Offset the TX
// frequency and "off" leaves the channel without transmit.
MaybeError CommonRowReader::ReadTransmitFrequency(const QString& rx) {
    if (!columns_.Has("Duplex")) return std::nullopt;
    const QString duplex = Cell("Duplex").toLower();
    const QString offset = Cell("Offset");
    if (duplex.isEmpty()) {
        row_.Set(kColTxFreq, rx, "Duplex");
    } else if (duplex == "off") {
        row_.Set(kColTxFreq, QString(), "Duplex");
    } else if (duplex == "+" || duplex == "-" || duplex == "split") {
        if (!DecimalPattern().match(offset).hasMatch()) return NotMegahertz("Offset", offset);
        if (duplex == "split") {
            row_.Set(kColTxFreq, offset, "Offset");
            return std::nullopt;
        }
        const long long rxHz = std::llround(rx.toDouble() * kHertzPerMHz);
        const long long offsetHz = std::llround(offset.toDouble() * kHertzPerMHz);
        const long long txHz = duplex == "+" ? rxHz + offsetHz : rxHz - offsetHz;
        if (txHz <= 0) {
            return Error("Offset", texts_.UiText("ChannelCsv", "Frequency - Offset is below zero"));
        }
        row_.Set(kColTxFreq, MegahertzText(txHz), "Offset");
    } else {
        return Error("Duplex",
                     texts_.UiText("ChannelCsv", "\"%1\" is not one of: (empty), +, -, split, off")
                         .arg(Cell("Duplex")));
    }
    return std::nullopt;
}

MaybeError CommonRowReader::Ctcss(const char* column, int tableColumn) {
    if (!columns_.Has(column)) {
        return Error("Tone", texts_.UiText("ChannelCsv", "\"%1\" needs the column \"%2\"")
                                 .arg(Cell("Tone"), QString::fromLatin1(column)));
    }
    row_.Set(tableColumn, Cell(column), column);
    return std::nullopt;
}

MaybeError CommonRowReader::Dcs(const char* column, QChar polarity, int tableColumn) {
    // Hexadecimal digits as well: the export writes a customized code that is no octal number
    // (0A1) as the field holds it.
    static const QRegularExpression code(QStringLiteral("^[0-9A-F]{1,3}$"));
    const QString text = Cell(column);
    if (!code.match(text.toUpper()).hasMatch()) {
        return Error(column, texts_.UiText("ChannelCsv", "\"%1\" is not a DCS code").arg(text));
    }
    // R (reversed) is what this radio calls inverted, I.
    const QString tone =
        u'D' + text.toUpper().rightJustified(3, u'0') + (polarity == u'R' ? u'I' : u'N');
    row_.Set(tableColumn, tone, column, text);
    return std::nullopt;
}

// Tone "" none, "Tone" CTCSS rToneFreq on TX only, "TSQL" cToneFreq both ways, "DTCS" DtcsCode
// both ways (DtcsPolarity: TX letter, RX letter), "Cross" as CrossMode says, TX side first.
MaybeError CommonRowReader::ReadTones() {
    if (!columns_.Has("Tone")) return std::nullopt;
    polarity_ = Cell("DtcsPolarity").toUpper();
    if (polarity_.isEmpty()) polarity_ = "NN";
    static const QRegularExpression polarities(QStringLiteral("^[NR]{2}$"));
    const QString tone = Cell("Tone").toLower();
    const bool usesDcs = tone == "dtcs" || tone == "cross";
    if (usesDcs && !polarities.match(polarity_).hasMatch()) {
        return Error("DtcsPolarity", texts_.UiText("ChannelCsv", "\"%1\" is not two letters N or R")
                                         .arg(Cell("DtcsPolarity")));
    }
    if (tone.isEmpty()) {
        row_.Set(kColTxTone, QString(), "Tone");
        row_.Set(kColRxTone, QString(), "Tone");
        return std::nullopt;
    }
    if (tone == "tone") {
        row_.Set(kColRxTone, QString(), "Tone");
        return Ctcss("rToneFreq", kColTxTone);
    }
    if (tone == "tsql") {
        if (MaybeError error = Ctcss("cToneFreq", kColTxTone)) return error;
        return Ctcss("cToneFreq", kColRxTone);
    }
    if (tone == "dtcs") {
        if (MaybeError error = Dcs("DtcsCode", polarity_[0], kColTxTone)) return error;
        return Dcs("DtcsCode", polarity_[1], kColRxTone);
    }
    if (tone == "cross") {
        const QString cross = Cell("CrossMode").toLower();
        const QString txKind = cross.section("->", 0, 0);
        const QString rxKind = cross.section("->", 1);
        const QStringList kinds = {"", "tone", "dtcs"};
        if (!cross.contains("->") || !kinds.contains(txKind) || !kinds.contains(rxKind)) {
            return Error("CrossMode", texts_
                                          .UiText("ChannelCsv",
                                                  "\"%1\" is not a cross mode such as Tone->Tone, "
                                                  "DTCS->, ->Tone, Tone->DTCS")
                                          .arg(Cell("CrossMode")));
        }
        MaybeError error;
        if (txKind.isEmpty()) row_.Set(kColTxTone, QString(), "CrossMode");
        if (txKind == "tone") error = Ctcss("rToneFreq", kColTxTone);
        if (txKind == "dtcs") error = Dcs("DtcsCode", polarity_[0], kColTxTone);
        if (error) return error;
        if (rxKind.isEmpty()) row_.Set(kColRxTone, QString(), "CrossMode");
        if (rxKind == "tone") error = Ctcss("cToneFreq", kColRxTone);
        if (rxKind == "dtcs") error = Dcs("RxDtcsCode", polarity_[1], kColRxTone);
        return error;
    }
    return Error("Tone", texts_
                             .UiText("ChannelCsv",
                                     "\"%1\" is not a tone mode this radio can hold "
                                     "(empty, Tone, TSQL, DTCS, Cross)")
                             .arg(Cell("Tone")));
}

// Names are taken exactly as written, blanks included, as the native format takes them. Other
// programs allow longer names than this radio's six characters: such a name is cut to six when
// the radio can store its characters (one it cannot store is refused with the row).
void CommonRowReader::ReadName() {
    if (!columns_.Has("Name")) return;
    const QString name = columns_.RawCell(record_, "Name");
    const bool storable = std::all_of(name.begin(), name.end(), ChannelTable::IsNameCharacter);
    if (name.size() <= ChannelTable::kNameMaxLength || !storable) {
        row_.Set(kColName, name, "Name");
        return;
    }
    row_.Set(kColName, name.left(ChannelTable::kNameMaxLength), "Name", name);
    row_.nameAsWritten = name;
}

MaybeError CommonRowReader::ReadSkip() {
    if (!columns_.Has("Skip")) return std::nullopt;
    const QString skip = Cell("Skip").toUpper();
    // "P" (a priority channel elsewhere) is scanned too.
    if (skip.isEmpty() || skip == "P") {
        row_.Set(kColScan, OptionWord(kColScan, 1), "Skip");
    } else if (skip == "S") {
        row_.Set(kColScan, OptionWord(kColScan, 0), "Skip");
    } else {
        return Error(
            "Skip",
            texts_.UiText("ChannelCsv", "\"%1\" is not one of: (empty), S").arg(Cell("Skip")));
    }
    return std::nullopt;
}

struct ToneParts {
    enum Kind { None, Ctcss, Dcs } kind = None;
    QString value;         // "67.0" or "023"
    QChar polarity = 'N';  // N or R
};

ToneParts SplitTone(const Tone& tone) {
    switch (tone.kind) {
        case ToneKind::Ctcss:
            return {ToneParts::Ctcss, ToneWord(tone), 'N'};
        case ToneKind::Dcs:
            return {ToneParts::Dcs, ToneWord(tone).mid(1, 3), tone.inverted ? 'R' : 'N'};
        case ToneKind::None:
            break;
    }
    return {};
}

// The tone columns of the common format for a TX and an RX tone.
void WriteTones(const ToneParts& tx, const ToneParts& rx, QStringList& record) {
    record[kTone] = QString();
    record[kRToneFreq] = record[kCToneFreq] = "88.5";  // what the format writes for unused tones
    record[kDtcsCode] = record[kRxDtcsCode] = "023";
    record[kDtcsPolarity] = QString(tx.polarity) + rx.polarity;
    record[kCrossMode] = "Tone->Tone";
    using K = ToneParts;
    if (tx.kind == K::None && rx.kind == K::None) return;
    if (tx.kind == K::Ctcss && rx.kind == K::None) {
        record[kTone] = "Tone";
        record[kRToneFreq] = tx.value;
    } else if (tx.kind == K::Ctcss && rx.kind == K::Ctcss && tx.value == rx.value) {
        record[kTone] = "TSQL";
        record[kRToneFreq] = record[kCToneFreq] = tx.value;
    } else if (tx.kind == K::Dcs && rx.kind == K::Dcs && tx.value == rx.value) {
        record[kTone] = "DTCS";
        record[kDtcsCode] = record[kRxDtcsCode] = tx.value;
    } else {
        record[kTone] = "Cross";
        const auto kindText = [](K::Kind kind) {
            return kind == K::Ctcss ? QStringLiteral("Tone")
                   : kind == K::Dcs ? QStringLiteral("DTCS")
                                    : QString();
        };
        record[kCrossMode] = kindText(tx.kind) + "->" + kindText(rx.kind);
        if (tx.kind == K::Ctcss) record[kRToneFreq] = tx.value;
        if (tx.kind == K::Dcs) record[kDtcsCode] = tx.value;
        if (rx.kind == K::Ctcss) record[kCToneFreq] = rx.value;
        if (rx.kind == K::Dcs) record[kRxDtcsCode] = rx.value;
    }
}

QStringList CommonRecord(const ChannelRecord& channel, int number) {
    Q_ASSERT(CommonHeader().size() == kCommonColumnCount);
    QStringList record(kCommonColumnCount, QString());
    const long long rx = static_cast<long long>(*channel.rx) * kHertzPerUnit;
    const long long tx = static_cast<long long>(channel.tx.value_or(0)) * kHertzPerUnit;
    record[kLocation] = QString::number(number);
    record[kName] = NameText(channel.name);
    record[kFrequency] = MegahertzText(rx);
    if (!channel.tx) {
        record[kDuplex] = "off";
        record[kOffset] = MegahertzText(0);
    } else {
        record[kDuplex] = tx == rx ? QString() : tx > rx ? "+" : "-";
        record[kOffset] = MegahertzText(std::llabs(tx - rx));
    }
    const Tone txTone = channel.tx ? channel.txTone : Tone{};
    WriteTones(SplitTone(txTone), SplitTone(channel.rxTone), record);
    record[kMode] = channel.wide ? "FM" : "NFM";
    const bool onFiveKilohertz = rx % 5000 == 0 && tx % 5000 == 0;
    record[kTStep] = onFiveKilohertz ? "5.00" : "6.25";
    record[kSkip] = channel.scan ? QString() : "S";
    record[kPower] = OptionWord(kColPower, OptionValue(channel, kColPower));
    return record;
}

}  // namespace

bool IsCommonHeader(const QStringList& header) {
    for (const QString& name : header) {
        if (name.trimmed().compare("Frequency", Qt::CaseInsensitive) == 0) return true;
    }
    return false;
}

bool HasLocationColumn(const Record& header) {
    CommonColumns columns;
    return !columns.Read(header, UiTexts()) && columns.Has("Location");
}

MaybeError ReadCommonRows(const std::vector<Record>& records, const UiTexts& texts,
                          std::vector<CommonRow>& rows) {
    CommonColumns columns;
    if (MaybeError error = columns.Read(records.front(), texts)) return error;
    for (std::size_t i = 1; i < records.size(); ++i) {
        const Record& record = records[i];
        // A row without a frequency holds no channel (an empty memory of another radio).
        if (columns.Cell(record, "Frequency").isEmpty()) continue;
        CommonRow row;
        row.row.line = record.line;
        row.location = columns.Cell(record, "Location");
        row.problem = CommonRowReader(columns, record, texts, row.row).Read();
        row.power = columns.Cell(record, "Power");
        row.mode = columns.Cell(record, "Mode");
        rows.push_back(row);
    }
    return std::nullopt;
}

bool IsAmRow(const CommonRow& row) {
    return row.mode.compare("AM", Qt::CaseInsensitive) == 0;
}

bool PowerOrModeDiffers(const CommonRow& row, const ChannelRecord& record) {
    const QString power = OptionWord(kColPower, OptionValue(record, kColPower));
    const bool powerDiffers =
        !row.power.isEmpty() && row.power.compare(power, Qt::CaseInsensitive) != 0;
    const bool modeDiffers = !row.mode.isEmpty() &&
                             row.mode.compare(record.wide ? "FM" : "NFM", Qt::CaseInsensitive) != 0;
    return powerDiffers || modeDiffers;
}

QByteArray ExportCommonCsv(const ChannelTable& table) {
    std::vector<QStringList> records{CommonHeader()};
    for (int channel = 1; channel <= kChannelRows; ++channel) {
        const ChannelRecord& record = table.Record(channel);
        if (!record.IsEmpty()) records.push_back(CommonRecord(record, channel));
    }
    return WriteRecords(records);
}

}  // namespace qv::csv
