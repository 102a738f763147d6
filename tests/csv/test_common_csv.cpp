// Channel plans in the common channel CSV of other radio programs and repeater directories:
// a hand-written plan checked byte for byte, how each column maps onto a channel, Location and
// renumbering, what is refused, and the export.
#include "csv/csv_test_support.h"
#include "editors/channel/csv/channel_csv.h"
#include "language/ui_language.h"
#include "support/bytes.h"
#include "support/ui_texts.h"

using namespace qv::test;

namespace {

// A common-format plan filling channels 1, 2, ... in file order.
qv::CsvImportOptions Renumbered() {
    qv::CsvImportOptions options;
    options.renumber = true;
    return options;
}

const QByteArray kCommonHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n";

// The eight PMR446 channels as a club keeps them: CTCSS and DCS of both polarities, a Cross row,
// a listen-only channel, two channels out of scan, power in watts.
const QByteArray kPmrPlan =
    kCommonHeader +
    Row("1,PMR1,446.006250,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,6.25,,0.5W,calling,,,,") +
    Row("2,PMR2,446.018750,,0.000000,TSQL,88.5,67.0,023,NN,023,Tone->Tone,NFM,6.25,,0.5W,,,,,") +
    Row("3,PMR3,446.031250,,0.000000,Tone,94.8,88.5,023,NN,023,Tone->Tone,NFM,6.25,S,0.5W,,,,,") +
    Row("4,PMR4,446.043750,,0.000000,DTCS,88.5,88.5,023,NN,023,Tone->Tone,NFM,6.25,,0.5W,,,,,") +
    Row("5,PMR5,446.056250,,0.000000,DTCS,88.5,88.5,754,NR,023,Tone->Tone,NFM,6.25,,0.5W,,,,,") +
    Row("6,PMR6,446.068750,,0.000000,Cross,100.0,88.5,023,NN,565,Tone->DTCS,NFM,6.25,,0.5W,,,,,") +
    Row("7,LISTEN,446.081250,off,0.000000,TSQL,88.5,123.0,023,NN,023,Tone->Tone,NFM,6.25,,0.5W,"
        ",,,,") +
    Row("8,PMR8,446.093750,,0.000000,Cross,88.5,88.5,051,RN,023,DTCS->,NFM,6.25,S,0.5W,,,,,");

// The channel records 1-8, names and scan bits the plan must leave, written out by hand: tones
// low byte first (67.0 = 70 06, D754I = 54 C7), flags 28 Simplex, 68 Repeater, A8 RX only.
const QByteArray kPlanRecords = QByteArray::fromHex(
    "25066044250660 44FFFFFFFF2840FEFF"
    "75186044751860 4470067006 2840FEFF"
    "25316044253160 44FFFF4809 6840FEFF"
    "75436044754360 4423802380 2840FEFF"
    "25566044255660 4454C75487 6840FEFF"
    "75686044756860 4465850010 6840FEFF"
    "25816044FFFFFFFF3012FFFF A840FEFF"
    "75936044759360 44FFFF51C0 6840FEFF");
const QByteArray kPlanNames = QByteArray(
    "PMR1\xFF\xFFPMR2\xFF\xFFPMR3\xFF\xFFPMR4\xFF\xFF"
    "PMR5\xFF\xFFPMR6\xFF\xFFLISTENPMR8\xFF\xFF",
    48);

}  // namespace

class TestCommonCsv : public QObject {
    Q_OBJECT
private slots:
    void aHandWrittenPlanArrivesByteForByte();
    void twoRowsOfThePlanAreRefused_data();
    void twoRowsOfThePlanAreRefused();
    void columnsMapOntoAChannel_data();
    void columnsMapOntoAChannel();
    void locationOrFileOrder();
    void errorsNameLineAndColumn_data();
    void errorsNameLineAndColumn();
    void exportWritesTheCommonColumns();
    void longNamesAreCutToSix();
    void amRowsAreNamedInTheNote();
    void unusableRowsCanBeLeftOut();
    void chosenRowsGoToTheirChannels();
};

void TestCommonCsv::aHandWrittenPlanArrivesByteForByte() {
    qv::RadioData data = Template();
    const qv::RadioImage before = data.image;
    QCOMPARE(qv::DetectCsvFormat(kPmrPlan), std::optional(qv::CsvFormat::Common));
    const qv::CsvImportResult result = qv::ImportChannelsCsv(kPmrPlan, data);
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(result.format, qv::CsvFormat::Common);

    QCOMPARE(qv::test::Hex(data.image, 0x010, 128), qv::test::Hex(kPlanRecords));
    QCOMPARE(qv::test::Bytes(data.image, 0x110, 48), kPlanNames);
    QCOMPARE(int(data.image[0x170]), 0x7B);  // channels 3 and 8 skipped
    qv::RadioImage rest = data.image;
    for (int a = 0x010; a < 0x170; ++a) rest[a] = before[a];
    rest[0x170] = before[0x170];
    QVERIFY2(rest == before, qPrintable(FirstDifference(rest, before)));

    // 0.5W describes the source radio: said once, not applied.
    QVERIFY(result.powerOrModeNotApplied);
    QCOMPARE(result.note, QString("Power and Mode are not applied: this radio's power and "
                                  "bandwidth are fixed (line 2: Power \"0.5W\", Mode \"NFM\")"));
}

void TestCommonCsv::twoRowsOfThePlanAreRefused_data() {
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<QString>("error");
    QTest::newRow("a tone the radio cannot hold")
        << Row("9,RPT,446.100000,+,5.000000,Tone,69.3,88.5,023,NN,023,Tone->Tone,NFM,5.00,,0.5W,"
               ",,,,")
        << "line 10, column \"rToneFreq\": \"69.3\" is not in the tone list";
    QTest::newRow("a name it cannot store")
        << Row("10,Camp~1,446.200000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,5.00,,"
               "0.5W,,,,,")
        << "line 10, column \"Name\": \"~\" cannot be part of a name";
}

// A plan with a bad row imports nothing at all.
void TestCommonCsv::twoRowsOfThePlanAreRefused() {
    QFETCH(QByteArray, row);
    QFETCH(QString, error);
    qv::RadioData data = Template();
    const qv::RadioImage before = data.image;
    const qv::CsvImportResult result = qv::ImportChannelsCsv(kPmrPlan + row, data);
    QVERIFY(!result.ok);
    QVERIFY2(result.error.startsWith(error), qPrintable(result.error));
    QVERIFY(data.image == before);
}

void TestCommonCsv::columnsMapOntoAChannel_data() {
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<QString>("expected");
    const auto add = [](const char* name, const char* cells, const char* expected) {
        QTest::newRow(name) << QByteArray(cells) << QString(expected);
    };
    // Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,
    // RxDtcsCode,CrossMode,Skip
    add("simplex, no tone", "9,A,446.1,,0,,88.5,88.5,023,NN,023,Tone->Tone,",
        "446.10000/None -> 446.10000/None mode 0 \"A\" scan 1");
    add("plus offset", "9,,446.1,+,5,Tone,88.5,67.0,023,NN,023,Tone->Tone,S",
        "446.10000/None -> 451.10000/88.5 mode 1 \"\" scan 0");
    add("minus offset", "9,,446.1,-,0.6,TSQL,88.5,67.0,023,NN,023,Tone->Tone,P",
        "446.10000/67.0 -> 445.50000/67.0 mode 1 \"\" scan 1");
    add("split", "9,,446.1,split,440.00625,,88.5,67.0,023,NN,023,Tone->Tone,",
        "446.10000/None -> 440.00625/None mode 1 \"\" scan 1");
    add("off drops the TX half", "9,,446.1,OFF,0,TSQL,88.5,67.0,023,NN,023,Tone->Tone,",
        "446.10000/67.0 -> -/- mode 2 \"\" scan 1");
    add("DTCS reversed both ways", "9,,446.1,,0,DTCS,88.5,88.5,023,RR,023,Tone->Tone,",
        "446.10000/D023I -> 446.10000/D023I mode 0 \"\" scan 1");
    add("Cross Tone->Tone", "9,,446.1,,0,Cross,88.5,67.0,023,NN,023,Tone->Tone,",
        "446.10000/67.0 -> 446.10000/88.5 mode 1 \"\" scan 1");
    add("Cross ->Tone", "9,,446.1,,0,Cross,88.5,67.0,023,NN,023,->Tone,",
        "446.10000/67.0 -> 446.10000/None mode 1 \"\" scan 1");
    add("Cross ->DTCS", "9,,446.1,,0,Cross,88.5,67.0,023,NR,754,->DTCS,",
        "446.10000/D754I -> 446.10000/None mode 1 \"\" scan 1");
    add("Cross DTCS->Tone", "9,,446.1,,0,Cross,88.5,67.0,031,NN,754,DTCS->Tone,",
        "446.10000/67.0 -> 446.10000/D031N mode 1 \"\" scan 1");
    add("Cross DTCS->DTCS", "9,,446.1,,0,Cross,88.5,67.0,031,RN,754,dtcs->dtcs,",
        "446.10000/D754N -> 446.10000/D031I mode 1 \"\" scan 1");
}

void TestCommonCsv::columnsMapOntoAChannel() {
    QFETCH(QByteArray, row);
    QFETCH(QString, expected);
    // Channel 9 of the template is empty, channel 1 a Simplex channel whose TX tone follows a
    // changed RX tone in the editor: either way the channel ends as the row says.
    for (int channel : {9, 1}) {
        qv::RadioData data = Template();
        const QByteArray csv =
            "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
            "RxDtcsCode,CrossMode,Skip\r\n" +
            QByteArray::number(channel) + row.mid(1) + "\r\n";
        const qv::CsvImportResult result = qv::ImportChannelsCsv(csv, data);
        QVERIFY2(result.ok, qPrintable(result.error));
        QCOMPARE(Channel(data.image, channel), expected);
    }
}

void TestCommonCsv::locationOrFileOrder() {
    // A plan from a bigger radio: its locations mean nothing here.
    QByteArray plan = kPmrPlan;
    for (int n = 8; n >= 1; --n) {
        plan.replace("\r\n" + QByteArray::number(n) + ",PMR",
                     "\r\n" + QByteArray::number(100 + n) + ",PMR");
        plan.replace("\r\n" + QByteArray::number(n) + ",LISTEN",
                     "\r\n" + QByteArray::number(100 + n) + ",LISTEN");
    }
    qv::RadioData data = Template();
    qv::CsvImportResult result = qv::ImportChannelsCsv(plan, data);
    QCOMPARE(result.error, QString("line 2, column \"Location\": \"101\" is not a channel number "
                                   "from 1 to 16"));
    result = qv::ImportChannelsCsv(plan, data, Renumbered());
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(qv::test::Hex(data.image, 0x010, 128), qv::test::Hex(kPlanRecords));

    // File order, rows without a frequency skipped, no Location column needed.
    data = Template();
    QByteArray ordered = "Name,Frequency\r\nB,446.2\r\nEMPTY,\r\nA,446.1\r\n";
    QCOMPARE(qv::ImportChannelsCsv(ordered, data).error,
             QString("line 1: there is no column \"Location\"; fill the channels in file order "
                     "instead (renumber)"));
    QVERIFY(qv::ImportChannelsCsv(ordered, data, Renumbered()).ok);
    QCOMPARE(Channel(data.image, 1),
             QString("446.20000/None -> 446.20000/None mode 0 \"B\" scan 1"));
    QCOMPARE(Channel(data.image, 2),
             QString("446.10000/None -> 446.10000/None mode 0 \"A\" scan 1"));
    QCOMPARE(Channel(data.image, 3).left(9), QString("446.03125"));  // not in the plan: kept

    QByteArray seventeen = "Name,Frequency\r\n";
    for (int n = 1; n <= 17; ++n) seventeen += "C" + QByteArray::number(n) + ",446.1\r\n";
    const qv::RadioImage before = data.image;
    QCOMPARE(qv::ImportChannelsCsv(seventeen, data, Renumbered()).error,
             QString("line 18, column \"Frequency\": the radio has 16 channels and the rows "
                     "before took them all"));
    QVERIFY(data.image == before);
}

void TestCommonCsv::errorsNameLineAndColumn_data() {
    QTest::addColumn<QByteArray>("row");
    QTest::addColumn<QString>("error");
    const auto add = [](const char* cells, const char* error) {
        QTest::newRow(error) << QByteArray(cells) << QString(error);
    };
    add("0,,446.1,,0,,,,,,,,", "line 2, column \"Location\": \"0\" is not a channel number");
    add("9,,abc,,0,,,,,,,,", "line 2, column \"Frequency\": \"abc\" is not a frequency");
    add("9,,446.1,x,0,,,,,,,,", "line 2, column \"Duplex\": \"x\" is not one of");
    add("9,,446.1,+,five,,,,,,,,", "line 2, column \"Offset\": \"five\" is not a frequency");
    add("9,,446.1,-,500,,,,,,,,", "line 2, column \"Offset\": Frequency - Offset is below zero");
    add("9,,446.1,,0,TSQL-R,,67.0,,,,,", "line 2, column \"Tone\": \"TSQL-R\" is not a tone mode");
    add("9,,446.1,,0,TSQL,,67.04,,,,,",
        "line 2, column \"cToneFreq\": \"67.04\" has more decimals");
    add("9,,446.1,,0,DTCS,,,999,NN,,,", "line 2, column \"DtcsCode\": \"999\" is not in the tone");
    add("9,,446.1,,0,DTCS,,,12x,NN,,,", "line 2, column \"DtcsCode\": \"12x\" is not a DCS code");
    add("9,,446.1,,0,DTCS,,,023,NX,,,", "line 2, column \"DtcsPolarity\": \"NX\" is not two");
    add("9,,446.1,,0,Cross,,,,,,Tone=>DTCS,", "line 2, column \"CrossMode\"");
    add("9,,446.1,,0,,,,,,,,Q", "line 2, column \"Skip\": \"Q\" is not one of");
    add("9,\xe4\xbf\xa1\xe9\x81\x93,446.1,,0,,,,,,,,", "line 2, column \"Name\"");
}

void TestCommonCsv::errorsNameLineAndColumn() {
    QFETCH(QByteArray, row);
    QFETCH(QString, error);
    qv::RadioData data = Template();
    const qv::RadioImage before = data.image;
    const QByteArray csv =
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
        "RxDtcsCode,CrossMode,Skip\r\n" +
        row + "\r\n";
    const qv::CsvImportResult result = qv::ImportChannelsCsv(csv, data);
    QVERIFY(!result.ok);
    QVERIFY2(result.error.startsWith(error), qPrintable(result.error));
    QVERIFY(data.image == before);
}

void TestCommonCsv::exportWritesTheCommonColumns() {
    qv::RadioData data = Template();
    qv::EncodeTone(data.image, 8, 1, "1 - 67.0Hz", qv::test::kEnglish);   // RX 67.0
    qv::EncodeTone(data.image, 10, 1, "39 - D023N", qv::test::kEnglish);  // TX D023N
    qv::EncodeFrequency(data.image, qv::FrequencyField::Tx, 2, "441.01875", qv::test::kDotLocale);
    qv::EncodeChannelName(data.image, 2, "RPT");
    qv::SetScanFlag(data.image, 2, 0);
    for (int c = 4; c < 12; ++c) data.image.at(3, c) = 0xFF;  // RX only
    data.image.at(4, 12) = 0x3C;                              // High, Wide
    for (int n = 5; n <= 8; ++n) data.image.at(n, 0) = 0xFF;  // empty channels are left out
    const QByteArray csv = qv::ExportChannelsCsv(data, qv::CsvFormat::Common);
    QCOMPARE(csv, kCommonHeader +
                      Row("1,,446.006250,,0.000000,Cross,88.5,67.0,023,NN,023,DTCS->Tone,NFM,"
                          "6.25,,Low,,,,,") +
                      Row("2,RPT,446.018750,-,5.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,6.25,"
                          "S,Low,,,,,") +
                      Row("3,,446.031250,off,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,6.25,,"
                          "Low,,,,,") +
                      Row("4,,446.043750,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,6.25,,"
                          "High,,,,,"));
}

// Another program's names may be longer than the radio's six characters: cut, and said so.
void TestCommonCsv::longNamesAreCutToSix() {
    const QByteArray plan =
        "Location,Name,Frequency\r\n"
        "1,National Simp,446.1\r\n"
        "2,Base C,446.2\r\n"
        "3,Base Camp,446.3\r\n";
    qv::RadioData data = Template();
    const qv::CsvImportResult result = qv::ImportChannelsCsv(plan, data);
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(qv::DecodeChannelName(data.image, 1), QString("Nation"));
    QCOMPARE(qv::DecodeChannelName(data.image, 2), QString("Base C"));
    QCOMPARE(qv::DecodeChannelName(data.image, 3), QString("Base C"));
    QCOMPARE(result.shortenedNames, QStringList({"line 2: \"National Simp\" stored as \"Nation\"",
                                                 "line 4: \"Base Camp\" stored as \"Base C\""}));
    QCOMPARE(result.Notes(),
             QStringList("Names longer than six characters are cut to six: line 2: \"National "
                         "Simp\" stored as \"Nation\"; line 4: \"Base Camp\" stored as \"Base "
                         "C\""));

    // A long name with a character the radio cannot store still refuses the row.
    data = Template();
    const qv::RadioImage before = data.image;
    const qv::CsvImportResult refused =
        qv::ImportChannelsCsv("Location,Name,Frequency\r\n1,Caf\xc3\xa9 Rouge,446.1\r\n", data);
    QCOMPARE(refused.error,
             QString("line 2, column \"Name\": \"\u00e9\" cannot be part of a name (codes 32 "
                     "to 122 only)"));
    QVERIFY(data.image == before);
}

// This radio receives FM only: an AM row is imported as an FM channel and named in the note.
void TestCommonCsv::amRowsAreNamedInTheNote() {
    const QByteArray plan =
        "Location,Name,Frequency,Mode,Power\r\n"
        "1,A,446.1,NFM,5.0W\r\n"
        "2,B,446.2,NFM,Low\r\n"
        "3,TOWER,446.3,AM,Low\r\n";
    qv::RadioData data = Template();
    const qv::CsvImportResult result = qv::ImportChannelsCsv(plan, data);
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(result.note, QString("Power and Mode are not applied: this radio's power and "
                                  "bandwidth are fixed (line 2: Power \"5.0W\", Mode \"NFM\"; "
                                  "line 4: Mode \"AM\")"));
    qv::CsvImportOptions chinese;
    chinese.texts = qv::test::kChinese;
    data = Template();
    const qv::CsvImportResult said = qv::ImportChannelsCsv(plan, data, chinese);
    QVERIFY2(said.note.contains("第 4 行：Mode \"AM\""), qPrintable(said.note));
}

// --skip-unusable: the rows the radio can hold are imported, each other one named with its line
// and reason; nothing at all only when no row is left.
void TestCommonCsv::unusableRowsCanBeLeftOut() {
    QByteArray plan =
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq\r\n"
        "1,2M,146.52,,0,,\r\n"
        "2,UHF1,446.1,,0,Tone,88.5\r\n"
        "3,ODD,446.2,,0,Tone,69.3\r\n"
        "4,RPT,442.1,+,50,,\r\n"
        "40,FAR,446.3,,0,,\r\n"
        "2,TWICE,446.4,,0,,\r\n";
    qv::CsvImportOptions options;
    options.skipUnusable = true;
    qv::RadioData data = Template();
    const qv::RadioImage before = data.image;
    qv::CsvImportResult result = qv::ImportChannelsCsv(plan, data, options);
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(result.rowsImported, 1);
    QCOMPARE(result.skipped,
             QStringList(
                 {"line 2, column \"Frequency\": 146.52000 MHz is outside this radio's band "
                  "(400.00000 to 480.00000 MHz)",
                  "line 4, column \"rToneFreq\": \"69.3\" is not in the tone list (standard tones "
                  "and the customized tones of this image)",
                  "line 5, column \"Offset\": TX 492.10000 MHz is outside this radio's band "
                  "(400.00000 to 480.00000 MHz)",
                  "line 6, column \"Location\": \"40\" is not a channel number from 1 to 16",
                  "line 7, column \"Location\": channel 2 is already on line 3"}));
    QCOMPARE(Channel(data.image, 2), QString("446.10000/None -> 446.10000/88.5 mode 1 \"UHF1\" "
                                             "scan 1"));
    for (int channel : {1, 3, 4}) {
        QCOMPARE(Channel(data.image, channel), Channel(before, channel));  // left as they were
    }

    // Renumbered, the usable rows fill the channels; beyond the 16th they are left out too.
    plan = "Name,Frequency\r\nAIR,118.1\r\n";
    for (int n = 1; n <= 17; ++n) plan += "C" + QByteArray::number(n) + ",446.1\r\n";
    options.renumber = true;
    data = Template();
    result = qv::ImportChannelsCsv(plan, data, options);
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(result.rowsImported, 16);
    QCOMPARE(result.skipped.size(), 2);
    QVERIFY(result.skipped[0].startsWith("line 2, column \"Frequency\": 118.10000 MHz"));
    QCOMPARE(result.skipped[1], QString("line 19, column \"Frequency\": the radio has 16 "
                                        "channels and the rows before took them all"));
    QCOMPARE(qv::DecodeChannelName(data.image, 1), QString("C1"));
    QCOMPARE(qv::DecodeChannelName(data.image, 16), QString("C16"));

    // Nothing left: refused, and the image as it was.
    data = Template();
    result = qv::ImportChannelsCsv("Name,Frequency\r\nAIR,118.1\r\nWX,162.55\r\n", data, options);
    QVERIFY(!result.ok);
    QCOMPARE(result.error, QString("no row of the plan can be stored in this radio"));
    QCOMPARE(result.skipped.size(), 2);
    QVERIFY(data.image == before);
}

// The rows the choice dialog checked, each to the channel chosen for it; the others are left
// out, and so is their Location.
void TestCommonCsv::chosenRowsGoToTheirChannels() {
    const QByteArray plan =
        "Location,Name,Frequency\r\n"
        "101,A,446.1\r\n"
        "102,B,146.52\r\n"
        "103,C,446.3\r\n";
    qv::CsvImportOptions options;
    options.chosen = {{2, 9}, {4, 1}};
    qv::RadioData data = Template();
    const qv::CsvImportResult result = qv::ImportChannelsCsv(plan, data, options);
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(result.rowsImported, 2);
    QCOMPARE(qv::DecodeChannelName(data.image, 9), QString("A"));
    QCOMPARE(qv::DecodeChannelName(data.image, 1), QString("C"));
    // A chosen row the radio cannot hold still refuses the import.
    options.chosen = {{3, 2}};
    QVERIFY(!qv::ImportChannelsCsv(plan, data, options).ok);
}

QTEST_GUILESS_MAIN(TestCommonCsv)
#include "test_common_csv.moc"
