// The bytes one change did to the image: only the differing runs are kept, and writing them back
// gives either image exactly.
#include <QTest>

#include "data/image_delta.h"

using qv::ImageDelta;
using qv::RadioImage;

class TestImageDelta : public QObject {
    Q_OBJECT
private slots:
    void keepsOnlyTheChangedRuns_data();
    void keepsOnlyTheChangedRuns();
    void wholeImageChanged();
};

void TestImageDelta::keepsOnlyTheChangedRuns_data() {
    QTest::addColumn<QList<int>>("changed");
    QTest::addColumn<int>("runs");
    QTest::addColumn<int>("bytes");
    QTest::newRow("nothing") << QList<int>{} << 0 << 0;
    QTest::newRow("first byte") << QList<int>{0x0000} << 1 << 1;
    QTest::newRow("last byte") << QList<int>{0x3FFF} << 1 << 1;
    // A record rewritten field by field: four equal bytes between changes stay one run.
    QTest::newRow("gap of four joined") << QList<int>{0x10, 0x15} << 1 << 6;
    QTest::newRow("gap of five splits") << QList<int>{0x10, 0x16} << 2 << 2;
    QTest::newRow("a run up to the end") << QList<int>{0x3FFC, 0x3FFD, 0x3FFE, 0x3FFF} << 1 << 4;
    QTest::newRow("far apart") << QList<int>{0x0010, 0x1AB0, 0x2005} << 3 << 3;
}

void TestImageDelta::keepsOnlyTheChangedRuns() {
    QFETCH(QList<int>, changed);
    QFETCH(int, runs);
    QFETCH(int, bytes);
    RadioImage before;
    for (int a = 0; a < qv::kImageSize; ++a) before[a] = std::uint8_t(a * 7);
    RadioImage after = before;
    for (int a : changed) after[a] ^= 0xA5;

    const ImageDelta delta = ImageDelta::Between(before, after);
    QCOMPARE(delta.IsEmpty(), changed.isEmpty());
    QCOMPARE(int(delta.RunCount()), runs);
    QCOMPARE(int(delta.ByteCount()), bytes);

    RadioImage image = after;
    delta.WriteBefore(image);
    QVERIFY(image == before);
    delta.WriteAfter(image);
    QVERIFY(image == after);
}

void TestImageDelta::wholeImageChanged() {
    RadioImage before;
    RadioImage after;
    for (int a = 0; a < qv::kImageSize; ++a) after[a] = 0xFF;
    const ImageDelta delta = ImageDelta::Between(before, after);
    QCOMPARE(int(delta.RunCount()), 1);
    QCOMPARE(int(delta.ByteCount()), qv::kImageSize);
    RadioImage image = after;
    delta.WriteBefore(image);
    QVERIFY(image == before);
}

QTEST_GUILESS_MAIN(TestImageDelta)
#include "test_image_delta.moc"
