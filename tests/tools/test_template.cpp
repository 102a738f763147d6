// The committed start-up template is exactly what its description produces, and holds what the
// description says.
#include <QFile>
#include <QTest>

#include "codecs/channel_name.h"
#include "codecs/frequency.h"
#include "codecs/tone.h"
#include "data/data_file.h"
#include "startup_template.h"
#include "support/ui_texts.h"

class TestTemplate : public QObject {
    Q_OBJECT
private slots:
    void committedFileMatchesTheDescription();
    void channelsOneToEightArePmr446();
    void channelsNineToSixteenAreEmpty();
    void bandLimitsAndBlankBytes();
};

void TestTemplate::committedFileMatchesTheDescription() {
    QFile file(QV730_COMMITTED_TEMPLATE);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray committed = file.readAll();
    const qv::ByteBuffer generated = qv::EncodeDataFile(qv::BuildStartupTemplate());
    QCOMPARE(committed.toHex(), QByteArray(reinterpret_cast<const char*>(generated.data()),
                                           static_cast<int>(generated.size()))
                                    .toHex());
}

void TestTemplate::channelsOneToEightArePmr446() {
    const qv::RadioImage image = qv::BuildStartupTemplate();
    for (int n = 1; n <= 8; ++n) {
        const QString mhz = QString::number(446.00625 + (n - 1) * 0.0125, 'f', 5);
        QCOMPARE(qv::DecodeFrequency(image, qv::FrequencyField::Rx, n, qv::test::kDotLocale), mhz);
        QCOMPARE(qv::DecodeFrequency(image, qv::FrequencyField::Tx, n, qv::test::kDotLocale), mhz);
        QCOMPARE(qv::DecodeTone(image, 8, n, qv::test::kEnglish), QString("None"));
        QCOMPARE(qv::DecodeTone(image, 10, n, qv::test::kEnglish), QString("None"));
        QCOMPARE(int(image.at(n, 12)), 0x28);
        QCOMPARE(int(image.at(n, 13)), 0x40);
        QCOMPARE(int(image.at(n, 14)), 0xFE);
        QCOMPARE(qv::DecodeChannelName(image, n), QString());
        QCOMPARE(qv::GetScanFlag(image, n), 1);
        for (int i = 0; i < 5; ++i) QCOMPARE(int(image[0x2000 + 5 * n + i]), 0xFF);
    }
    QCOMPARE(qv::DecodeFrequency(image, qv::FrequencyField::Rx, 8, qv::test::kDotLocale),
             QString("446.09375"));
}

void TestTemplate::channelsNineToSixteenAreEmpty() {
    const qv::RadioImage image = qv::BuildStartupTemplate();
    for (int n = 9; n <= 16; ++n) {
        for (int c = 0; c < 16; ++c) QCOMPARE(int(image.at(n, c)), 0xFF);
        QCOMPARE(qv::DecodeChannelName(image, n), QString());
        QCOMPARE(qv::GetScanFlag(image, n), 0);
    }
}

void TestTemplate::bandLimitsAndBlankBytes() {
    qv::RadioData data;
    data.image = qv::BuildStartupTemplate();
    data.CopyToBaseline();
    data.LoadBandLimits();
    QVERIFY(!data.ImageModified());
    QCOMPARE(data.BandUpperMHz, 480.f);
    QCOMPARE(data.BandLowerMHz, 400.f);
    QCOMPARE(int(data.image[0x171A]), 0xFF);
    QCOMPARE(int(data.image[0x0000]), 0xFF);
    QCOMPARE(int(data.image[0x3FFF]), 0xFF);
    for (int a = 0x190; a < 0x1B0; ++a) QCOMPARE(int(data.image[a]), 0xFF);  // no custom tones
}

QTEST_GUILESS_MAIN(TestTemplate)
#include "test_template.moc"
