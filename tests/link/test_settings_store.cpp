// The settings store's typed values over a store file: what a missing, a damaged or a hand-edited
// value reads as, and that a store which cannot be written says so.
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "platform/settings_store.h"

using qv::IniSettingsStore;

class TestSettingsStore : public QObject {
    Q_OBJECT
private slots:
    void valuesComeBackAsStored();
    void missingValuesReadAsTheirFallback();
    void lastComPortIsAPortOrNone_data();
    void lastComPortIsAPortOrNone();
    void languageTextEndsAtTheFirstNul();
    void aStoreThatCannotBeWrittenSaysSo();
};

void TestSettingsStore::valuesComeBackAsStored() {
    QTemporaryDir folder;
    IniSettingsStore store(folder.filePath("QV-730.conf"));
    const QStringList files{"/home/u/a.tw", "/home/u/b, c.tw"};
    QVERIFY(store.SetRegValue("Language", "1"));
    QVERIFY(store.SetUserList("RecentFiles", files));
    QVERIFY(store.SetUserText("LastFolder", "/home/u/频道"));
    QVERIFY(store.SetLastComPort(12));
    QVERIFY(store.SetUserFlag("VerifyAfterWrite", false));
    // A second store over the same file: the values were written, not only kept in memory.
    IniSettingsStore later(store.FilePath());
    QCOMPARE(later.GetRegValue("Language"), QString("1"));
    QCOMPARE(later.GetUserList("RecentFiles"), files);
    QCOMPARE(later.GetUserText("LastFolder"), QString("/home/u/频道"));
    QCOMPARE(later.GetLastComPort(), 12);
    QCOMPARE(later.GetUserFlag("VerifyAfterWrite", true), false);
}

void TestSettingsStore::missingValuesReadAsTheirFallback() {
    QTemporaryDir folder;
    const IniSettingsStore store(folder.filePath("QV-730.conf"));
    QCOMPARE(store.GetRegValue("Language"), QString(""));
    QVERIFY(store.GetUserList("RecentFiles").isEmpty());
    QCOMPARE(store.GetUserText("LastFolder"), QString(""));
    QCOMPARE(store.GetLastComPort(), 0);
    QCOMPARE(store.GetUserFlag("BackupBeforeWrite", true), true);
    QCOMPARE(store.GetUserFlag("BackupBeforeWrite", false), false);
}

void TestSettingsStore::lastComPortIsAPortOrNone_data() {
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<int>("port");
    QTest::newRow("first port") << QByteArray("1") << 1;
    QTest::newRow("last port") << QByteArray("16") << 16;
    QTest::newRow("one past the last") << QByteArray("17") << 0;
    QTest::newRow("zero") << QByteArray("0") << 0;
    QTest::newRow("negative") << QByteArray("-3") << 0;
    QTest::newRow("a device name") << QByteArray("/dev/ttyUSB0") << 0;
    QTest::newRow("empty") << QByteArray("") << 0;
}

void TestSettingsStore::lastComPortIsAPortOrNone() {
    QFETCH(QByteArray, stored);
    QTemporaryDir folder;
    QFile file(folder.filePath("QV-730.conf"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[General]\nComPort=" + stored + "\n");
    file.close();
    QTEST(IniSettingsStore(file.fileName()).GetLastComPort(), "port");
}

void TestSettingsStore::languageTextEndsAtTheFirstNul() {
    QTemporaryDir folder;
    IniSettingsStore store(folder.filePath("QV-730.conf"));
    QVERIFY(store.SetRegValue("Language", QString("1") + QChar(u'\0') + "junk"));
    QCOMPARE(store.GetRegValue("Language"), QString("1"));
}

void TestSettingsStore::aStoreThatCannotBeWrittenSaysSo() {
    QTemporaryDir folder;
    // The store's path is a folder: nothing can be written there.
    IniSettingsStore store(folder.path());
    QVERIFY(!store.SetRegValue("Language", "1"));
    QVERIFY(!store.SetUserList("RecentFiles", {"/a.tw"}));
    QVERIFY(!store.SetUserText("LastFolder", "/"));
    QVERIFY(!store.SetLastComPort(3));
    QVERIFY(!store.SetUserFlag("VerifyAfterWrite", true));
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "test_settings_store.moc"
