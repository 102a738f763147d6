// Channel plans as CSV: export, import with the channel editor's rules, round trips, and that any
// error leaves the image exactly as it was.
#include "codecs/number_text.h"
#include "csv/csv_test_support.h"
#include "editors/channel/channel_table.h"
#include "editors/channel/csv/channel_csv.h"
#include "editors/channel/csv/csv_text.h"
#include "language/ui_language.h"
#include "support/ui_texts.h"

using namespace qv::test;

namespace {

qv::RadioData WithChannel11RxOnly() {
    qv::RadioData data = Template();
    qv::EncodeFrequency(data.image, qv::FrequencyField::Rx, 11, "446.20000", qv::test::kDotLocale);
    for (int c = 4; c < 12; ++c) data.image.at(11, c) = 0xFF;
    data.image.at(11, 12) = 0xA8;  // RX only, Reverse Burst on, Talk Around No
    return data;
}

qv::CsvImportResult Import(const QByteArray& csv, qv::RadioData& data) {
    return qv::ImportChannelsCsv(csv, data);
}

// Channel 1 uses a customized DCS code with digits no octal code has (D0A1N), as a file from
// another program may hold it.
qv::RadioData WithHexadecimalDcsCode() {
    qv::RadioData data = Template();
    data.image[0x1A0] = 0xA1;  // customized DCS slot 1: D0A1N
    data.image[0x1A1] = 0x80;
    for (int tone : {8, 10}) {
        data.image.at(1, tone) = 0xA1;
        data.image.at(1, tone + 1) = 0x80;
    }
    return data;
}

// What the CSV module gives for an image: both exports, and the image after a plan that
// changes channels in every way the import knows.
QByteArray CsvOutcome(const qv::RadioData& original) {
    qv::RadioData data = original;
    QByteArray outcome =
        qv::ExportChannelsCsv(data) + qv::ExportChannelsCsv(data, qv::CsvFormat::Common);
    const QByteArray plan =
        kHeader + Row("1,NEW 1,,446.1,D023N,446.2,67.0,Low,Narrow,No,carrier squelch,Off,Yes") +
        Row("2") + Row("3,,,430.00625,88.5,,,,,Yes,CTCSS/DCS,On,No") +
        Row("9,NINE,,0446.10,100,446.1,100,,,Yes,Off,On,No");
    const qv::CsvImportResult result = qv::ImportChannelsCsv(plan, data);
    outcome += result.ok ? QByteArray("ok") : result.error.toUtf8();
    outcome += QByteArray(reinterpret_cast<const char*>(data.image.data()), qv::kImageSize);
    outcome += qv::ExportChannelsCsv(data);
    const qv::CsvImportResult refused =
        qv::ImportChannelsCsv(kHeader + Row("4,,,446,71.0") + Row("5,,,446,,,,,,Maybe"), data);
    return outcome + refused.error.toUtf8();
}

}  // namespace

class TestChannelCsv : public QObject {
    Q_OBJECT
private slots:
    void exportWritesTheEditorsColumnsInEnglish();
    void roundTripGivesBackEveryByte_data();
    void roundTripGivesBackEveryByte();
    void sameBytesWhateverTheUiLanguageAndLocale_data();
    void sameBytesWhateverTheUiLanguageAndLocale();
    void changedCellsAloneReachTheImage();
    void cellsAreAppliedInTypingOrder_data();
    void cellsAreAppliedInTypingOrder();
    void aMissingColumnKeepsTheChannelsValue();
    void namesTheRadioHoldsComeBack();
    void kinderInput_data();
    void kinderInput();
    void importAppliesTheEditorsRules();
    void columnsInAnyOrderAndUnknownOnesIgnored();
    void importedFrequenciesStayInTheBand();
    void outOfBandFrequenciesAreRefused_data();
    void outOfBandFrequenciesAreRefused();
    void quotedFieldsFollowRfc4180();
    void errorsNameLineAndColumnAndChangeNothing_data();
    void errorsNameLineAndColumnAndChangeNothing();
};

void TestChannelCsv::exportWritesTheEditorsColumnsInEnglish() {
    qv::RadioData data = Template();
    qv::EncodeTone(data.image, 8, 1, "1 - 67.0Hz", qv::test::kEnglish);
    qv::EncodeTone(data.image, 10, 1, "39 - D023N", qv::test::kEnglish);
    qv::EncodeChannelName(data.image, 1, "A,\"B\"");
    const QByteArray csv = qv::ExportChannelsCsv(data);
    const QList<QByteArray> lines = csv.split('\n');
    QCOMPARE(lines[0] + '\n', kHeader);
    QCOMPARE(lines[1], QByteArray("1,\"A,\"\"B\"\"\",Repeater,446.00625,67.0,446.00625,D023N,"
                                  "Low,Narrow,Yes,Off,On,No\r"));
    QCOMPARE(lines[9], QByteArray("9,,,,,,,,,,,,\r"));
    QCOMPARE(lines.size(), 18);  // header, 16 channels, and nothing after the last CR LF
}

void TestChannelCsv::roundTripGivesBackEveryByte_data() {
    QTest::addColumn<qv::RadioData>("data");
    QTest::addColumn<qv::CsvFormat>("format");
    const auto add = [](const QString& name, const qv::RadioData& data) {
        QTest::newRow(qPrintable("native, " + name)) << data << qv::CsvFormat::Native;
        QTest::newRow(qPrintable("common, " + name)) << data << qv::CsvFormat::Common;
    };
    add("template", Template());
    qv::RadioData outside = Template();  // 150 MHz in a 400-480 band, 446.001 off the raster
    qv::EncodeFrequency(outside.image, qv::FrequencyField::Rx, 1, "150.00000",
                        qv::test::kDotLocale);
    qv::EncodeFrequency(outside.image, qv::FrequencyField::Rx, 2, "446.00100",
                        qv::test::kDotLocale);
    qv::EncodeFrequency(outside.image, qv::FrequencyField::Tx, 2, "446.00100",
                        qv::test::kDotLocale);
    add("out of band and off the raster", outside);
    for (quint32 seed = 1; seed <= 4; ++seed) add(QString("varied %1").arg(seed), Varied(seed));
    // Off-raster and out-of-band frequencies, unknown tones, any name bytes, other band limits.
    for (quint32 seed = 1; seed <= 12; ++seed) add(QString("raw %1").arg(seed), Raw(seed));
    add("a customized DCS code with hexadecimal digits", WithHexadecimalDcsCode());
}

// Export, then import of the very same file, changes nothing, whatever the image holds.
void TestChannelCsv::roundTripGivesBackEveryByte() {
    QFETCH(qv::RadioData, data);
    QFETCH(qv::CsvFormat, format);
    const qv::RadioImage original = data.image;
    const QByteArray csv = qv::ExportChannelsCsv(data, format);
    const qv::CsvImportResult result = qv::ImportChannelsCsv(csv, data);
    QVERIFY2(result.ok, qPrintable(result.error));
    QVERIFY(!result.powerOrModeNotApplied);
    QVERIFY2(data.image == original, qPrintable(FirstDifference(data.image, original)));
    QCOMPARE(qv::ExportChannelsCsv(data, format), csv);
}

void TestChannelCsv::sameBytesWhateverTheUiLanguageAndLocale_data() {
    QTest::addColumn<qv::RadioData>("data");
    QTest::newRow("template") << Template();
    QTest::newRow("varied") << Varied(3);
    QTest::newRow("raw") << Raw(8);  // the default band, which the plan's frequencies fit
    QTest::newRow("customized tones") << WithHexadecimalDcsCode();
}

// The CSV is a file format: the same bytes come out and go in whatever locale the process has,
// and the import leaves that locale as it was.
void TestChannelCsv::sameBytesWhateverTheUiLanguageAndLocale() {
    QFETCH(qv::RadioData, data);
    const QByteArray dotted = CsvOutcome(data);

    const QLocale previousDefault;
    const QLocale german(QLocale::German, QLocale::Germany);
    QLocale::setDefault(german);
    const QByteArray withComma = CsvOutcome(data);
    const bool sameLocale = QLocale() == german;
    QLocale::setDefault(previousDefault);

    QVERIFY(dotted.contains("\r\n1,NEW 1,Repeater,446.10000,D023N,446.20000,67.0,"));
    QCOMPARE(withComma, dotted);
    QVERIFY(sameLocale);
}

void TestChannelCsv::importAppliesTheEditorsRules() {
    qv::RadioData data = Template();
    const qv::RadioImage before = data.image;
    const QByteArray csv = kHeader +
                           // a repeater with tones; the Mode column is derived, not read
                           Row("1,RPT 1,Simplex,446.0124,D023N,446.1,67.0,Low,Narrow,No,"
                               "CTCSS/DCS,Off,Yes") +
                           Row("2") +  // deleted
                           // a new channel on the band edge, TX follows on Simplex
                           Row("9,NEW,,480,,480,,Low,Narrow,Yes,Carrier Squelch,On,No") +
                           Row("10,RXONLY,,430.00625,88.5,,,Low,Narrow,No,Off,On,No") +
                           // as a spreadsheet saves numbers back: 100 for 100.0
                           Row("11,SHEET,,446.1,100,446.1,100,Low,Narrow,Yes,Off,On,No");
    const qv::CsvImportResult result = qv::ImportChannelsCsv(csv, data);
    QVERIFY2(result.ok, qPrintable(result.error));

    qv::ChannelTable table(data, qv::test::kEnglish);
    table.RefreshAll();
    QCOMPARE(table.RowTexts(1),
             (QStringList{"1", "RPT 1", "Repeater", "446.01000", "39 - D023N", "446.10000",
                          "1 - 67.0Hz", "Low", "Narrow", "No", "CTCSS/DCS", "Off", "Yes"}));
    QVERIFY(table.IsEmptyChannel(2));
    QCOMPARE(table.RowTexts(9).mid(1),
             (QStringList{"NEW", "Simplex", "480.00000", "None", "480.00000", "None", "Low",
                          "Narrow", "Yes", "Carrier Squelch", "On", "No"}));
    QCOMPARE(table.Cell(10, 2), QString("RX only"));
    QCOMPARE(table.Cell(11, 4), QString("12 - 100.0Hz"));
    QCOMPARE(table.Cell(11, 2), QString("Simplex"));
    QCOMPARE(int(data.image.at(10, 12)) >> 6, 2);  // mode bits 10: RX only
    QCOMPARE(int(data.image.at(9, 13)), 0x40);     // new channels get the creation bytes
    QCOMPARE(int(data.image.at(9, 14)), 0xFE);
    for (int a = 0x180; a < qv::kImageSize; ++a) {
        if (a < 0x2000 || a >= 0x2055) QCOMPARE(int(data.image[a]), int(before[a]));
    }
}

// Only what a changed cell stands for reaches the image: the name slot for a name, the frequency
// bytes and the Mode bits for a frequency; every other byte, out-of-band or not, stays.
void TestChannelCsv::changedCellsAloneReachTheImage() {
    qv::RadioData data = Raw(5);  // band 136-174, channels anywhere, unknown tones
    const qv::RadioImage original = data.image;
    QString error;
    std::vector<qv::csv::Record> records = qv::csv::ReadRecords(qv::ExportChannelsCsv(data), error);
    int named = 0, tuned = 0;
    for (int n = 16; n >= 1; --n) {
        if (records[n].fields[3].isEmpty()) continue;
        if (!tuned) {
            tuned = n;
            records[n].fields[3] = "150.0024";  // RX Freq.
        } else if (!named) {
            named = n;
            records[n].fields[1] = "NEW";  // CH Name
        }
    }
    QVERIFY(named && tuned);
    std::vector<QStringList> rows;
    for (const auto& record : records) rows.push_back(record.fields);
    const qv::CsvImportResult result = Import(qv::csv::WriteRecords(rows), data);
    QVERIFY2(result.ok, qPrintable(result.error));

    const bool followed = qv::DecodeFrequency(data.image, qv::FrequencyField::Tx, tuned,
                                              qv::test::kDotLocale) == QString("150.00000");
    for (int address = 0; address < qv::kImageSize; ++address) {
        if (data.image[address] == original[address]) continue;
        const int nameSlot = qv::kNameAddress + qv::kNameLength * (named - 1);
        const int record = 16 * tuned;
        const bool allowed =
            (address >= nameSlot && address < nameSlot + qv::kNameLength) ||
            (address >= record && address < record + 4) ||
            (followed && address >= record + 4 && address < record + 8) ||
            (address == record + 12 && ((data.image[address] ^ original[address]) & 0x3F) == 0);
        QVERIFY2(allowed, qPrintable(FirstDifference(data.image, original)));
    }
    QCOMPARE(qv::DecodeChannelName(data.image, named), QString("NEW"));
    QCOMPARE(qv::DecodeFrequency(data.image, qv::FrequencyField::Rx, tuned, qv::test::kDotLocale),
             QString("150.00000"));
}

void TestChannelCsv::cellsAreAppliedInTypingOrder_data() {
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<int>("channel");
    QTest::addColumn<QString>("expected");
    QTest::newRow("TX frequency and tone given to an RX-only channel")
        << QByteArray("No.,RX Freq.,TX Freq.,TX CTCSS/DCS\r\n11,446.3,446.35,67.0\r\n") << 11
        << "446.30000/None -> 446.35000/67.0 mode 1 \"\"";
    QTest::newRow("RX tone, TX frequency and TX tone on an RX-only channel")
        << QByteArray("No.,RX CTCSS/DCS,TX Freq.,TX CTCSS/DCS\r\n11,D023N,446.2,D023N\r\n") << 11
        << "446.20000/D023N -> 446.20000/D023N mode 0 \"\"";
    QTest::newRow("Simplex: TX follows a changed RX, its cell as exported")
        << QByteArray("No.,RX Freq.,TX Freq.\r\n1,446.1,446.00625\r\n") << 1
        << "446.10000/None -> 446.10000/None mode 0 \"\"";
    QTest::newRow("Simplex: TX tone follows a changed RX tone")
        << QByteArray("No.,RX CTCSS/DCS,TX CTCSS/DCS\r\n1,67.0,\r\n") << 1
        << "446.00625/67.0 -> 446.00625/67.0 mode 0 \"\"";
    QTest::newRow("Simplex: a TX tone cell as exported lets the TX tone follow")
        << QByteArray("No.,RX CTCSS/DCS,TX Freq.,TX CTCSS/DCS\r\n2,D023I,446.5,None\r\n") << 2
        << "446.01875/D023I -> 446.50000/D023I mode 1 \"\"";
    QTest::newRow("Simplex made Repeater by its TX cells")
        << QByteArray("No.,TX Freq.,TX CTCSS/DCS\r\n1,446.5,D023N\r\n") << 1
        << "446.00625/None -> 446.50000/D023N mode 1 \"\"";
    QTest::newRow("RX only by an empty TX frequency")
        << QByteArray("No.,TX Freq.,TX CTCSS/DCS\r\n2,,\r\n") << 2
        << "446.01875/None -> -/- mode 2 \"\"";
    QTest::newRow("an emptied RX frequency deletes, the other cells as exported")
        << QByteArray(kHeader + Row("3,,Simplex,,,446.03125,,Low,Narrow,Yes,Off,On,No")) << 3
        << "empty";
    QTest::newRow("a new channel takes every cell given")
        << QByteArray(kHeader + Row("9,NEW,,446.5,88.5,,,Low,Narrow,No,,,")) << 9
        << "446.50000/88.5 -> -/- mode 2 \"NEW\"";
}

void TestChannelCsv::cellsAreAppliedInTypingOrder() {
    QFETCH(QByteArray, csv);
    QFETCH(int, channel);
    QFETCH(QString, expected);
    qv::RadioData data = WithChannel11RxOnly();
    const qv::CsvImportResult result = Import(csv, data);
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(Channel(data.image, channel).section(" scan", 0, 0), expected);
}

// A file may give any subset of the columns; the channel keeps what a missing one holds.
void TestChannelCsv::aMissingColumnKeepsTheChannelsValue() {
    qv::RadioData data = Template();
    const qv::RadioImage original = data.image;
    QVERIFY(Import("No.,CH Name\r\n3,HILL\r\n", data).ok);
    qv::RadioImage expected = original;
    qv::EncodeChannelName(expected, 3, "HILL");
    QVERIFY2(data.image == expected, qPrintable(FirstDifference(data.image, expected)));

    QVERIFY(Import("No.,TX CTCSS/DCS,Scan\r\n3,67.0,No\r\n", data).ok);
    QCOMPARE(Channel(data.image, 3),
             QString("446.03125/None -> 446.03125/67.0 mode 1 \"HILL\" scan 0"));
}

// Names read from a radio may hold bytes the editor would not take; they come back unchanged,
// also when another cell of the channel changes.
void TestChannelCsv::namesTheRadioHoldsComeBack() {
    qv::RadioData data = Template();
    const std::uint8_t name[] = {0x12, '{', '|', 0xB0, '\n', '"'};
    for (int i = 0; i < 6; ++i) data.image[qv::kNameAddress + i] = name[i];
    const qv::RadioImage original = data.image;
    QByteArray csv = qv::ExportChannelsCsv(data);
    QVERIFY(Import(csv, data).ok);
    QVERIFY(data.image == original);

    csv.replace(",446.00625,,446.00625,,Low,Narrow,Yes,", ",446.00625,,446.00625,,Low,Narrow,No,");
    QVERIFY2(Import(csv, data).ok, qPrintable(Import(csv, data).error));
    for (int i = 0; i < 6; ++i) QCOMPARE(int(data.image[qv::kNameAddress + i]), int(name[i]));
    QCOMPARE(qv::GetScanFlag(data.image, 1), 0);
}

void TestChannelCsv::kinderInput_data() {
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("expected");
    QTest::newRow("options in any case")
        << QByteArray(
               "No.,Scan,Busy Lock,Reverse Burst,Talk Around\r\n2,no,carrier squelch,"
               "OFF,yes\r\n")
        << "446.01875/None -> 446.01875/None mode 0 \"\" scan 0 flags 02";
    QTest::newRow("tones in any case, None for no tone")
        << QByteArray("No.,RX CTCSS/DCS,TX Freq.,TX CTCSS/DCS\r\n2,none,446.5,d023i\r\n")
        << "446.01875/None -> 446.50000/D023I mode 1 \"\" scan 1 flags 68";
    QTest::newRow("67 and 67.00 and 67.0Hz are 67.0")
        << QByteArray("No.,RX CTCSS/DCS,TX Freq.,TX CTCSS/DCS\r\n2,67,446.5,67.00Hz\r\n")
        << "446.01875/67.0 -> 446.50000/67.0 mode 1 \"\" scan 1 flags 68";
    QTest::newRow("frequencies as a spreadsheet writes them")
        << QByteArray("No.,RX Freq.,TX Freq.\r\n2,446.1,0446.10\r\n")
        << "446.10000/None -> 446.10000/None mode 0 \"\" scan 1 flags 28";
    QTest::newRow("empty cells after the last column")
        << QByteArray("No.,CH Name\r\n2,B,,\r\n")
        << "446.01875/None -> 446.01875/None mode 0 \"B\" scan 1 flags 28";
}

void TestChannelCsv::kinderInput() {
    QFETCH(QByteArray, csv);
    QFETCH(QString, expected);
    qv::RadioData data = Template();
    const qv::CsvImportResult result = Import(csv, data);
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(
        Channel(data.image, 2) + QString(" flags %1").arg(data.image.at(2, 12), 2, 16, QChar('0')),
        expected);
}

void TestChannelCsv::columnsInAnyOrderAndUnknownOnesIgnored() {
    qv::RadioData data = Template();
    const QByteArray csv =
        "Comment,CH Name,No.,RX Freq.\r\n"
        "my local net,LOCAL,3,446.03125\r\n"
        "\r\n"
        "ignored too,HILL,11,440\n";
    const qv::CsvImportResult result = qv::ImportChannelsCsv(csv, data);
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(qv::DecodeChannelName(data.image, 3), QString("LOCAL"));
    QCOMPARE(qv::DecodeFrequency(data.image, qv::FrequencyField::Tx, 3, qv::test::kDotLocale),
             QString("446.03125"));
    QCOMPARE(qv::DecodeChannelName(data.image, 11), QString("HILL"));
    QCOMPARE(qv::DecodeFrequency(data.image, qv::FrequencyField::Rx, 11, qv::test::kDotLocale),
             QString("440.00000"));
    QCOMPARE(qv::GetScanFlag(data.image, 11), 1);               // a new channel's default
    QCOMPARE(qv::DecodeChannelName(data.image, 1), QString());  // not listed: untouched
    // Empty option cells keep the channel's choices.
    QVERIFY(qv::ImportChannelsCsv(kHeader + Row("3,,,446.03125,,446.03125,,,,,,,"), data).ok);
    QCOMPARE(qv::GetScanFlag(data.image, 3), 1);
    QCOMPARE(int(data.image.at(3, 12)), 0x28);
}

// 399.99999 is 400 in single precision; it must not be snapped down to 399.99500 below the band.
void TestChannelCsv::importedFrequenciesStayInTheBand() {
    qv::RadioData data = Template();
    const QByteArray csv = "No.,RX Freq.,TX Freq.\r\n12,399.99999,480.00499\r\n";
    const qv::CsvImportResult result = qv::ImportChannelsCsv(csv, data);
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(qv::DecodeFrequency(data.image, qv::FrequencyField::Rx, 12, qv::test::kDotLocale),
             QString("400.00000"));
    QCOMPARE(qv::DecodeFrequency(data.image, qv::FrequencyField::Tx, 12, qv::test::kDotLocale),
             QString("480.00000"));
}

void TestChannelCsv::outOfBandFrequenciesAreRefused_data() {
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("error");  // "" when the plan is accepted
    const QByteArray native = "No.,CH Name,RX Freq.,TX Freq.\r\n";
    const QByteArray common = "Location,Name,Frequency,Duplex,Offset\r\n";
    const QString band = " is outside this radio's band (400.00000 to 480.00000 MHz)";
    const auto add = [](const char* name, const QByteArray& csv, const QString& error) {
        QTest::newRow(name) << csv << error;
    };
    add("native, a 2 m channel", native + "12,2M,147.38,147.38\r\n",
        "line 2, column \"RX Freq.\": 147.38000 MHz" + band);
    add("native, a 162 MHz receiver", native + "12,WX,162.55,\r\n",
        "line 2, column \"RX Freq.\": 162.55000 MHz" + band);
    add("native, an 800 MHz channel", native + "12,TRUNK,851.0125,851.0125\r\n",
        "line 2, column \"RX Freq.\": 851.01250 MHz" + band);
    add("native, a repeater transmitting above the band", native + "12,RPT,446.1,486.1\r\n",
        "line 2, column \"TX Freq.\": 486.10000 MHz" + band);
    add("native, one raster step below", native + "12,LOW,399.995,\r\n",
        "line 2, column \"RX Freq.\": 399.99500 MHz" + band);
    add("native, a 6.25 kHz step above", native + "12,HIGH,446.1,480.00624\r\n",
        "line 2, column \"TX Freq.\": 480.00624 MHz" + band);
    add("native, far outside", native + "12,FAR,4461,\r\n",
        "line 2, column \"RX Freq.\": 4461 MHz" + band);
    add("native, both band edges", native + "12,EDGE,399.99999,480.00499\r\n", "");
    add("common, a 2 m channel", common + "1,2M,146.520000,,0.000000\r\n",
        "line 2, column \"Frequency\": 146.52000 MHz" + band);
    add("common, a 162 MHz receiver", common + "1,WX,162.550000,off,0.000000\r\n",
        "line 2, column \"Frequency\": 162.55000 MHz" + band);
    add("common, an 800 MHz channel", common + "1,TRUNK,851.012500,,0.000000\r\n",
        "line 2, column \"Frequency\": 851.01250 MHz" + band);
    add("common, an offset above the band", common + "1,RPT,442.100000,+,50.000000\r\n",
        "line 2, column \"Offset\": TX 492.10000 MHz" + band);
    add("common, an offset below the band", common + "1,RPT,402.100000,-,5.000000\r\n",
        "line 2, column \"Offset\": TX 397.10000 MHz" + band);
    add("common, a split below the band", common + "1,RPT,446.100000,split,146.100000\r\n",
        "line 2, column \"Offset\": TX 146.10000 MHz" + band);
    add("common, an offset onto the band edge", common + "1,EDGE,399.99999,+,80.00499\r\n", "");
    add("common, a later row refuses the whole plan", common + "1,A,446.1,,0\r\n2,B,145.5,,0\r\n",
        "line 3, column \"Frequency\": 145.50000 MHz" + band);
}

// A frequency outside the band is never moved to its edge: the plan is refused, all or nothing,
// with the band the image holds. What snapping puts on the edge is the edge.
void TestChannelCsv::outOfBandFrequenciesAreRefused() {
    QFETCH(QByteArray, csv);
    QFETCH(QString, error);
    qv::RadioData data = Template();
    const qv::RadioImage before = data.image;
    const qv::CsvImportResult result = qv::ImportChannelsCsv(csv, data);
    if (error.isEmpty()) {
        QVERIFY2(result.ok, qPrintable(result.error));
        const int channel = csv.startsWith("No.") ? 12 : 1;
        QCOMPARE(
            qv::DecodeFrequency(data.image, qv::FrequencyField::Rx, channel, qv::test::kDotLocale),
            QString("400.00000"));
        QCOMPARE(
            qv::DecodeFrequency(data.image, qv::FrequencyField::Tx, channel, qv::test::kDotLocale),
            QString("480.00000"));
        return;
    }
    QCOMPARE(result.error, error);
    QVERIFY(data.image == before);

    // The same in Chinese, the file's column and numbers as the file has them.
    qv::CsvImportOptions chinese;
    chinese.texts = qv::test::kChinese;
    const qv::CsvImportResult refused = qv::ImportChannelsCsv(csv, data, chinese);
    QVERIFY(refused.error.startsWith(QString("第 %1 行").arg(result.errorLine)));
    QVERIFY2(refused.error.contains("超出本机频段（400.00000 至 480.00000 MHz）"),
             qPrintable(refused.error));
    QVERIFY(refused.error.contains("\"" + result.errorColumn + "\""));
    QVERIFY(data.image == before);
}

void TestChannelCsv::quotedFieldsFollowRfc4180() {
    qv::RadioData data = Template();
    const QByteArray csv =
        "\xEF\xBB\xBF\"No.\",\"CH Name\",\"RX Freq.\"\r\n"
        "\"4\",\"a \"\"b\"\"\",\"446.04375\"\r\n"
        "\"5\",\"x,y\",446.05625\r\n";
    const qv::CsvImportResult result = qv::ImportChannelsCsv(csv, data);
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(qv::DecodeChannelName(data.image, 4), QString("a \"b\""));
    QCOMPARE(qv::DecodeChannelName(data.image, 5), QString("x,y"));
}

void TestChannelCsv::errorsNameLineAndColumnAndChangeNothing_data() {
    QTest::addColumn<QByteArray>("csv");
    QTest::addColumn<QString>("error");
    const QByteArray good = Row("1,OK,,446.00625,,446.00625,,Low,Narrow,Yes,Off,On,No");
    QTest::newRow("channel 0") << kHeader + good + Row("0,,,446") << "line 3, column \"No.\"";
    QTest::newRow("channel 17") << kHeader + Row("17,,,446") << "line 2, column \"No.\"";
    QTest::newRow("no number") << kHeader + Row("x,,,446") << "line 2, column \"No.\"";
    QTest::newRow("channel twice")
        << kHeader + good + good << "line 3, column \"No.\": channel 1 is already on line 2";
    QTest::newRow("name too long") << kHeader + Row("1,SEVENCH,,446") << "column \"CH Name\"";
    QTest::newRow("name character above z") << kHeader + Row("1,a{b,,446") << "column \"CH Name\"";
    QTest::newRow("frequency not a number") << kHeader + Row("1,,,abc") << "column \"RX Freq.\"";
    QTest::newRow("TX frequency not a number")
        << kHeader + Row("1,,,446,,4x6") << "column \"TX Freq.\"";
    QTest::newRow("tone not in the list") << kHeader + Row("1,,,446,71.0") << "\"RX CTCSS/DCS\"";
    QTest::newRow("DCS code not in the list")
        << kHeader + Row("1,,,446,,446,D999N") << "\"TX CTCSS/DCS\"";
    QTest::newRow("TX tone without TX frequency")
        << kHeader + Row("1,,,446,,,67.0") << "\"TX CTCSS/DCS\"";
    QTest::newRow("option not offered")
        << kHeader + good + Row("2,,,446,,,,,,Maybe") << "line 3, column \"Scan\"";
    QTest::newRow("TX Power cannot be edited")
        << kHeader + Row("9,,,446,,,,High") << "line 2, column \"TX Power\"";
    QTest::newRow("values on an empty channel") << kHeader + Row("2,NAME") << "column \"CH Name\"";
    QTest::newRow("values on a channel that is empty")
        << QByteArray("No.,CH Name\r\n9,NAME\r\n") << "column \"CH Name\": channel 9 is empty";
    QTest::newRow("TX tone, no TX Freq. column, RX-only channel")
        << QByteArray("No.,RX Freq.,TX CTCSS/DCS\r\n11,446.3,67.0\r\n")
        << "line 2, column \"TX CTCSS/DCS\": a channel without TX Freq. has no TX tone";
    QTest::newRow("TX tone alone on an RX-only channel")
        << QByteArray("No.,TX CTCSS/DCS\r\n11,67.0\r\n") << "line 2, column \"TX CTCSS/DCS\"";
    QTest::newRow("TX tone with an empty TX Freq.")
        << QByteArray("No.,RX Freq.,TX Freq.,TX CTCSS/DCS\r\n11,446.3,,67.0\r\n")
        << "line 2, column \"TX CTCSS/DCS\"";
    QTest::newRow("a tone with more decimals than the list")
        << QByteArray("No.,RX CTCSS/DCS\r\n1,67.04\r\n")
        << "column \"RX CTCSS/DCS\": \"67.04\" has more decimals";
    QTest::newRow("not a tone") << QByteArray("No.,RX CTCSS/DCS\r\n1,D023X\r\n")
                                << "\"D023X\" is not a tone";
    QTest::newRow("more cells than the header")
        << QByteArray("No.,RX Freq.\r\n9,446,1\r\n") << "line 2: the row has 3 cells";
    QTest::newRow("the first bad cell in typing order")
        << QByteArray("No.,Talk Around,RX CTCSS/DCS\r\n3,maybe,71.0\r\n")
        << "column \"RX CTCSS/DCS\"";
    QTest::newRow("cells separated by semicolons")
        << QByteArray("No.;RX Freq.\r\n1;446\r\n") << "save the file with \",\" instead";
    QTest::newRow("neither format")
        << QByteArray("Channel,Freq\r\n1,446\r\n") << "line 1: the header names neither";
    QTest::newRow("unclosed quote") << kHeader + good + "3,\"open,,446\r\n"
                                    << "line 3";
    QTest::newRow("no channel number column") << QByteArray("RX Freq.\r\n446\r\n") << "No.";
    QTest::newRow("column twice") << QByteArray("No.,No.\r\n1,1\r\n") << "appears twice";
    QTest::newRow("empty file") << QByteArray() << "header";
}

void TestChannelCsv::errorsNameLineAndColumnAndChangeNothing() {
    QFETCH(QByteArray, csv);
    QFETCH(QString, error);
    qv::RadioData data = WithChannel11RxOnly();
    const qv::RadioData before = data;
    const qv::CsvImportResult result = qv::ImportChannelsCsv(csv, data);
    QVERIFY(!result.ok);
    QVERIFY2(result.error.contains(error), qPrintable(result.error));
    QCOMPARE(data.image, before.image);

    // Refused in Chinese, the whole message is Chinese: what is left once the file's own words
    // (quoted, in brackets, or the words a cell may take) are taken out holds no English word.
    qv::CsvImportOptions chinese;
    chinese.texts = qv::test::kChinese;
    const qv::CsvImportResult inChinese = qv::ImportChannelsCsv(csv, data, chinese);
    QVERIFY(!inChinese.ok);
    QString rest = inChinese.error;
    rest.remove(QRegularExpression(QStringLiteral("“[^”]*”|\"[^\"]*\"|（[^）]*）|\\([^)]*\\)")));
    rest.remove(QRegularExpression(QStringLiteral(
        "\\b(MHz|CSV|None|Yes|No|On|Off|Low|High|Narrow|Wide|Carrier|CTCSS/DCS)\\b")));
    QVERIFY2(!rest.contains(QRegularExpression(QStringLiteral("[A-Za-z]{3,}"))),
             qPrintable(inChinese.error));
    QCOMPARE(data.image, before.image);
}

QTEST_GUILESS_MAIN(TestChannelCsv)
#include "test_channel_csv.moc"
