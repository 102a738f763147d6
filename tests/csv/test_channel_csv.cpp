// Channel plans as CSV: export, import with the channel editor's rules, round trips, and that any
// error leaves the image exactly as it was.
#include <QCoreApplication>
#include <QRandomGenerator>
#include <QTest>

#include "codecs/channel_name.h"
#include "codecs/frequency.h"
#include "codecs/number_text.h"
#include "codecs/tone.h"
#include "codecs/tone_table.h"
#include "data/data_file.h"
#include "data/ui_language.h"
#include "editors/channel/channel_table.h"
#include "editors/channel_csv/channel_csv.h"

namespace {

const QByteArray kHeader =
    "No.,CH Name,Mode,RX Freq.,RX CTCSS/DCS,TX Freq.,TX CTCSS/DCS,TX Power,Bandwidth,Scan,"
    "Busy Lock,Reverse Burst,Talk Around\r\n";

qv::RadioData Template() {
    qv::RadioData data;
    if (qv::LoadFile(QCoreApplication::applicationDirPath() + "/default.tw", data) !=
        qv::LoadStatus::Ok) {
        qFatal("no template");
    }
    return data;
}

// An image with every kind of channel: random valid records, flags, names, scan bits and
// customized tones, some channels empty, some receive-only.
qv::RadioData Varied(quint32 seed) {
    qv::RadioData data = Template();
    QRandomGenerator random(seed);
    qv::EncodeTone(data.image, 2 * (seed % 6), 25, "122 - 69.3Hz");  // a customized CTCSS slot
    qv::EncodeTone(data.image, 2 * (seed % 6), 26, "211 - D017N");   // a customized DCS slot
    const QStringList tones = qv::BuildToneList(data.image);
    for (int n = 1; n <= 16; ++n) {
        const int kind = random.bounded(4);  // 0 empty, 1 simplex, 2 repeater, 3 RX only
        for (int c = 0; c < 16; ++c) data.image.at(n, c) = 0xFF;
        qv::EncodeChannelName(data.image, n, "");
        if (kind == 0) continue;
        const QString rx =
            qv::NormalizeFrequency(QString::number(400 + random.bounded(80.0)), data);
        const QString tx =
            kind == 1 ? rx
                      : qv::NormalizeFrequency(QString::number(400 + random.bounded(80.0)), data);
        qv::EncodeFrequency(data.image, qv::FrequencyField::Rx, n, rx);
        if (kind != 3) qv::EncodeFrequency(data.image, qv::FrequencyField::Tx, n, tx);
        const QString rxTone = tones[random.bounded(tones.size())];
        qv::EncodeTone(data.image, 8, n, rxTone);
        if (kind != 3) {
            qv::EncodeTone(data.image, 10, n,
                           kind == 1 ? rxTone : tones[random.bounded(tones.size())]);
        }
        data.image.at(n, 12) = static_cast<std::uint8_t>(random.bounded(256));
        data.image.at(n, 13) = static_cast<std::uint8_t>(random.bounded(256));
        QString name;
        for (int i = random.bounded(7); i > 0; --i)
            name += QChar(char16_t(32 + random.bounded(91)));
        qv::EncodeChannelName(data.image, n, name);
        qv::SetScanFlag(data.image, n, random.bounded(2));
    }
    data.CopyToBaseline();
    return data;
}

// What the channel editor's own load and save make of an image.
qv::RadioImage EditorNormalised(const qv::RadioData& data) {
    qv::RadioData copy = data;
    qv::ChannelTable table(copy);
    table.RefreshAll();
    table.SaveData();
    return copy.image;
}

QByteArray Row(const char* text) {
    return QByteArray(text) + "\r\n";
}

}  // namespace

class TestChannelCsv : public QObject {
    Q_OBJECT
private slots:
    void cleanup() {
        qv::SetUiLanguage(qv::kEnglish);
        qv::SetUiLocale(QLocale::c());
    }
    void exportWritesTheEditorsColumnsInEnglish();
    void roundTripGivesBackTheChannels_data();
    void roundTripGivesBackTheChannels();
    void importAppliesTheEditorsRules();
    void columnsInAnyOrderAndUnknownOnesIgnored();
    void importedFrequenciesStayInTheBand();
    void quotedFieldsFollowRfc4180();
    void errorsNameLineAndColumnAndChangeNothing_data();
    void errorsNameLineAndColumnAndChangeNothing();
};

void TestChannelCsv::exportWritesTheEditorsColumnsInEnglish() {
    qv::RadioData data = Template();
    qv::EncodeTone(data.image, 8, 1, "1 - 67.0Hz");
    qv::EncodeTone(data.image, 10, 1, "39 - D023N");
    qv::EncodeChannelName(data.image, 1, "A,\"B\"");
    qv::SetUiLanguage(qv::kChinese);
    qv::SetUiLocale(QLocale(QLocale::German));
    const QByteArray csv = qv::ExportChannelsCsv(data);
    const QList<QByteArray> lines = csv.split('\n');
    QCOMPARE(lines[0] + '\n', kHeader);
    QCOMPARE(lines[1], QByteArray("1,\"A,\"\"B\"\"\",Repeater,446.00625,67.0,446.00625,D023N,"
                                  "Low,Narrow,Yes,Off,On,No\r"));
    QCOMPARE(lines[9], QByteArray("9,,,,,,,,,,,,\r"));
    QCOMPARE(lines.size(), 18);  // header, 16 channels, and nothing after the last CR LF
    QCOMPARE(int(qv::UiLanguage()), int(qv::kChinese));  // the user's language is back
}

void TestChannelCsv::roundTripGivesBackTheChannels_data() {
    QTest::addColumn<qv::RadioData>("data");
    QTest::newRow("template") << Template();
    for (quint32 seed = 1; seed <= 6; ++seed) {
        QTest::newRow(qPrintable(QString("varied image %1").arg(seed))) << Varied(seed);
    }
}

void TestChannelCsv::roundTripGivesBackTheChannels() {
    QFETCH(qv::RadioData, data);
    const qv::RadioImage expected = EditorNormalised(data);
    const QByteArray csv = qv::ExportChannelsCsv(data);
    const qv::CsvImportResult result = qv::ImportChannelsCsv(csv, data);
    QVERIFY2(result.ok, qPrintable(result.error));
    for (int address = 0; address < qv::kImageSize; ++address) {
        if (data.image[address] != expected[address]) {
            QFAIL(qPrintable(QString("byte 0x%1 differs: %2 instead of %3")
                                 .arg(address, 4, 16, QChar('0'))
                                 .arg(data.image[address])
                                 .arg(expected[address])));
        }
    }
    QCOMPARE(qv::ExportChannelsCsv(data), csv);
}

void TestChannelCsv::importAppliesTheEditorsRules() {
    qv::RadioData data = Template();
    const qv::RadioImage before = data.image;
    const QByteArray csv = kHeader +
                           // a repeater with tones; the Mode column is derived, not read
                           Row("1,RPT 1,Simplex,446.0124,D023N,446.1,67.0,Low,Narrow,No,"
                               "CTCSS/DCS,Off,Yes") +
                           Row("2") +  // deleted
                           // a new channel: out-of-band RX clamped, TX follows on Simplex
                           Row("9,NEW,,500,,500,,Low,Narrow,Yes,Carrier Squelch,On,No") +
                           Row("10,RXONLY,,430.00625,88.5,,,Low,Narrow,No,Off,On,No") +
                           // as a spreadsheet saves numbers back: 100 for 100.0
                           Row("11,SHEET,,446.1,100,446.1,100,Low,Narrow,Yes,Off,On,No");
    const qv::CsvImportResult result = qv::ImportChannelsCsv(csv, data);
    QVERIFY2(result.ok, qPrintable(result.error));

    qv::ChannelTable table(data);
    table.RefreshAll();
    QCOMPARE(table.RowTexts(1),
             (QStringList{"1", "RPT 1", "Repeater", "446.01000", "39 - D023N", "446.10000",
                          "1 - 67.0Hz", "Low", "Narrow", "No", "CTCSS/DCS", "Off", "Yes"}));
    QVERIFY(table.IsEmptyChannel(2));
    QCOMPARE(table.RowTexts(9).mid(1),
             (QStringList{"NEW", "Simplex", "480.00000", "None", "480.00000", "None", "Low",
                          "Narrow", "Yes", "Carrier", "On", "No"}));
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
    QCOMPARE(qv::DecodeFrequency(data.image, qv::FrequencyField::Tx, 3), QString("446.03125"));
    QCOMPARE(qv::DecodeChannelName(data.image, 11), QString("HILL"));
    QCOMPARE(qv::DecodeFrequency(data.image, qv::FrequencyField::Rx, 11), QString("440.00000"));
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
    const QByteArray csv = "No.,RX Freq.,TX Freq.\r\n12,399.99999,480.00624\r\n";
    const qv::CsvImportResult result = qv::ImportChannelsCsv(csv, data);
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(qv::DecodeFrequency(data.image, qv::FrequencyField::Rx, 12), QString("400.00000"));
    QCOMPARE(qv::DecodeFrequency(data.image, qv::FrequencyField::Tx, 12), QString("480.00000"));
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
    QTest::newRow("unclosed quote") << kHeader + good + "3,\"open,,446\r\n"
                                    << "line 3";
    QTest::newRow("no channel number column") << QByteArray("RX Freq.\r\n446\r\n") << "No.";
    QTest::newRow("column twice") << QByteArray("No.,No.\r\n1,1\r\n") << "appears twice";
    QTest::newRow("empty file") << QByteArray() << "header";
}

void TestChannelCsv::errorsNameLineAndColumnAndChangeNothing() {
    QFETCH(QByteArray, csv);
    QFETCH(QString, error);
    qv::RadioData data = Varied(11);
    const qv::RadioData before = data;
    const qv::CsvImportResult result = qv::ImportChannelsCsv(csv, data);
    QVERIFY(!result.ok);
    QVERIFY2(result.error.contains(error), qPrintable(result.error));
    QCOMPARE(data.image, before.image);
}

QTEST_GUILESS_MAIN(TestChannelCsv)
#include "test_channel_csv.moc"
