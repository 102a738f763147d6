// Choosing from a plan of another program that does not fit the radio, without any window: which
// rows the radio can hold and why not, the 16 checks at most, the channels that follow the order
// of checking and can be changed, and what the choice imports.
#include <QSignalSpy>

#include "csv/csv_test_support.h"
#include "editors/channel/csv/channel_csv.h"
#include "editors/channel/csv/plan_choice.h"
#include "support/ui_texts.h"

using namespace qv::test;
using qv::PlanChoice;

namespace {

// Another program's plan: UHF channels, a 2 m repeater, a weather receiver, an aviation channel,
// a repeater whose offset leaves the band, a tone this radio has no code for, long names.
const QByteArray kMixedPlan =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,Mode\r\n"
    "0,National Simp,446.000000,,0.000000,,88.5,88.5,023,NN,FM\r\n"
    "1,2M RPT,146.940000,-,0.600000,Tone,100.0,88.5,023,NN,FM\r\n"
    "2,NOAA 1,162.550000,off,0.000000,,88.5,88.5,023,NN,FM\r\n"
    "3,TOWER,118.300000,,0.000000,,88.5,88.5,023,NN,AM\r\n"
    "4,UHF RPT,442.100000,+,50.000000,,88.5,88.5,023,NN,FM\r\n"
    "5,ODD,446.100000,,0.000000,Tone,69.3,88.5,023,NN,FM\r\n"
    "6,DCS,446.200000,,0.000000,DTCS,88.5,88.5,754,NR,NFM\r\n"
    "7,Caf\xc3\xa9,446.300000,,0.000000,,88.5,88.5,023,NN,FM\r\n";

QByteArray UhfRows(int count) {
    QByteArray rows;
    for (int n = 0; n < count; ++n) {
        rows += QByteArray::number(20 + n) + ",U" + QByteArray::number(n) + ",44" +
                QByteArray::number(n % 10) + ".500000,,0.000000,,88.5,88.5,023,NN,FM\r\n";
    }
    return rows;
}

}  // namespace

class TestPlanChoice : public QObject {
    Q_OBJECT
private slots:
    void everyRowIsShownWithWhyItCannotBeUsed();
    void reasonsInChinese();
    void atMostSixteenAreChecked();
    void channelsFollowTheCheckOrderAndCanBeChanged();
    void theChoiceImportsTheCheckedRows();
    void aPlanThatFitsNeedsNoChoice();
};

void TestPlanChoice::everyRowIsShownWithWhyItCannotBeUsed() {
    const qv::RadioData data = Template();
    PlanChoice plan(kMixedPlan, data, qv::test::kEnglish);
    QVERIFY(plan.ok());
    QVERIFY(plan.NeedsChoice());
    QCOMPARE(plan.RowCount(), 8);
    const QString band = " is outside this radio's band (400.00000 to 480.00000 MHz)";
    const QStringList reasons = {
        "",
        "column \"Frequency\": 146.94000 MHz" + band,
        "column \"Frequency\": 162.55000 MHz" + band,
        "column \"Frequency\": 118.30000 MHz" + band,
        "column \"Offset\": TX 492.10000 MHz" + band,
        "column \"rToneFreq\": \"69.3\" is not in the tone list (standard tones and the "
        "customized tones of this image)",
        "",
        "column \"Name\": \"\u00e9\" cannot be part of a name (codes 32 to 122 only)"};
    for (int i = 0; i < plan.RowCount(); ++i) {
        QCOMPARE(plan.RowAt(i).line, i + 2);
        QCOMPARE(plan.RowAt(i).reason, reasons[i]);
        QCOMPARE(plan.IsChecked(i), reasons[i].isEmpty());
        // Unusable rows are greyed: not enabled, so they cannot be checked either.
        const Qt::ItemFlags flags = plan.flags(plan.index(i, PlanChoice::kColImport));
        QCOMPARE(bool(flags & Qt::ItemIsEnabled), reasons[i].isEmpty());
        QCOMPARE(plan.data(plan.index(i, PlanChoice::kColReason)).toString(), reasons[i]);
    }
    // What the table shows of a row: the shortened name, TX as Duplex and Offset give it.
    const auto shown = [&](int i, int column) {
        return plan.data(plan.index(i, column)).toString();
    };
    QCOMPARE(shown(0, PlanChoice::kColName), QString("Nation"));
    QCOMPARE(plan.data(plan.index(0, PlanChoice::kColName), Qt::ToolTipRole).toString(),
             QString("\"National Simp\" stored as \"Nation\""));
    QCOMPARE(shown(1, PlanChoice::kColTx), QString("146.34000"));
    QCOMPARE(shown(1, PlanChoice::kColTxTone), QString("100.0"));
    QCOMPARE(shown(2, PlanChoice::kColTx), QString());  // off: no transmit
    QCOMPARE(shown(6, PlanChoice::kColRxTone), QString("D754I"));
    QCOMPARE(shown(6, PlanChoice::kColLocation), QString("6"));
    QCOMPARE(shown(6, PlanChoice::kColChannel), QString("2"));
    QCOMPARE(plan.Summary(),
             QString("2 of 8 rows checked (at most 16, one per channel); 6 rows cannot be used"));
    QVERIFY(!plan.SetChecked(1, true));  // a row the radio cannot hold stays unchecked
}

void TestPlanChoice::reasonsInChinese() {
    const qv::RadioData data = Template();
    PlanChoice plan(kMixedPlan, data, qv::test::kChinese);
    QCOMPARE(plan.RowAt(1).reason,
             QString("列 \"Frequency\"：146.94000 MHz 超出本机频段（400.00000 至 480.00000 MHz）"));
    QVERIFY(plan.RowAt(5).reason.contains("不在亚音列表中"));
    QCOMPARE(plan.headerData(PlanChoice::kColChannel, Qt::Horizontal).toString(), QString("信道"));
    QVERIFY(plan.Summary().contains("8"));
}

void TestPlanChoice::atMostSixteenAreChecked() {
    const qv::RadioData data = Template();
    PlanChoice plan(kMixedPlan + UhfRows(20), data, qv::test::kEnglish);
    QCOMPARE(plan.RowCount(), 28);
    QCOMPARE(plan.CheckedCount(), 16);  // the usable rows in file order, up to 16
    QVERIFY(plan.IsChecked(21) && !plan.IsChecked(22));
    // The 17th check is refused, and its box is disabled while 16 are checked.
    QVERIFY(!plan.setData(plan.index(22, PlanChoice::kColImport), Qt::Checked, Qt::CheckStateRole));
    QVERIFY(!(plan.flags(plan.index(22, PlanChoice::kColImport)) & Qt::ItemIsEnabled));
    QVERIFY(plan.flags(plan.index(22, PlanChoice::kColName)) & Qt::ItemIsEnabled);
    // Uncheck one, and another can be checked: it takes the channel given up.
    QSignalSpy changed(&plan, &PlanChoice::choiceChanged);
    const int given = plan.Target(9);
    QVERIFY(plan.setData(plan.index(9, PlanChoice::kColImport), Qt::Unchecked, Qt::CheckStateRole));
    QCOMPARE(plan.data(plan.index(9, PlanChoice::kColChannel)).toString(), QString());
    QVERIFY(plan.flags(plan.index(22, PlanChoice::kColImport)) & Qt::ItemIsEnabled);
    QVERIFY(plan.setData(plan.index(22, PlanChoice::kColImport), Qt::Checked, Qt::CheckStateRole));
    QCOMPARE(plan.Target(22), given);
    QCOMPARE(plan.CheckedCount(), 16);
    QCOMPARE(changed.count(), 2);
}

void TestPlanChoice::channelsFollowTheCheckOrderAndCanBeChanged() {
    const qv::RadioData data = Template();
    PlanChoice plan(kMixedPlan, data, qv::test::kEnglish);
    QCOMPARE(plan.Target(0), 1);
    QCOMPARE(plan.Target(6), 2);
    QVERIFY(plan.SetChecked(0, false));
    QVERIFY(plan.SetChecked(0, true));  // checked again: the lowest free channel
    QCOMPARE(plan.Target(0), 1);
    // Changing a channel: a row that had it takes the other's; numbers outside 1-16 are refused.
    QVERIFY(plan.setData(plan.index(6, PlanChoice::kColChannel), 1));
    QCOMPARE(plan.Target(6), 1);
    QCOMPARE(plan.Target(0), 2);
    QVERIFY(plan.SetTarget(0, 16));
    QVERIFY(!plan.SetTarget(0, 17));
    QVERIFY(!plan.SetTarget(0, 0));
    QVERIFY(!plan.setData(plan.index(6, PlanChoice::kColChannel), "x"));
    QCOMPARE(plan.Target(0), 16);
    QVERIFY(!(plan.flags(plan.index(1, PlanChoice::kColChannel)) & Qt::ItemIsEditable));
    QVERIFY(!plan.SetTarget(1, 3));  // an unchecked row has no channel
    QCOMPARE(plan.Choices(), (QMap<int, int>{{2, 16}, {8, 1}}));
}

void TestPlanChoice::theChoiceImportsTheCheckedRows() {
    qv::RadioData data = Template();
    const qv::RadioImage before = data.image;
    PlanChoice plan(kMixedPlan, data, qv::test::kEnglish);
    QVERIFY(plan.SetTarget(6, 9));
    qv::CsvImportOptions options;
    options.chosen = plan.Choices();
    const qv::CsvImportResult result = qv::ImportChannelsCsv(kMixedPlan, data, options);
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(Channel(data.image, 1), QString("446.00000/None -> 446.00000/None mode 0 \"Nation\" "
                                             "scan 1"));
    QCOMPARE(Channel(data.image, 9), QString("446.20000/D754I -> 446.20000/D754N mode 1 \"DCS\" "
                                             "scan 1"));
    QCOMPARE(result.shortenedNames, QStringList("line 2: \"National Simp\" stored as \"Nation\""));
    for (int channel = 2; channel <= 8; ++channel) {
        QCOMPARE(Channel(data.image, channel), Channel(before, channel));
    }
}

// A plan the radio can hold as it is goes the usual way (by Location or in file order): an
// exported plan, even of channels outside the band read from a radio, comes back unchanged.
void TestPlanChoice::aPlanThatFitsNeedsNoChoice() {
    qv::RadioData data = Template();
    qv::EncodeFrequency(data.image, qv::FrequencyField::Rx, 3, "150.00000", qv::test::kDotLocale);
    const QByteArray exported = qv::ExportChannelsCsv(data, qv::CsvFormat::Common);
    PlanChoice plan(exported, data, qv::test::kEnglish);
    QVERIFY(plan.ok());
    QVERIFY(!plan.NeedsChoice());
    QVERIFY(!PlanChoice("Name,Frequency\r\nA,446.1\r\n", data, qv::test::kEnglish).NeedsChoice());
    QVERIFY(PlanChoice(kMixedPlan.left(kMixedPlan.indexOf("0,National")) + UhfRows(17), data,
                       qv::test::kEnglish)
                .NeedsChoice());
    QVERIFY(!PlanChoice("No.,RX Freq.\r\n1,446\r\n", data, qv::test::kEnglish).ok());
}

QTEST_GUILESS_MAIN(TestPlanChoice)
#include "test_plan_choice.moc"
