// Channel names and the scan bitmap.
#include <QTest>

#include "codecs/channel_name.h"

class TestChannelName : public QObject {
    Q_OBJECT
private slots:
    void nameIsPaddedWithFF();
    void nameStopsAtFirstFFAndKeepsSixCharacters();
    void scanFlagsAreOneBitEach_data();
    void scanFlagsAreOneBitEach();
};

void TestChannelName::nameIsPaddedWithFF() {
    qv::RadioImage image;
    qv::EncodeChannelName(image, 1, "AB1");
    const QByteArray slot(reinterpret_cast<const char*>(image.data()) + 0x110, 6);
    QCOMPARE(slot.toHex().toUpper(), QByteArray("414231FFFFFF"));
    QCOMPARE(qv::DecodeChannelName(image, 1), QString("AB1"));
    QCOMPARE(int(image[0x116]), 0);  // channel 2's slot untouched
}

void TestChannelName::nameStopsAtFirstFFAndKeepsSixCharacters() {
    qv::RadioImage image;
    qv::EncodeChannelName(image, 16, "ABCDEFGH");
    QCOMPARE(qv::DecodeChannelName(image, 16), QString("ABCDEF"));
    QCOMPARE(int(image[0x16F]), int('F'));
    qv::EncodeChannelName(image, 2, QString::fromUtf16(u"A\u4E2D"));
    QCOMPARE(qv::DecodeChannelName(image, 2), QString("A?"));
    qv::EncodeChannelName(image, 3, "");
    QCOMPARE(qv::DecodeChannelName(image, 3), QString());
}

void TestChannelName::scanFlagsAreOneBitEach_data() {
    QTest::addColumn<int>("channel");
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("mask");
    QTest::newRow("channel 1") << 1 << 0x170 << 0x01;
    QTest::newRow("channel 8") << 8 << 0x170 << 0x80;
    QTest::newRow("channel 9") << 9 << 0x171 << 0x01;
    QTest::newRow("channel 16") << 16 << 0x171 << 0x80;
}

void TestChannelName::scanFlagsAreOneBitEach() {
    QFETCH(int, channel);
    QFETCH(int, address);
    QFETCH(int, mask);
    qv::RadioImage image;
    image[0x170] = 0x5A;
    image[0x171] = 0xA5;
    const qv::RadioImage before = image;
    qv::SetScanFlag(image, channel, 1);
    QCOMPARE(int(image[address]), before[address] | mask);
    QCOMPARE(qv::GetScanFlag(image, channel), 1);
    qv::SetScanFlag(image, channel, 2);  // neither 0 nor 1: no change
    QCOMPARE(qv::GetScanFlag(image, channel), 1);
    qv::SetScanFlag(image, channel, 0);
    QCOMPARE(int(image[address]), before[address] & ~mask);
    QCOMPARE(qv::GetScanFlag(image, channel), 0);
    const int other = address == 0x170 ? 0x171 : 0x170;
    QCOMPARE(int(image[other]), int(before[other]));
}

QTEST_GUILESS_MAIN(TestChannelName)
#include "test_channel_name.moc"
