// Tone fields, the tone table and the numbered tone list.
#include <QTest>

#include "codecs/tone.h"
#include "codecs/tone_table.h"
#include "language/ui_language.h"

namespace {

const qv::UiTexts kEnglish;

void Store(qv::RadioImage& image, int address, int lo, int hi) {
    image[address] = static_cast<std::uint8_t>(lo);
    image[address + 1] = static_cast<std::uint8_t>(hi);
}

}  // namespace

class TestTone : public QObject {
    Q_OBJECT
private slots:
    void decode_data();
    void decode();
    void encode_data();
    void encode();
    void toneTableHasTheFullVocabulary();
    void toneListNumbersAreFixedByPosition();
    void toneChoicesAreTypedAndTheirTextsAreTheList();
    void listEntryFindsStandardAndCustomTones_data();
    void listEntryFindsStandardAndCustomTones();
    void noneFollowsTheLanguage();
};

void TestTone::decode_data() {
    QTest::addColumn<int>("lo");
    QTest::addColumn<int>("hi");
    QTest::addColumn<QString>("text");
    QTest::newRow("none") << 0xFF << 0xFF << "None";
    QTest::newRow("any F high nibble is none") << 0x12 << 0xF3 << "None";
    QTest::newRow("67.0") << 0x70 << 0x06 << "67.0";
    QTest::newRow("250.3") << 0x03 << 0x25 << "250.3";
    QTest::newRow("D023N") << 0x23 << 0x80 << "D023N";
    QTest::newRow("D754I") << 0x54 << 0xC7 << "D754I";
    QTest::newRow("digits 8 and 9 in DCS") << 0x89 << 0x80 << "D089N";
    QTest::newRow("non-decimal CTCSS reads none") << 0x7A << 0x06 << "None";
}

void TestTone::decode() {
    QFETCH(int, lo);
    QFETCH(int, hi);
    QFETCH(QString, text);
    qv::RadioImage image;
    Store(image, 0x18, lo, hi);
    QCOMPARE(qv::DecodeTone(image, 8, 1, kEnglish), text);
}

void TestTone::encode_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("lo");
    QTest::addColumn<int>("hi");
    QTest::newRow("1 - 67.0Hz") << "1 - 67.0Hz" << 0x70 << 0x06;
    QTest::newRow("121 - D754N") << "121 - D754N" << 0x54 << 0x87;
    QTest::newRow("210 - D754I") << "210 - D754I" << 0x54 << 0xC7;
    QTest::newRow("customized 100.5") << "122 - 100.5Hz" << 0x05 << 0x10;
    QTest::newRow("customized D089") << "211 - D089N" << 0x89 << 0x80;
    QTest::newRow("empty") << "" << 0xFF << 0xFF;
    QTest::newRow("None text") << "None" << 0xFF << 0xFF;
    QTest::newRow("not a number") << "5 - abcHz" << 0xFF << 0xFF;
}

void TestTone::encode() {
    QFETCH(QString, text);
    QFETCH(int, lo);
    QFETCH(int, hi);
    qv::RadioImage image;
    qv::EncodeTone(image, 10, 2, text, kEnglish);
    QCOMPARE(int(image.at(2, 10)), lo);
    QCOMPARE(int(image.at(2, 11)), hi);
    QCOMPARE(int(image.at(2, 9)), 0);
    QCOMPARE(int(image.at(2, 12)), 0);
}

void TestTone::toneTableHasTheFullVocabulary() {
    const QStringList table = qv::ToneTable(kEnglish);
    QCOMPARE(table.size(), 205);
    QCOMPARE(table[0], QString("None"));
    QCOMPARE(table[1], QString("67.0"));
    QCOMPARE(table[38], QString("250.3"));
    QCOMPARE(table[39], QString("D023N"));
    QCOMPARE(table[121], QString("D754N"));
    QCOMPARE(table[122], QString("D023I"));
    QCOMPARE(table[204], QString("D754I"));
}

void TestTone::toneListNumbersAreFixedByPosition() {
    qv::RadioImage image;
    std::fill(image.data(), image.data() + qv::kImageSize, 0xFF);
    QStringList list = qv::BuildToneList(image, kEnglish);
    QCOMPARE(list.size(), 1 + 38 + 83 + 83);
    QCOMPARE(list[1], QString("1 - 67.0Hz"));
    QCOMPARE(list[39], QString("39 - D023N"));
    QCOMPARE(list[122], QString("128 - D023I"));

    // Customized slot 2 (CTCSS) and slot 5 (DCS) filled: numbered 124 and 216, gaps elsewhere.
    Store(image, 0x194, 0x93, 0x06);  // 69.3
    Store(image, 0x190, 0x00, 0x30);  // 300.0: outside 67.0-254.1, not offered
    Store(image, 0x19A, 0x23, 0x80);  // a DCS value in a CTCSS slot: not offered
    Store(image, 0x1AA, 0x11, 0xC1);  // D111I
    Store(image, 0x1A0, 0x70, 0x06);  // a CTCSS value in a DCS slot: not offered
    list = qv::BuildToneList(image, kEnglish);
    QCOMPARE(list.size(), 1 + 38 + 83 + 1 + 83 + 1);
    QCOMPARE(list[122], QString("124 - 69.3Hz"));
    QCOMPARE(list[123], QString("128 - D023I"));
    QCOMPARE(list.last(), QString("216 - D111I"));
}

// The choices carry their tone and number; the list's texts are made from them, and each text
// reads back as the tone of its choice. The customized CTCSS range includes both edges.
void TestTone::toneChoicesAreTypedAndTheirTextsAreTheList() {
    qv::RadioImage image;
    std::fill(image.data(), image.data() + qv::kImageSize, 0xFF);
    Store(image, 0x190, 0x70, 0x06);  // 67.0, the lower edge: 122
    Store(image, 0x192, 0x41, 0x25);  // 254.1, the upper edge: 123
    Store(image, 0x194, 0x42, 0x25);  // 254.2: not offered
    Store(image, 0x1A2, 0x54, 0x87);  // D754N in a DCS slot: 212
    const std::vector<qv::NumberedTone> choices = qv::BuildToneChoices(image);
    const QStringList list = qv::BuildToneList(image, kEnglish);
    QCOMPARE(qsizetype(choices.size()), list.size());
    QCOMPARE(list.size(), 1 + 38 + 83 + 2 + 83 + 1);
    QVERIFY(choices[0].tone == qv::Tone{});
    QCOMPARE(choices[0].number, 0);
    QVERIFY(choices[38].tone == qv::Tone::Ctcss(2503));
    QCOMPARE(choices[38].number, 38);
    QVERIFY(choices[121].tone == qv::Tone::Dcs(0x754, false));
    QCOMPARE(choices[121].number, 121);
    QVERIFY(choices[122].tone == qv::Tone::Ctcss(670));
    QCOMPARE(choices[122].number, 122);
    QVERIFY(choices[123].tone == qv::Tone::Ctcss(2541));
    QCOMPARE(choices[123].number, 123);
    QVERIFY(choices[124].tone == qv::Tone::Dcs(0x023, true));
    QCOMPARE(choices[124].number, 128);
    QVERIFY(choices.back().tone == qv::Tone::Dcs(0x754, false));
    QCOMPARE(choices.back().number, 212);
    for (std::size_t i = 0; i < choices.size(); ++i) {
        const qsizetype at = qsizetype(i);
        QCOMPARE(list[at], qv::ToneChoiceText(choices[i], kEnglish));
        const std::optional<qv::Tone> read = qv::ParseTone(list[at], kEnglish.locale());
        QVERIFY2(read && *read == choices[i].tone, qPrintable(list[at]));
    }
}

void TestTone::listEntryFindsStandardAndCustomTones_data() {
    QTest::addColumn<int>("lo");
    QTest::addColumn<int>("hi");
    QTest::addColumn<bool>("custom693");
    QTest::addColumn<QString>("entry");
    QTest::newRow("standard CTCSS") << 0x70 << 0x06 << false << "1 - 67.0Hz";
    QTest::newRow("standard DCS inverted") << 0x23 << 0xC0 << false << "128 - D023I";
    QTest::newRow("69.3 without a custom slot") << 0x93 << 0x06 << false << "None";
    QTest::newRow("69.3 in custom slot 0") << 0x93 << 0x06 << true << "122 - 69.3Hz";
    QTest::newRow("none") << 0xFF << 0xFF << false << "None";
}

void TestTone::listEntryFindsStandardAndCustomTones() {
    QFETCH(int, lo);
    QFETCH(int, hi);
    QFETCH(bool, custom693);
    QFETCH(QString, entry);
    qv::RadioImage image;
    std::fill(image.data(), image.data() + qv::kImageSize, 0xFF);
    if (custom693) Store(image, 0x190, 0x93, 0x06);
    Store(image, 0x18, lo, hi);
    QCOMPARE(qv::ToneListEntry(qv::BuildToneList(image, kEnglish), image, 8, 1, kEnglish), entry);
}

void TestTone::noneFollowsTheLanguage() {
    qv::RadioImage image;
    std::fill(image.data(), image.data() + qv::kImageSize, 0xFF);
    const qv::UiTexts chinese(qv::Language::Chinese);
    QCOMPARE(qv::NoneText(chinese), QString("无"));
    QCOMPARE(qv::DecodeTone(image, 8, 1, chinese), QString("无"));
    QCOMPARE(qv::BuildToneList(image, chinese).first(), QString("无"));
    image[0x18] = 0x70;
    qv::EncodeTone(image, 8, 1, QString("无"), chinese);
    QCOMPARE(int(image[0x18]), 0xFF);
}

QTEST_GUILESS_MAIN(TestTone)
#include "test_tone.moc"
