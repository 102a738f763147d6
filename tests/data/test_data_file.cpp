// Loading and saving .tw files: round trips, the type checks, and that failures lose nothing.
#include <sys/resource.h>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

#include "data/data_file.h"
#include "language/ui_language.h"

namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray Stored(qv::ByteBuffer plain) {
    qv::EncodeBuffer(plain);
    return QByteArray(reinterpret_cast<const char*>(plain.data()), static_cast<int>(plain.size()));
}

qv::RadioImage Varied(quint32 seed) {
    qv::RadioImage image;
    QRandomGenerator random(seed);
    for (int a = 0; a < qv::kImageSize; ++a) {
        image[a] = random.bounded(4) == 0 ? static_cast<std::uint8_t>(random.bounded(256)) : 0xFF;
    }
    return image;
}

}  // namespace

class TestDataFile : public QObject {
    Q_OBJECT
private slots:
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        QVERIFY(dir->isValid());
    }
    void saveThenLoadRestoresEveryByte_data();
    void saveThenLoadRestoresEveryByte();
    void storedFileIsMarkerFFAndImageEncoded();
    void passCountZeroFileLoads();
    void rejectedFilesLeaveEverythingAsItWas_data();
    void rejectedFilesLeaveEverythingAsItWas();
    void missingFileIsWrongTypeAndCreatesNothing();
    void savingOverALargerFileLeavesNoStaleBytes();
    void failedSaveLeavesTheOldFileWhole();
    void failureTextFollowsTheLanguage();

private:
    std::unique_ptr<QTemporaryDir> dir;
};

void TestDataFile::saveThenLoadRestoresEveryByte_data() {
    QTest::addColumn<qv::RadioImage>("image");
    QTest::newRow("fresh program: all zero") << qv::RadioImage{};
    QTest::newRow("varied image 1") << Varied(1);
    QTest::newRow("varied image 2") << Varied(2);
}

void TestDataFile::saveThenLoadRestoresEveryByte() {
    QFETCH(qv::RadioImage, image);
    const QString path = dir->filePath("round.tw");
    QVERIFY(qv::SaveFile(path, image).ok);
    qv::RadioData data;
    data.image[5] = 0x55;
    QCOMPARE(qv::LoadFile(path, data), qv::LoadStatus::Ok);
    QCOMPARE(data.baseline, image);  // the bytes as stored, before the band-limit check
    QVERIFY(!QFile::exists(dir->filePath("tempqfeo.dat")));
    for (int a = 0; a < qv::kImageSize; ++a) {
        if (a < 0x1AB0 || a > 0x1AB3) QCOMPARE(int(data.image[a]), int(image[a]));
    }
}

void TestDataFile::storedFileIsMarkerFFAndImageEncoded() {
    qv::RadioImage image = Varied(9);
    const QString path = dir->filePath("layout.tw");
    QVERIFY(qv::SaveFile(path, image).ok);
    qv::ByteBuffer stored;
    const QByteArray bytes = ReadAll(path);
    stored.assign(bytes.begin(), bytes.end());
    qv::DecodeBuffer(stored);
    QCOMPARE(int(stored.size()), 16400);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(stored.data()), 6), QByteArray("SLQFEO"));
    for (int i = 6; i < 16; ++i) QCOMPARE(int(stored[i]), 0xFF);
    QVERIFY(std::equal(image.data(), image.data() + qv::kImageSize, stored.begin() + 16));
}

void TestDataFile::passCountZeroFileLoads() {
    qv::RadioImage image = Varied(4);
    image[0x1AB0] = 0x48, image[0x1AB1] = 0x00, image[0x1AB2] = 0x40, image[0x1AB3] = 0x00;
    const qv::ByteBuffer content = qv::PlainContent(image);
    const QByteArray plain =
        QByteArray(reinterpret_cast<const char*>(content.data()), 16400) + QByteArray(1, '\0');
    const QString path = dir->filePath("plain.tw");
    WriteAll(path, plain);
    qv::RadioData data;
    QCOMPARE(qv::LoadFile(path, data), qv::LoadStatus::Ok);
    QCOMPARE(data.image, image);
    QVERIFY(!data.ImageModified());
}

void TestDataFile::rejectedFilesLeaveEverythingAsItWas_data() {
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<int>("status");
    qv::ByteBuffer plain = qv::PlainContent(Varied(5));
    qv::ByteBuffer lower = plain;
    std::memcpy(lower.data(), "slqfeo", 6);
    qv::ByteBuffer longer = plain;
    longer.push_back(0x00);
    qv::ByteBuffer shorter(plain.begin(), plain.end() - 1);
    QTest::newRow("empty file") << QByteArray() << int(qv::LoadStatus::WrongType);
    QTest::newRow("marker in lower case") << Stored(lower) << int(qv::LoadStatus::WrongType);
    QTest::newRow("decodes to 16,401 bytes") << Stored(longer) << int(qv::LoadStatus::WrongType);
    QTest::newRow("decodes to 16,399 bytes") << Stored(shorter) << int(qv::LoadStatus::WrongType);
    QTest::newRow("text file") << QByteArray("hello, radio\n") << int(qv::LoadStatus::DecodeError);
    QByteArray truncated = Stored(plain);
    truncated.remove(20, 40);
    QTest::newRow("damaged compressed file") << truncated << int(qv::LoadStatus::DecodeError);
}

void TestDataFile::rejectedFilesLeaveEverythingAsItWas() {
    QFETCH(QByteArray, contents);
    QFETCH(int, status);
    const QString path = dir->filePath("bad.tw");
    WriteAll(path, contents);
    qv::RadioData data;
    data.image = Varied(6);
    data.baseline = Varied(7);
    data.BandUpperMHz = 174.f;
    const qv::RadioData before = data;
    QCOMPARE(int(qv::LoadFile(path, data)), status);
    QCOMPARE(data.image, before.image);
    QCOMPARE(data.baseline, before.baseline);
    QCOMPARE(data.BandUpperMHz, 174.f);
    QCOMPARE(qv::LoadFailureTitle(qv::LoadStatus(status)),
             status == int(qv::LoadStatus::DecodeError) ? QString("Error") : QString("QV-730"));
}

void TestDataFile::missingFileIsWrongTypeAndCreatesNothing() {
    const QString path = dir->filePath("nothing-here.tw");
    qv::RadioData data;
    QCOMPARE(qv::LoadFile(path, data), qv::LoadStatus::WrongType);
    QVERIFY(!QFile::exists(path));
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList());
}

void TestDataFile::savingOverALargerFileLeavesNoStaleBytes() {
    const QString path = dir->filePath("big.tw");
    WriteAll(path, QByteArray(100000, 'x'));
    QVERIFY(qv::SaveFile(path, qv::RadioImage{}).ok);
    QVERIFY(ReadAll(path).size() < 100);
    qv::RadioData data;
    QCOMPARE(qv::LoadFile(path, data), qv::LoadStatus::Ok);
}

void TestDataFile::failedSaveLeavesTheOldFileWhole() {
    const QString path = dir->filePath("keep.tw");
    QVERIFY(qv::SaveFile(path, qv::RadioImage{}).ok);
    const QByteArray old = ReadAll(path);

    // Into a folder that does not exist: an error with the system's description, nothing made.
    const qv::SaveResult noFolder = qv::SaveFile(dir->filePath("missing/x.tw"), Varied(8));
    QVERIFY(!noFolder.ok);
    QVERIFY(!noFolder.error.isEmpty());

    // A write that fails half-way (the file size limit stands in for a full disk).
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit tiny = saved;
    tiny.rlim_cur = 1000;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const qv::SaveResult full = qv::SaveFile(path, Varied(8));
    setrlimit(RLIMIT_FSIZE, &saved);
    QVERIFY(!full.ok);
    QVERIFY(!full.error.isEmpty());
    QCOMPARE(ReadAll(path), old);
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), QStringList{"keep.tw"});
}

void TestDataFile::failureTextFollowsTheLanguage() {
    QCOMPARE(qv::LoadFailureText(qv::UiTexts()), QString("Incorrect File Type."));
    QCOMPARE(qv::LoadFailureText(qv::UiTexts(qv::Language::Chinese)), QString("文件类型不正确。"));
    QCOMPARE(qv::LoadFailureTitle(qv::LoadStatus::DecodeError), QString("Error"));
}

QTEST_GUILESS_MAIN(TestDataFile)
#include "test_data_file.moc"
