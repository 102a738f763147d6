// The channel list page: what it says in each language, that names stay text, that it is one A4
// page however long, and that its PDF text reads back as written, Chinese included.
#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFontDatabase>
#include <QPdfWriter>
#include <QProcess>
#include <QRawFont>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include "data/data_file.h"
#include "editors/channel/channel_table.h"
#include "language/ui_language.h"
#include "print/channel_list_page.h"
#include "print/channel_list_pdf.h"
#include "print/pdf_text_map.h"
#include "support/pdf_text.h"

namespace {

const QDate kDate(2026, 12, 10);

qv::RadioData Template() {
    qv::RadioData data;
    qv::LoadFile(QCoreApplication::applicationDirPath() + "/default.tw", data);
    return data;
}

QString WritePdf(const QTemporaryDir& dir, const QByteArray& bytes) {
    const QString path = dir.filePath("list.pdf");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return {};
    return path;
}

}  // namespace

class TestChannelList : public QObject {
    Q_OBJECT
private slots:
    void contentInEachLanguage_data();
    void contentInEachLanguage();
    void channelNamesStayText();
    void tonesWithoutListNumbers_data();
    void tonesWithoutListNumbers();
    void pdfIsOneA4PageThatReadsBack_data();
    void pdfIsOneA4PageThatReadsBack();
    void aLongerPageIsShrunkOntoOne();
    void textMapMendsOnlyRadicalTargets();
};

void TestChannelList::contentInEachLanguage_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("heads");
    QTest::addColumn<QStringList>("sections");
    QTest::newRow("English") << int(qv::Language::English)
                             << QStringList{"QV-730 Channel List", "File: plan.tw",
                                            "Date: 2026-12-10"}
                             << QStringList{"General Settings", "Audio Settings",
                                            "Side Button Function Settings"};
    QTest::newRow("Chinese") << int(qv::Language::Chinese)
                             << QStringList{"QV-730 信道表", "文件：plan.tw", "日期：2026-12-10"}
                             << QStringList{"整机设置", "音频设置", "侧键功能设置"};
}

void TestChannelList::contentInEachLanguage() {
    QFETCH(int, language);
    QFETCH(QStringList, heads);
    QFETCH(QStringList, sections);
    const qv::UiTexts texts(static_cast<qv::Language>(language));
    const qv::RadioData data = Template();
    const qv::ChannelListContent content = qv::DescribeChannelList(data, "plan.tw", kDate, texts);
    QCOMPARE((QStringList{content.title, content.fileLine, content.dateLine}), heads);
    QStringList expectedHeaders;
    for (int column : {0, 1, 3, 4, 5, 6, 9})
        expectedHeaders << qv::channel::HeaderText(column, texts);
    QCOMPARE(content.headers, expectedHeaders);
    QCOMPARE(int(content.channels.size()), 16);
    const QString none = texts.UiText("Tone", "None");
    const QString yes = language == int(qv::Language::Chinese) ? "是" : "Yes";
    QCOMPARE(content.channels[0],
             (QStringList{"1", "", "446.00625", none, "446.00625", none, yes}));
    QCOMPARE(content.channels[15], QStringList{"16"});  // an empty channel: its number only
    QCOMPARE(int(content.sections.size()), 3);
    for (int i = 0; i < 3; ++i) QCOMPARE(content.sections[i].title, sections[i]);
    // The settings in words are the ones qv730-cli info gives.
    QCOMPARE(content.sections[0].lines.size(), std::size_t(9));
    QCOMPARE(content.sections[1].lines.size(), std::size_t(12));
    QCOMPARE(content.sections[2].lines.size(), std::size_t(4));
    // The page text holds all of it.
    const QString text = qv::BuildChannelListDocument(content)->toPlainText();
    for (const QString& head : heads) QVERIFY2(text.contains(head), qPrintable(head));
    QVERIFY(text.contains(content.sections[2].lines[3].second));
}

void TestChannelList::channelNamesStayText() {
    qv::RadioData data = Template();
    const qv::UiTexts english;
    qv::ChannelTable table(data, english);
    table.RefreshAll();
    QVERIFY(table.SetCellAsUser(2, 1, "<B>&1"));
    table.SaveData();
    const auto document =
        qv::BuildChannelListDocument(qv::DescribeChannelList(data, "<i>.tw", kDate, english));
    const QString text = document->toPlainText();
    QVERIFY2(text.contains("<B>&1"), qPrintable(text));
    QVERIFY(text.contains("File: <i>.tw"));
}

void TestChannelList::tonesWithoutListNumbers_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("none");
    QTest::newRow("English") << int(qv::Language::English) << "None";
    QTest::newRow("Chinese") << int(qv::Language::Chinese) << "无";
}

// On paper a tone is "88.5 Hz" or "D023N": the list's entry numbers mean nothing there.
void TestChannelList::tonesWithoutListNumbers() {
    QFETCH(int, language);
    QFETCH(QString, none);
    const qv::UiTexts texts(static_cast<qv::Language>(language));
    qv::RadioData data = Template();
    const qv::UiTexts english;
    qv::ChannelTable table(data, english);
    table.RefreshAll();
    QVERIFY(table.SetCellAsUser(1, qv::channel::kColRxTone, "88.5"));  // TX follows
    table.SaveData();
    qv::RadioImage& image = data.image;
    // Channel 2 a repeater with DCS tones: RX D023N, TX D754I.
    image[2 * 16 + 8] = 0x23;
    image[2 * 16 + 9] = 0x80;
    image[2 * 16 + 10] = 0x54;
    image[2 * 16 + 11] = 0xC7;
    const qv::ChannelListContent content = qv::DescribeChannelList(data, "plan.tw", kDate, texts);
    QCOMPARE(content.channels[0][3], QString("88.5 Hz"));
    QCOMPARE(content.channels[0][5], QString("88.5 Hz"));
    QCOMPARE(content.channels[1][3], QString("D023N"));
    QCOMPARE(content.channels[1][5], QString("D754I"));
    QCOMPARE(content.channels[2][3], none);
}

void TestChannelList::pdfIsOneA4PageThatReadsBack_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("words");
    QTest::newRow("English") << int(qv::Language::English)
                             << QStringList{"QV-730 Channel List", "File: plan.tw",
                                            "RX CTCSS/DCS",        "446.09375",
                                            "Squelch Level",       "Repeater / Talkaround"};
    // Characters a CJK font draws with the glyph of a radical come back as the characters.
    QTest::newRow("Chinese") << int(qv::Language::Chinese)
                             << QStringList{"QV-730 信道表",        "音频设置",
                                            "侧键 P1 长按",         "麦克风增益",
                                            "允许恢复出厂默认设置", "扫描方式",
                                            "单独工作模式",         "无"};
}

void TestChannelList::pdfIsOneA4PageThatReadsBack() {
    QFETCH(int, language);
    QFETCH(QStringList, words);
    if (!qv::test::HavePdfToText()) QSKIP("pdftotext (poppler-utils) is not installed");
    const qv::UiTexts texts(static_cast<qv::Language>(language));
    QTemporaryDir dir;
    // Digits after letters come back too, whichever font drew them.
    qv::RadioData data = Template();
    qv::ChannelTable table(data, texts);
    table.RefreshAll();
    QVERIFY(table.SetCellAsUser(1, 1, "HILL3"));
    table.SaveData();
    words << "HILL3";
    const QByteArray pdf = qv::ChannelListPdf(data, "plan.tw", kDate, texts);
    QVERIFY(pdf.startsWith("%PDF-"));
    const QString path = WritePdf(dir, pdf);
    QCOMPARE(qv::test::PdfPageCount(path), 1);
    const QString text = qv::test::PdfText(path);
    for (const QString& word : words) QVERIFY2(text.contains(word), qPrintable(word + "\n" + text));
    // A4 portrait: 595 x 842 points.
    QProcess info;
    info.start("pdfinfo", {path});
    QVERIFY(info.waitForFinished(60000));
    QVERIFY(QString::fromUtf8(info.readAllStandardOutput()).contains("595 x 842 pts (A4)"));
}

void TestChannelList::aLongerPageIsShrunkOntoOne() {
    if (!qv::test::HavePdfToText()) QSKIP("pdfinfo (poppler-utils) is not installed");
    qv::ChannelListContent content =
        qv::DescribeChannelList(Template(), "plan.tw", kDate, qv::UiTexts());
    for (int i = 0; i < 6; ++i)
        content.channels.insert(content.channels.end(), content.channels.begin(),
                                content.channels.begin() + 16);
    QTemporaryDir dir;
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        qv::PrepareA4(writer);
        const auto document = qv::BuildChannelListDocument(content);
        QVERIFY(qv::PaintOnOnePage(*document, writer));
    }
    const QString path = WritePdf(dir, bytes);
    QCOMPARE(qv::test::PdfPageCount(path), 1);
    const QString text = qv::test::PdfText(path);
    QVERIFY(text.contains("Side Button P2 Long Press"));  // the end made it onto the page
}

void TestChannelList::textMapMendsOnlyRadicalTargets() {
    QFont font;
    font.setFamilies({"Noto Sans CJK SC"});
    if (!QRawFont::fromFont(font, QFontDatabase::SimplifiedChinese)
             .supportsCharacter(QChar(0x97F3))) {
        QSKIP("no CJK font");
    }
    // Glyph 0x2FB3 before the array is a glyph number and stays; in the array U+2FB3 (the
    // radical drawn like 音) becomes U+97F3; a radical the page itself used stays.
    const QByteArray map = "2 beginbfrange\n<2FB3> <2FB4> [<2FB3> <0041>]\nendbfrange\n";
    QByteArray pdf = map;
    qv::MendCjkTextMap(pdf, "音频", font);
    QCOMPARE(pdf, QByteArray("2 beginbfrange\n<2FB3> <2FB4> [<97F3> <0041>]\nendbfrange\n"));
    pdf = map;
    qv::MendCjkTextMap(pdf, "音⾳", font);
    QCOMPARE(pdf, map);
    pdf = map;
    qv::MendCjkTextMap(pdf, "Latin only", font);
    QCOMPARE(pdf, map);
}

QTEST_MAIN(TestChannelList)
#include "test_channel_list.moc"
