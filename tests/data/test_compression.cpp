// The data file's compression against the worked examples, its edge cases, round trips and damaged
// input.
#include <QRandomGenerator>
#include <QTest>

#include "data/compression.h"
#include "support/bytes.h"

using qv::ByteBuffer;

namespace {

ByteBuffer Hex(const char* text) {
    const QByteArray bytes = QByteArray::fromHex(QByteArray(text).replace(' ', ""));
    return ByteBuffer(bytes.begin(), bytes.end());
}

ByteBuffer Repeat(std::uint8_t value, int count) {
    return ByteBuffer(static_cast<std::size_t>(count), value);
}

ByteBuffer Concat(std::initializer_list<ByteBuffer> parts) {
    ByteBuffer all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

ByteBuffer Counting(std::uint8_t first, std::uint8_t last) {
    ByteBuffer bytes;
    for (int v = first; v <= last; ++v) bytes.push_back(static_cast<std::uint8_t>(v));
    return bytes;
}

ByteBuffer RandomBytes(int count, quint32 seed) {
    QRandomGenerator random(seed);
    ByteBuffer bytes(static_cast<std::size_t>(count));
    for (auto& b : bytes) b = static_cast<std::uint8_t>(random.bounded(256));
    return bytes;
}

}  // namespace

Q_DECLARE_METATYPE(ByteBuffer)

class TestCodec : public QObject {
    Q_OBJECT
private slots:
    void onePassMatchesWorkedExamples_data();
    void onePassMatchesWorkedExamples();
    void longLiteralRunsUseOneFlag_data();
    void longLiteralRunsUseOneFlag();
    void encodeBufferAppendsPassCount_data();
    void encodeBufferAppendsPassCount();
    void roundTripRestoresEveryInput_data();
    void roundTripRestoresEveryInput();
    void malformedBuffersAreErrorsNotOverreads_data();
    void malformedBuffersAreErrorsNotOverreads();
    void passCountOverflowIsAnError();
    void decoderRefusesImplausibleSizes();
};

void TestCodec::onePassMatchesWorkedExamples_data() {
    QTest::addColumn<ByteBuffer>("input");
    QTest::addColumn<ByteBuffer>("expected");
    QTest::newRow("four A, B, ten A, C")
        << Concat({Repeat(0x41, 4), {0x42}, Repeat(0x41, 10), {0x43}})
        << Hex("00 00 07 41 00 00 0E 7B 7F 40 42 43");
    QTest::newRow("tie: twenty 05 then twenty 09")
        << Concat({Repeat(0x05, 20), Repeat(0x09, 20)})
        << Concat({Hex("00 00 08 09 00 00 14 8D 7F 7F 7C"), Repeat(0x05, 20)});
    // Seven literals and an M give the flag 0x80; the remaining 19 Ms need 7F 7F 7C.
    QTest::newRow("seven literals then M")
        << Concat({Counting(1, 7), Repeat(0x00, 20)})
        << Concat({Hex("00 00 08 00 00 00 14 80 7F 7F 7C"), Counting(1, 7)});
    QTest::newRow("trailing literals need no flag")
        << Concat({Repeat(0x00, 20), Counting(1, 9)})
        << Concat({Hex("00 00 07 00 00 00 14 7F 7F 7E"), Counting(1, 9)});
}

void TestCodec::onePassMatchesWorkedExamples() {
    QFETCH(ByteBuffer, input);
    QFETCH(ByteBuffer, expected);
    ByteBuffer buffer = input;
    QVERIFY(qv::EncodePass(buffer));
    QCOMPARE(qv::test::Hex(buffer), qv::test::Hex(expected));
    qv::DecodePass(buffer);
    QCOMPARE(qv::test::Hex(buffer), qv::test::Hex(input));
}

void TestCodec::longLiteralRunsUseOneFlag_data() {
    QTest::addColumn<int>("literals");
    QTest::addColumn<int>("firstFlag");
    QTest::addColumn<int>("secondFlag");
    // n literals in a row then M: 0x80 | (n - 7); 134 literals: 0xFF and no M.
    QTest::newRow("7 literals") << 7 << 0x80 << 0x7F;
    QTest::newRow("20 literals") << 20 << 0x8D << 0x7F;
    QTest::newRow("133 literals") << 133 << 0xFE << 0x7F;
    QTest::newRow("134 literals") << 134 << 0xFF << 0x7F;
    QTest::newRow("6 literals") << 6 << 0x01 << 0x7F;  // six clear bits, then one M
}

void TestCodec::longLiteralRunsUseOneFlag() {
    QFETCH(int, literals);
    QFETCH(int, firstFlag);
    QFETCH(int, secondFlag);
    // Distinct literal values 1..n, then 200 zeros: M = 0x00.
    ByteBuffer input;
    for (int i = 1; i <= literals; ++i) input.push_back(static_cast<std::uint8_t>(i));
    input.insert(input.end(), 200, 0x00);
    ByteBuffer buffer = input;
    QVERIFY(qv::EncodePass(buffer));
    QCOMPARE(int(buffer[3]), 0x00);  // M
    QCOMPARE(int(buffer[7]), firstFlag);
    QCOMPARE(int(buffer[8]), secondFlag);
    qv::DecodePass(buffer);
    QVERIFY(buffer == input);
}

void TestCodec::encodeBufferAppendsPassCount_data() {
    QTest::addColumn<ByteBuffer>("input");
    QTest::addColumn<int>("encodedSize");
    QTest::addColumn<int>("passes");
    QTest::newRow("worked example: one pass, then 01")
        << Concat({Repeat(0x41, 4), {0x42}, Repeat(0x41, 10), {0x43}}) << 13 << 1;
    QTest::newRow("random data is left as it is") << RandomBytes(16384, 7) << 16385 << 0;
    QTest::newRow("one byte is not compressed") << ByteBuffer{0x5A} << 2 << 0;
    QTest::newRow("16,384 zeros") << Repeat(0x00, 16384) << 41 << 5;
    QTest::newRow("16,384 FF") << Repeat(0xFF, 16384) << 42 << 5;
}

void TestCodec::encodeBufferAppendsPassCount() {
    QFETCH(ByteBuffer, input);
    QFETCH(int, encodedSize);
    QFETCH(int, passes);
    ByteBuffer buffer = input;
    qv::EncodeBuffer(buffer);
    QCOMPARE(int(buffer.size()), encodedSize);
    QCOMPARE(int(buffer.back()), passes);
    if (passes == 0) {
        QVERIFY(std::equal(input.begin(), input.end(), buffer.begin()));
    }
    qv::DecodeBuffer(buffer);
    QVERIFY(buffer == input);
}

void TestCodec::roundTripRestoresEveryInput_data() {
    QTest::addColumn<ByteBuffer>("input");
    QTest::newRow("empty") << ByteBuffer{};
    QTest::newRow("one byte") << ByteBuffer{0x00};
    QTest::newRow("two values") << Concat({Repeat(0xAA, 3000), Repeat(0x55, 2999)});
    QTest::newRow("1100 Ms scattered among random bytes") << [] {
        ByteBuffer b = RandomBytes(9000, 3);
        for (std::size_t i = 0; i < b.size(); i += 8) b[i] = 0x00;
        return b;
    }();
    for (quint32 seed = 1; seed <= 40; ++seed) {
        // Random lengths, with a dominant value in a random share of the positions.
        QRandomGenerator random(seed);
        const int length = random.bounded(1, 20000);
        const int share = random.bounded(101);
        ByteBuffer b = RandomBytes(length, seed * 31);
        const auto m = static_cast<std::uint8_t>(random.bounded(256));
        for (auto& byte : b) {
            if (random.bounded(100) < share) byte = m;
        }
        QTest::newRow(
            qPrintable(QString("seed %1, %2 bytes, %3%").arg(seed).arg(length).arg(share)))
            << b;
    }
}

void TestCodec::roundTripRestoresEveryInput() {
    QFETCH(ByteBuffer, input);
    ByteBuffer buffer = input;
    qv::EncodeBuffer(buffer);
    qv::DecodeBuffer(buffer);
    QVERIFY(buffer == input);
}

void TestCodec::malformedBuffersAreErrorsNotOverreads_data() {
    QTest::addColumn<ByteBuffer>("buffer");
    QTest::newRow("empty buffer") << ByteBuffer{};
    QTest::newRow("pass count but no pass") << Hex("01");
    QTest::newRow("header cut short") << Hex("00 00 07 41 00 01");
    QTest::newRow("flag section beyond the end") << Hex("00 00 40 41 00 00 01 7F 01");
    QTest::newRow("flag section shorter than its header") << Hex("00 00 02 41 00 00 01 7F 01");
    QTest::newRow("flags run out before every M is placed") << Hex("00 00 05 41 00 00 20 7F 01");
    QTest::newRow("literals run out") << Hex("00 00 05 41 00 00 03 8A 42 01");
    QTest::newRow("second pass of garbage") << Hex("00 00 07 41 00 00 0E 7B 7F 40 42 43 02");
}

void TestCodec::malformedBuffersAreErrorsNotOverreads() {
    QFETCH(ByteBuffer, buffer);
    QVERIFY_THROWS_EXCEPTION(qv::CompressionError, qv::DecodeBuffer(buffer));
}

void TestCodec::passCountOverflowIsAnError() {
    // 16,384 zeros need five passes; with room for only four the count cannot be recorded.
    ByteBuffer buffer = Repeat(0x00, 16384);
    QVERIFY_THROWS_EXCEPTION(qv::CompressionError, qv::EncodeBuffer(buffer, 4));
    ByteBuffer fits = Repeat(0x00, 16384);
    qv::EncodeBuffer(fits, 5);
    QCOMPARE(int(fits.back()), 5);
}

void TestCodec::decoderRefusesImplausibleSizes() {
    // A header that claims sixteen million Ms is refused instead of allocated.
    ByteBuffer buffer = Hex("00 00 04 41 FF FF FF 01");
    QVERIFY_THROWS_EXCEPTION(qv::CompressionError, qv::DecodeBuffer(buffer));
}

QTEST_GUILESS_MAIN(TestCodec)
#include "test_compression.moc"
