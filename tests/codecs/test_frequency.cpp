// Frequency clean-up and the 4-byte BCD field.
#include <QTest>
#include <cmath>

#include "codecs/frequency.h"
#include "codecs/number_text.h"

namespace {

// Numbers as a locale with "." as decimal separator writes them.
const QLocale kDot = QLocale::c();

}  // namespace

class TestFrequency : public QObject {
    Q_OBJECT
private slots:
    void normalize_data();
    void normalize();
    void normalizeUsesTheStoredBandLimits();
    void normalizeAtTheBandEdges_data();
    void normalizeAtTheBandEdges();
    void normalizeNeverLeavesTheBandOrTheRaster_data();
    void normalizeNeverLeavesTheBandOrTheRaster();
    void normalizeWithCommaDecimalLocale_data();
    void normalizeWithCommaDecimalLocale();
    void leadingNumberRule_data();
    void leadingNumberRule();
    void decode_data();
    void decode();
    void encodeWritesLittleEndianBcd_data();
    void encodeWritesLittleEndianBcd();
};

void TestFrequency::normalize_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("on the 6.25 kHz raster") << "446.00625"
                                            << "446.00625";
    QTest::newRow("last PMR channel") << "446.09375"
                                      << "446.09375";
    QTest::newRow("5 kHz candidate is higher") << "446.006"
                                               << "446.00500";
    QTest::newRow("just below a 6.25 kHz step") << "446.00624"
                                                << "446.00500";
    QTest::newRow("nearer the 5 kHz step") << "446.0124"
                                           << "446.01000";
    QTest::newRow("snaps down") << "446.003"
                                << "446.00000";
    QTest::newRow("short text") << "446.1"
                                << "446.10000";
    QTest::newRow("above the band") << "600"
                                    << "480.00000";
    QTest::newRow("upper limit itself") << "480"
                                        << "480.00000";
    QTest::newRow("below the band") << "0"
                                    << "400.00000";
    QTest::newRow("no number") << "abc"
                               << "400.00000";
    QTest::newRow("empty") << ""
                           << "400.00000";
    QTest::newRow("trailing letters") << "446.1abc"
                                      << "446.10000";
    QTest::newRow("blanks inside") << " 44 6.0 0625"
                                   << "446.00625";
    QTest::newRow("exponent") << "4.4600625E2"
                              << "446.00625";
    QTest::newRow("lower limit") << "400"
                                 << "400.00000";
    QTest::newRow("comma in C locale means decimal") << "446,1"
                                                     << "446.10000";
}

void TestFrequency::normalize() {
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QCOMPARE(qv::NormalizeFrequency(typed, 480.f, 400.f, kDot), expected);
}

void TestFrequency::normalizeUsesTheStoredBandLimits() {
    qv::RadioData data;
    data.BandUpperMHz = 174.f;
    data.BandLowerMHz = 136.f;
    QCOMPARE(qv::NormalizeFrequency("446", data, kDot), QString("174.00000"));
    QCOMPARE(qv::NormalizeFrequency("100", data, kDot), QString("136.00000"));
    QCOMPARE(qv::NormalizeFrequency("145.5", data, kDot), QString("145.50000"));
}

// Snap first, then clamp to the nearest in-band raster value: a value that rounds in single
// precision to a limit must not be snapped past it.
void TestFrequency::normalizeAtTheBandEdges_data() {
    QTest::addColumn<float>("upper");
    QTest::addColumn<float>("lower");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char* name, float upper, float lower, const char* typed,
                        const char* expected) {
        QTest::newRow(name) << upper << lower << QString(typed) << QString(expected);
    };
    row("just below 400, rounds to 400 in float", 480, 400, "399.99999", "400.00000");
    row("5 kHz step below 400", 480, 400, "399.995", "400.00000");
    row("6.25 kHz step below 400", 480, 400, "399.99375", "400.00000");
    row("between the steps below 400", 480, 400, "399.9975", "400.00000");
    row("a hair above 400", 480, 400, "400.00001", "400.00000");
    row("first 5 kHz step in band", 480, 400, "400.005", "400.00500");
    row("first 6.25 kHz step in band", 480, 400, "400.00625", "400.00625");
    row("just below 480 snaps down in band", 480, 400, "479.99999", "479.99500");
    row("last 6.25 kHz step in band", 480, 400, "479.99375", "479.99375");
    row("a hair above 480", 480, 400, "480.00001", "480.00000");
    row("5 kHz step above 480", 480, 400, "480.005", "480.00000");
    row("6.25 kHz step above 480", 480, 400, "480.00625", "480.00000");
    row("rounds up to 480 exactly", 480, 400, "479.999996", "480.00000");
    row("VHF file: below 136", 174, 136, "135.99999", "136.00000");
    row("VHF file: above 174", 174, 136, "174.001", "174.00000");
    row("VHF file: 6.25 kHz step below 174", 174, 136, "173.99375", "173.99375");
    row("VHF file: UHF value", 174, 136, "446.00625", "174.00000");
    row("equal limits", 446, 446, "446.00625", "446.00000");
    row("huge", 480, 400, "1E300", "480.00000");
    row("huge negative", 480, 400, "-1E300", "400.00000");
    row("negative", 480, 400, "-446.1", "400.00000");
}

void TestFrequency::normalizeAtTheBandEdges() {
    QFETCH(float, upper);
    QFETCH(float, lower);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QCOMPARE(qv::NormalizeFrequency(typed, upper, lower, kDot), expected);
}

void TestFrequency::normalizeNeverLeavesTheBandOrTheRaster_data() {
    QTest::addColumn<float>("upper");
    QTest::addColumn<float>("lower");
    QTest::addColumn<double>("edge");
    QTest::newRow("400-480 lower edge") << 480.f << 400.f << 400.0;
    QTest::newRow("400-480 upper edge") << 480.f << 400.f << 480.0;
    QTest::newRow("136-174 lower edge") << 174.f << 136.f << 136.0;
    QTest::newRow("136-174 upper edge") << 174.f << 136.f << 174.0;
}

// Every 10 Hz step and every 1 Hz step within 20 kHz of an edge gives an in-band raster value.
void TestFrequency::normalizeNeverLeavesTheBandOrTheRaster() {
    QFETCH(float, upper);
    QFETCH(float, lower);
    QFETCH(double, edge);
    const long long lowUnits = static_cast<long long>(lower) * 100000;
    const long long highUnits = static_cast<long long>(upper) * 100000;
    for (int hz = -20000; hz <= 20000; ++hz) {
        const QString typed = QString::number(edge + hz / 1e6, 'f', 6);
        const QString result = qv::NormalizeFrequency(typed, upper, lower, kDot);
        const auto units = static_cast<long long>(std::llround(result.toDouble() * 100000));
        if (units < lowUnits || units > highUnits || (units % 500 != 0 && units % 625 != 0))
            QFAIL(qPrintable(typed + " gave " + result));
    }
}

void TestFrequency::normalizeWithCommaDecimalLocale_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("locale decimal comma") << "446,00625"
                                          << "446,00625";
    QTest::newRow("dot still reads as decimal") << "446.1"
                                                << "446,10000";
    QTest::newRow("clamped limit uses the comma") << "999"
                                                  << "480,00000";
}

void TestFrequency::normalizeWithCommaDecimalLocale() {
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    const QLocale german(QLocale::German, QLocale::Germany);
    QCOMPARE(qv::NormalizeFrequency(typed, 480.f, 400.f, german), expected);
}

void TestFrequency::leadingNumberRule_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("value");
    QTest::newRow("plain") << "12.5" << 12.5;
    QTest::newRow("leading dot") << ".5" << 0.5;
    QTest::newRow("sign") << "-3" << -3.0;
    QTest::newRow("tabs and line feeds") << "1\t2\n3" << 123.0;
    QTest::newRow("letters first") << "x12" << 0.0;
    QTest::newRow("exponent without digits") << "7E" << 7.0;
    QTest::newRow("second decimal point ends it") << "1.2.3" << 1.2;
    QTest::newRow("overflowing exponent") << "1E999" << 0.0;
}

void TestFrequency::leadingNumberRule() {
    QFETCH(QString, text);
    QFETCH(double, value);
    QCOMPARE(qv::LeadingNumber(text), value);
}

void TestFrequency::decode_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("expected");
    QTest::newRow("446.00625") << QByteArray::fromHex("25066044") << "446.00625";
    QTest::newRow("136.00000") << QByteArray::fromHex("00006013") << "136.00000";
    QTest::newRow("FF in any byte: none") << QByteArray::fromHex("250660FF") << "";
    QTest::newRow("FF in the lowest byte") << QByteArray::fromHex("FF066044") << "";
    QTest::newRow("non-decimal nibble: none") << QByteArray::fromHex("2A066044") << "";
}

void TestFrequency::decode() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, expected);
    qv::RadioImage image;
    for (int i = 0; i < 4; ++i) image.at(3, 4 + i) = static_cast<std::uint8_t>(bytes[i]);
    QCOMPARE(qv::DecodeFrequency(image, qv::FrequencyField::Tx, 3, kDot), expected);
    QCOMPARE(qv::DecodeFrequency(image, qv::FrequencyField::Rx, 3, kDot), QString("0.00000"));
}

void TestFrequency::encodeWritesLittleEndianBcd_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("446.00625") << "446.00625" << QByteArray::fromHex("25066044");
    QTest::newRow("480.00000") << "480.00000" << QByteArray::fromHex("00000048");
    QTest::newRow("empty: none") << "" << QByteArray::fromHex("FFFFFFFF");
    QTest::newRow("beyond eight digits: none") << "1000.00000" << QByteArray::fromHex("FFFFFFFF");
}

void TestFrequency::encodeWritesLittleEndianBcd() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    qv::RadioImage image;
    qv::EncodeFrequency(image, qv::FrequencyField::Rx, 16, text, kDot);
    for (int i = 0; i < 4; ++i) QCOMPARE(int(image.at(16, i)), int(quint8(bytes[i])));
    for (int i = 4; i < 16; ++i) QCOMPARE(int(image.at(16, i)), 0);  // TX and the rest untouched
}

QTEST_GUILESS_MAIN(TestFrequency)
#include "test_frequency.moc"
