// The image, its baseline and the band limits kept at 0x1AB0-0x1AB3.
#include <QTest>

#include "data/radio_image.h"

class TestRadioImage : public QObject {
    Q_OBJECT
private slots:
    void freshImageIsAllZero();
    void modifiedAfterAnySingleByte_data();
    void modifiedAfterAnySingleByte();
    void bandLimits_data();
    void bandLimits();
    void storeBandLimitsPacksDecimalDigits();
};

void TestRadioImage::freshImageIsAllZero() {
    qv::RadioData data;
    for (int a = 0; a < qv::kImageSize; ++a) QCOMPARE(int(data.image[a]), 0);
    QVERIFY(!data.ImageModified());
}

void TestRadioImage::modifiedAfterAnySingleByte_data() {
    QTest::addColumn<int>("address");
    QTest::newRow("first byte") << 0x0000;
    QTest::newRow("a channel byte") << 0x0123;
    QTest::newRow("last byte") << 0x3FFF;
}

void TestRadioImage::modifiedAfterAnySingleByte() {
    QFETCH(int, address);
    qv::RadioData data;
    data.image[0x0500] = 0x77;
    data.CopyToBaseline();
    QVERIFY(!data.ImageModified());
    data.image[address] ^= 0x01;
    QVERIFY(data.ImageModified());
    data.image[address] ^= 0x01;
    QVERIFY(!data.ImageModified());
}

void TestRadioImage::bandLimits_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<float>("upper");
    QTest::addColumn<float>("lower");
    QTest::addColumn<QByteArray>("after");
    const auto hex = [](const char* text) { return QByteArray::fromHex(text); };
    QTest::newRow("480/400") << hex("48004000") << 480.f << 400.f << hex("48004000");
    QTest::newRow("inverted pair falls back")
        << hex("40004800") << 480.f << 400.f << hex("48004000");
    QTest::newRow("equal limits accepted") << hex("45004500") << 450.f << 450.f << hex("45004500");
    QTest::newRow("low nibble of units ignored")
        << hex("48074007") << 480.f << 400.f << hex("48074007");
    QTest::newRow("136/134") << hex("13601340") << 136.f << 134.f << hex("13601340");
    QTest::newRow("blank FF area falls back")
        << hex("FFFFFFFF") << 480.f << 400.f << hex("48004000");
    QTest::newRow("non-digit tens nibble falls back")
        << hex("4A004000") << 480.f << 400.f << hex("48004000");
    QTest::newRow("non-digit units nibble falls back")
        << hex("450040F0") << 480.f << 400.f << hex("48004000");
}

void TestRadioImage::bandLimits() {
    QFETCH(QByteArray, stored);
    QFETCH(float, upper);
    QFETCH(float, lower);
    QFETCH(QByteArray, after);
    qv::RadioData data;
    data.BandUpperMHz = data.BandLowerMHz = 1.f;
    for (int i = 0; i < 4; ++i) data.image[0x1AB0 + i] = static_cast<std::uint8_t>(stored[i]);
    data.CopyToBaseline();
    data.LoadBandLimits();
    QCOMPARE(data.BandUpperMHz, upper);
    QCOMPARE(data.BandLowerMHz, lower);
    QByteArray now;
    for (int i = 0; i < 4; ++i) now.append(static_cast<char>(data.image[0x1AB0 + i]));
    QCOMPARE(now.toHex(), after.toHex());
    // A repair changes the image after the baseline was taken, so it counts as a change.
    QCOMPARE(data.ImageModified(), now != stored);
}

void TestRadioImage::storeBandLimitsPacksDecimalDigits() {
    qv::RadioData data;
    data.BandUpperMHz = 174.f;
    data.BandLowerMHz = 136.f;
    data.StoreBandLimits();
    QCOMPARE(int(data.image[0x1AB0]), 0x17);
    QCOMPARE(int(data.image[0x1AB1]), 0x40);
    QCOMPARE(int(data.image[0x1AB2]), 0x13);
    QCOMPARE(int(data.image[0x1AB3]), 0x60);
    data.SetDefaultBandLimits();
    QCOMPARE(data.BandUpperMHz, 480.f);
    QCOMPARE(int(data.image[0x1AB0]), 0x17);  // SetDefaultBandLimits leaves the image alone
}

QTEST_GUILESS_MAIN(TestRadioImage)
#include "test_radio_image.moc"
