// qv730-cli as a user runs it: outputs, exit codes, and that a failure writes nothing.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "data/data_file.h"
#include "support/pdf_text.h"

namespace {

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

Run Cli(const QStringList& args) {
    QProcess process;
    process.start(QCoreApplication::applicationDirPath() + "/qv730-cli", args);
    process.waitForFinished(60000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

QString Template() {
    return QCoreApplication::applicationDirPath() + "/default.tw";
}

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class TestCli : public QObject {
    Q_OBJECT
private slots:
    void init() { dir = std::make_unique<QTemporaryDir>(); }
    void dumpPrintsEveryRow();
    void unpackThenPackRoundTrips();
    void infoShowsChannelsAndSettingsInWords();
    void errorsAreOneLineAndWriteNothing_data();
    void errorsAreOneLineAndWriteNothing();
    void exportPdfWritesTheChannelList_data();
    void exportPdfWritesTheChannelList();
    void helpAndVersion();

private:
    std::unique_ptr<QTemporaryDir> dir;
};

void TestCli::dumpPrintsEveryRow() {
    const Run run = Cli({"dump", Template()});
    QCOMPARE(run.exitCode, 0);
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1024);
    QCOMPARE(lines[0], QString("000 FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF"));
    QCOMPARE(lines[1], QString("001 25 06 60 44 25 06 60 44 FF FF FF FF 28 40 FE FF"));
    QCOMPARE(lines[0x1AB].left(15), QString("1AB 48 00 40 00"));
    QCOMPARE(lines[1023].left(4), QString("3FF "));
}

void TestCli::infoShowsChannelsAndSettingsInWords() {
    const Run run = Cli({"info", Template()});
    QCOMPARE(run.exitCode, 0);
    const QStringList lines = run.out.split('\n');
    QVERIFY(lines[0].startsWith("No.  CH Name  Mode"));
    QVERIFY(lines[0].contains("RX CTCSS/DCS") && lines[0].endsWith("Talk Around"));
    QCOMPARE(lines[1].simplified(),
             QString("1 Simplex 446.00625 None 446.00625 None Low Narrow Yes Off On No"));
    QCOMPARE(lines[16].simplified(), QString("16 Simplex"));
    for (const char* words :
         {"Squelch Level", "Priority Channel", "Microphone Gain", "Emergency Channel",
          "Lone Worker Timer(min)", "Side Button P1 Short Press", "Repeater / Talkaround"}) {
        QVERIFY2(run.out.contains(words), words);
    }
    QVERIFY(Cli({"info"}).exitCode != 0);
}

void TestCli::unpackThenPackRoundTrips() {
    const QString raw = dir->filePath("image.bin");
    const QString packed = dir->filePath("again.tw");
    QCOMPARE(Cli({"unpack", Template(), raw}).exitCode, 0);
    QCOMPARE(ReadAll(raw).size(), 16384);
    QCOMPARE(Cli({"pack", raw, packed}).exitCode, 0);
    QCOMPARE(ReadAll(packed), ReadAll(Template()));
}

void TestCli::errorsAreOneLineAndWriteNothing_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing argument") << QStringList{"dump"} << "usage: qv730-cli dump FILE.tw";
    QTest::newRow("extra argument") << QStringList{"unpack", "a", "b", "c"} << "usage:";
    QTest::newRow("missing file") << QStringList{"unpack", "nothing.tw", "out.bin"}
                                  << "Incorrect File Type.";
    QTest::newRow("wrong size") << QStringList{"pack", "short.bin", "out.tw"} << "16384 bytes";
    QTest::newRow("not a .tw file")
        << QStringList{"unpack", "short.bin", "out.bin"} << "Incorrect File Type.";
    QTest::newRow("unknown command") << QStringList{"frobnicate"} << "unknown command";
    QTest::newRow("unwritable output")
        << QStringList{"unpack", "TEMPLATE", "no/such/dir/x.bin"} << "no/such/dir/x.bin";
    QTest::newRow("export-pdf without output")
        << QStringList{"export-pdf", "TEMPLATE"}
        << "usage: qv730-cli export-pdf FILE.tw OUT.pdf [--lang en|zh]";
    QTest::newRow("export-pdf in another language")
        << QStringList{"export-pdf", "TEMPLATE", "out.pdf", "--lang", "fr"}
        << "--lang fr: the language is en or zh";
    QTest::newRow("export-pdf of a bad file")
        << QStringList{"export-pdf", "short.bin", "out.pdf"} << "Incorrect File Type.";
    QTest::newRow("export-pdf to a missing folder")
        << QStringList{"export-pdf", "TEMPLATE", "no/such/dir/x.pdf"} << "no/such/dir/x.pdf";
}

void TestCli::errorsAreOneLineAndWriteNothing() {
    QFETCH(QStringList, args);
    QFETCH(QString, message);
    QFile shortFile(dir->filePath("short.bin"));
    QVERIFY(shortFile.open(QIODevice::WriteOnly));
    shortFile.write(QByteArray(100, 'x'));
    shortFile.close();
    for (QString& arg : args) {
        if (arg == "TEMPLATE")
            arg = Template();
        else if (!arg.startsWith('-') && arg.contains('.'))
            arg = dir->filePath(arg);
    }
    const QStringList before = QDir(dir->path()).entryList(QDir::Files);
    const Run run = Cli(args);
    QVERIFY(run.exitCode != 0);
    QCOMPARE(run.err.count('\n'), 1);
    QVERIFY2(run.err.contains(message), qPrintable(run.err));
    QCOMPARE(QDir(dir->path()).entryList(QDir::Files), before);
}

void TestCli::exportPdfWritesTheChannelList_data() {
    QTest::addColumn<QStringList>("language");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("English by default")
        << QStringList{} << QStringList{"QV-730 Channel List", "File: default.tw", "446.00625"};
    QTest::newRow("English") << QStringList{"--lang", "en"}
                             << QStringList{"Squelch Level", "Side Button P1 Short Press"};
    QTest::newRow("Chinese") << QStringList{"--lang", "zh"}
                             << QStringList{"QV-730 信道表", "文件：default.tw", "静噪电平",
                                            "侧键 P1 长按"};
}

void TestCli::exportPdfWritesTheChannelList() {
    QFETCH(QStringList, language);
    QFETCH(QStringList, words);
    const QString pdf = dir->filePath("list.pdf");
    const Run run = Cli(QStringList{"export-pdf", Template(), pdf} + language);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.err, QString());  // nothing on stderr, not even the platform's chatter
    QVERIFY(ReadAll(pdf).startsWith("%PDF-"));
    if (!qv::test::HavePdfToText()) QSKIP("pdftotext (poppler-utils) is not installed");
    QCOMPARE(qv::test::PdfPageCount(pdf), 1);
    const QString text = qv::test::PdfText(pdf);
    for (const QString& word : words) QVERIFY2(text.contains(word), qPrintable(word + "\n" + text));
}

void TestCli::helpAndVersion() {
    const Run help = Cli({"--help"});
    QCOMPARE(help.exitCode, 0);
    for (const char* command : {"dump", "pack", "unpack", "info", "export-pdf"}) {
        QVERIFY2(help.out.contains(command), command);
    }
    const Run version = Cli({"--version"});
    QCOMPARE(version.exitCode, 0);
    QCOMPARE(version.out.trimmed(), QString("qv730-cli 1.1.0"));
}

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
