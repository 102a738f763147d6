// The typed channel record: its codec field by field, and, over many varied images, that the
// channel table's load followed by its save writes exactly the bytes the text algorithms of the
// channel editor write (tones through the numbered list, modes by comparing cell texts).
#include <QRandomGenerator>
#include <QtTest>

#include "channel_test_support.h"
#include "codecs/channel_name.h"
#include "codecs/channel_record.h"
#include "codecs/frequency.h"
#include "codecs/tone.h"
#include "codecs/tone_table.h"
#include "editors/channel/channel_table.h"
#include "support/ui_texts.h"

using namespace qv;
using namespace qv::test;

namespace {

// The channel editor's load and save written with the text codecs, cell texts compared as the
// editor compares them: the reference the typed path must match byte for byte.
void TextLoadSave(RadioImage& image, const UiTexts& texts) {
    const QStringList toneList = BuildToneList(image, texts);
    for (int row = 1; row <= 16; ++row) {
        const QString rx = DecodeFrequency(image, FrequencyField::Rx, row, texts.locale());
        if (rx.isEmpty()) {
            for (int column = 0; column < 16; ++column) image.at(row, column) = 0xFF;
            SetScanFlag(image, row, 0);
            EncodeChannelName(image, row, QString());
            continue;
        }
        const QString rxTone = ToneListEntry(toneList, image, 8, row, texts);
        QString tx = DecodeFrequency(image, FrequencyField::Tx, row, texts.locale());
        QString txTone = ToneListEntry(toneList, image, 10, row, texts);
        const std::uint8_t flags = image.at(row, 12);
        const QString name = DecodeChannelName(image, row);
        const int scan = GetScanFlag(image, row);
        int mode = 2;  // RX only
        if (tx.isEmpty()) {
            txTone.clear();
        } else {
            mode = rxTone == txTone && rx == tx ? 0 : 1;
        }
        EncodeFrequency(image, FrequencyField::Rx, row, rx, texts.locale());
        EncodeFrequency(image, FrequencyField::Tx, row, tx, texts.locale());
        EncodeTone(image, 8, row, rxTone, texts);
        EncodeTone(image, 10, row, txTone, texts);
        std::uint8_t saved = flags & 0x3C;  // bandwidth, talk around, power, reverse burst
        if ((flags & 0x03) != 3) saved |= flags & 0x03;
        image.at(row, 12) = static_cast<std::uint8_t>(saved | mode << 6);
        SetScanFlag(image, row, scan);
        EncodeChannelName(image, row, name);
    }
}

std::uint8_t Bcd(int value) {
    return static_cast<std::uint8_t>((value / 10) << 4 | value % 10);
}

// A tone field as radios and other programs leave them: none, standard and odd CTCSS, DCS of
// both polarities, nibbles no tone has, random bytes.
void PutTone(RadioImage& image, int address, QRandomGenerator& random) {
    int tenths = 0;
    switch (random.bounded(7)) {
        case 0:
            image[address] = image[address + 1] = 0xFF;
            return;
        case 1:
            tenths = kCtcssTenths[random.bounded(int(kCtcssTenths.size()))];
            break;
        case 2:
            tenths = 670 + random.bounded(1880);  // customized or unlisted
            break;
        case 3:
        case 4: {
            const QString code = QLatin1String(kDcsCodes[random.bounded(int(kDcsCodes.size()))]);
            const int value = code.toInt(nullptr, 16);
            image[address] = static_cast<std::uint8_t>(value & 0xFF);
            image[address + 1] =
                static_cast<std::uint8_t>((random.bounded(2) ? 0xC0 : 0x80) | value >> 8);
            return;
        }
        default:
            image[address] = static_cast<std::uint8_t>(random.bounded(256));
            image[address + 1] = static_cast<std::uint8_t>(random.bounded(256));
            return;
    }
    image[address] = Bcd(tenths % 100);
    image[address + 1] = Bcd(tenths / 100);
}

void PutFrequency(RadioImage& image, int address, QRandomGenerator& random) {
    switch (random.bounded(5)) {
        case 0:
            for (int i = 0; i < 4; ++i) image[address + i] = 0xFF;
            return;
        case 1:
            for (int i = 0; i < 4; ++i) {
                image[address + i] = static_cast<std::uint8_t>(random.bounded(256));
            }
            return;
        default: {
            int units = 40000000 + random.bounded(8000000);
            if (random.bounded(3) == 0) units = 44600625 + 1250 * random.bounded(8);
            for (int i = 0; i < 4; ++i, units /= 100) image[address + i] = Bcd(units % 100);
            return;
        }
    }
}

RadioData VariedImage(quint32 seed) {
    QRandomGenerator random(seed);
    RadioData data = BlankRadio();
    for (int address = 0; address < kImageSize; ++address) {
        if (random.bounded(4) == 0)
            data.image[address] = static_cast<std::uint8_t>(random.generate());
    }
    for (int channel = 1; channel <= 16; ++channel) {
        const int record = 16 * channel;
        PutFrequency(data.image, record, random);
        // Simplex records are common: TX copied from RX, sometimes with the same tone.
        if (random.bounded(3) == 0) {
            for (int i = 0; i < 4; ++i) data.image[record + 4 + i] = data.image[record + i];
        } else {
            PutFrequency(data.image, record + 4, random);
        }
        PutTone(data.image, record + 8, random);
        if (random.bounded(2) == 0) {
            data.image[record + 10] = data.image[record + 8];
            data.image[record + 11] = data.image[record + 9];
        } else {
            PutTone(data.image, record + 10, random);
        }
    }
    for (int slot = 0; slot < 6; ++slot) {
        PutTone(data.image, kCustomCtcssAddress + 2 * slot, random);
        PutTone(data.image, kCustomDcsAddress + 2 * slot, random);
    }
    return data;
}

}  // namespace

class TestChannelRecord : public QObject {
    Q_OBJECT
private slots:
    void decodesEveryField();
    void encodesEveryField();
    void tonesRoundTrip_data();
    void tonesRoundTrip();
    void tonesParse_data();
    void tonesParse();
    void emptyChannelStoresBlank();
    void tableLoadSaveMatchesTheTextAlgorithms_data();
    void tableLoadSaveMatchesTheTextAlgorithms();
};

void TestChannelRecord::decodesEveryField() {
    RadioData data = BlankRadio();
    // 446.00625 RX, 446.10000 TX, RX tone 67.0, TX tone D754I, flags: busy lock carrier (2),
    // wide, no talk around, high power, reverse burst.
    PutRecord(data.image, 3, "25 06 60 44 00 00 61 44 70 06 54 C7 3E 40 FE 12");
    EncodeChannelName(data.image, 3, "AB1");
    SetScanFlag(data.image, 3, 1);
    const ChannelRecord record = DecodeChannelRecord(data.image, 3);
    QCOMPARE(record.rx, std::optional<int>(44600625));
    QCOMPARE(record.tx, std::optional<int>(44610000));
    QVERIFY(record.rxTone == Tone::Ctcss(670));
    QVERIFY(record.txTone == Tone::Dcs(0x754, true));
    QVERIFY(record.busyLock == BusyLock::Carrier);
    QVERIFY(record.wide && record.highPower && record.reverseBurst && !record.talkAround);
    QVERIFY(record.scan);
    QCOMPARE(record.name, QByteArray("AB1"));
    QVERIFY(record.mode == ChannelMode::Repeater);

    // Busy lock 3 reads Off; an FF or non-decimal byte in a frequency reads as none.
    PutRecord(data.image, 4, "25 06 60 44 25 06 6A 44 FF FF FF FF 03 40 FE FF");
    const ChannelRecord rxOnly = DecodeChannelRecord(data.image, 4);
    QVERIFY(rxOnly.busyLock == BusyLock::Off);
    QVERIFY(!rxOnly.tx.has_value());
    QVERIFY(rxOnly.mode == ChannelMode::RxOnly);
    PutRecord(data.image, 5, "25 FF 60 44 25 06 60 44 FF FF FF FF 28 40 FE FF");
    QVERIFY(DecodeChannelRecord(data.image, 5).IsEmpty());
}

void TestChannelRecord::encodesEveryField() {
    RadioData data = BlankRadio();
    ChannelRecord record;
    record.rx = 44600625;
    record.tx = 44600625;
    record.rxTone = record.txTone = Tone::Dcs(0x023, false);
    record.reverseBurst = true;
    record.talkAround = false;
    record.scan = true;
    record.name = "AB1";
    record.mode = ChannelMode::Simplex;
    EncodeChannelRecord(data.image, 9, record);
    QCOMPARE(Hex(data.image, 16 * 9, 16),
             QStringLiteral("25 06 60 44 25 06 60 44 23 80 23 80 28 FF FF FF"));
    QCOMPARE(Hex(data.image, 0x110 + 6 * 8, 6), QStringLiteral("41 42 31 FF FF FF"));
    QCOMPARE(GetScanFlag(data.image, 9), 1);

    record.tx.reset();  // receive only: no TX frequency and no TX tone
    record.mode = ChannelMode::RxOnly;
    record.busyLock = BusyLock::CtcssDcs;
    EncodeChannelRecord(data.image, 9, record);
    QCOMPARE(Hex(data.image, 16 * 9, 13), QStringLiteral("25 06 60 44 FF FF FF FF 23 80 FF FF A9"));

    WriteNewChannelBytes(data.image, 9);
    QCOMPARE(Hex(data.image, 16 * 9 + 12, 3), QStringLiteral("34 40 FE"));
    QCOMPARE(Hex(data.image, 0x2000 + 5 * 9, 5), QStringLiteral("FF FF FF FF FF"));
}

void TestChannelRecord::tonesRoundTrip_data() {
    QTest::addColumn<QString>("bytes");  // low byte first
    QTest::addColumn<QString>("text");
    QTest::newRow("none") << "FF FF"
                          << "None";
    QTest::newRow("ctcss") << "70 06"
                           << "67.0";
    QTest::newRow("highest") << "03 25"
                             << "250.3";
    QTest::newRow("dcs normal") << "23 80"
                                << "D023N";
    QTest::newRow("dcs inverted") << "54 C7"
                                  << "D754I";
}

void TestChannelRecord::tonesRoundTrip() {
    QFETCH(QString, bytes);
    QFETCH(QString, text);
    RadioImage image;
    PutBytes(image, 0x20, bytes);
    const Tone tone = DecodeToneField(image, 0x20);
    QCOMPARE(ToneText(tone, qv::test::kEnglish), text);
    RadioImage written;
    EncodeToneField(written, 0x20, tone);
    QCOMPARE(Hex(written, 0x20, 2), bytes);
    QVERIFY(ParseTone(text, qv::test::kDotLocale) == tone);
}

void TestChannelRecord::tonesParse_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isTone");
    QTest::addColumn<QString>("shown");
    QTest::newRow("list entry") << "1 - 67.0Hz" << true << "67.0";
    QTest::newRow("bare with Hz") << "250.3Hz" << true << "250.3";
    QTest::newRow("whole hertz") << "100" << true << "100.0";
    QTest::newRow("dcs entry") << "128 - D023I" << true << "D023I";
    QTest::newRow("chinese none") << "无" << true << "None";
    QTest::newRow("empty") << "" << true << "None";
    QTest::newRow("two decimals") << "67.05" << false << "";
    QTest::newRow("word") << "abc" << false << "";
    QTest::newRow("dcs without polarity") << "D023" << false << "";
    QTest::newRow("dcs bad digit") << "D0G3N" << false << "";
}

void TestChannelRecord::tonesParse() {
    QFETCH(QString, text);
    QFETCH(bool, isTone);
    QFETCH(QString, shown);
    const std::optional<Tone> tone = ParseTone(text, qv::test::kDotLocale);
    QCOMPARE(tone.has_value(), isTone);
    if (tone) QCOMPARE(ToneText(*tone, qv::test::kEnglish), shown);
}

void TestChannelRecord::emptyChannelStoresBlank() {
    RadioData data = BlankRadio();
    for (int address = 0x10; address < 0x180; ++address) data.image[address] = 0x11;
    EncodeChannelRecord(data.image, 2, ChannelRecord{});
    QCOMPARE(Hex(data.image, 32, 16), QString("FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF"));
    QCOMPARE(Hex(data.image, 0x116, 6), QStringLiteral("FF FF FF FF FF FF"));
    QCOMPARE(Hex(data.image, 0x170, 2), QStringLiteral("11 11"));  // channel 2's bit cleared
}

void TestChannelRecord::tableLoadSaveMatchesTheTextAlgorithms_data() {
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("language");
    for (quint32 seed = 1; seed <= 200; ++seed) {
        QTest::addRow("image %u", seed)
            << seed << int(seed % 5 == 0 ? Language::Chinese : Language::English);
    }
}

void TestChannelRecord::tableLoadSaveMatchesTheTextAlgorithms() {
    QFETCH(quint32, seed);
    QFETCH(int, language);
    const UiTexts texts(static_cast<Language>(language));
    RadioData data = VariedImage(seed);
    RadioImage expected = data.image;
    TextLoadSave(expected, texts);

    ChannelTable table(data, texts);
    table.RefreshAll();
    table.SaveData();
    for (int address = 0; address < kImageSize; ++address) {
        if (data.image[address] != expected[address]) {
            QFAIL(qPrintable(QStringLiteral("address %1: %2 written, %3 expected")
                                 .arg(address, 4, 16, QLatin1Char('0'))
                                 .arg(data.image[address], 2, 16, QLatin1Char('0'))
                                 .arg(expected[address], 2, 16, QLatin1Char('0'))));
        }
    }
}

QTEST_GUILESS_MAIN(TestChannelRecord)
#include "test_channel_record.moc"
