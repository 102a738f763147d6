// What differs between two images, in the editors' words: an edit in each editor named by its
// caption with the value before and after, bytes no editor shows by row and address, the counts
// the write dialog shows, and the same in Chinese.
#include <QCoreApplication>
#include <QDir>
#include <QtTest>

#include "compare/image_differences.h"
#include "data/data_file.h"
#include "editors/audio/audio_settings_model.h"
#include "editors/channel/channel_table.h"
#include "editors/key/side_button_model.h"
#include "editors/setting/general_settings_model.h"

using namespace qv;

namespace {

RadioImage Template() {
    RadioData data;
    const QString path = QDir(QCoreApplication::applicationDirPath()).filePath("default.tw");
    if (LoadFile(path, data) != LoadStatus::Ok) qFatal("default.tw unusable");
    return data.image;
}

// The template with one edit made through an editor's own model, as a user makes it.
enum class Edit { RxFrequency, DeleteChannel, Squelch, SideButton, HiddenReverseBurst, BandLimit };

RadioImage Edited(Edit edit) {
    RadioData data;
    data.image = Template();
    data.LoadBandLimits();
    const UiTexts texts;
    switch (edit) {
        case Edit::RxFrequency: {
            ChannelTable table(data, texts);
            table.RefreshAll();
            table.SetRxFrequency(3, "446.04375");
            table.SaveData();
            break;
        }
        case Edit::DeleteChannel: {
            ChannelTable table(data, texts);
            table.RefreshAll();
            table.SetRxFrequency(2, "");
            table.SaveData();
            break;
        }
        case Edit::Squelch: {
            GeneralSettingsModel model(data.image);
            GeneralSettings settings = model.Load();
            settings.squelch = settings.squelch == 5 ? 3 : 5;
            model.Save(settings);
            break;
        }
        case Edit::SideButton: {
            SideButtonModel model(data.image);
            SideButtonPositions positions = model.Load();
            positions[0] = positions[0] == 0 ? 1 : 0;
            model.Save(positions);
            break;
        }
        case Edit::HiddenReverseBurst:
            // The reverse-burst phase of 0x180 bit 3 has no field in the general settings window.
            data.image[0x180] ^= 0x08;
            break;
        case Edit::BandLimit:
            data.image[0x1AB0] ^= 0x01;
            break;
    }
    return data.image;
}

QString CellOf(const RadioImage& image, int row, int column) {
    RadioData data;
    data.image = image;
    const UiTexts texts;
    ChannelTable table(data, texts);
    table.RefreshAll();
    return table.Cell(row, column);
}

}  // namespace

class TestImageDifferences : public QObject {
    Q_OBJECT

private slots:
    void equalImagesDifferInNothing() {
        const ImageDifferences none = DescribeDifferences(Template(), Template(), UiTexts());
        QVERIFY(none.Empty());
        QCOMPARE(ChangeCountText(none, UiTexts()), QString("0 channels and 0 settings"));
    }

    void eachEditIsNamedInItsEditorsWords_data() {
        QTest::addColumn<int>("edit");
        QTest::addColumn<QString>("expectedStart");  // the line names this first
        QTest::addColumn<int>("channels");
        QTest::addColumn<int>("settings");
        QTest::newRow("RX frequency") << int(Edit::RxFrequency) << "Channel 3 RX Freq.: " << 1 << 0;
        // A deleted channel's record keeps bytes (its mode bits, bytes 13 and 14) no cell shows.
        QTest::newRow("channel deleted") << int(Edit::DeleteChannel) << "Channel 2 " << 1 << 1;
        QTest::newRow("squelch") << int(Edit::Squelch) << "General Settings, Squelch Level: " << 0
                                 << 1;
        QTest::newRow("side button")
            << int(Edit::SideButton) << SideButtonModel::TitleText(UiTexts()) + ", " << 0 << 1;
        QTest::newRow("hidden bit") << int(Edit::HiddenReverseBurst) << "Row 018: 0180 " << 0 << 1;
        QTest::newRow("band limit") << int(Edit::BandLimit) << "Row 1AB: 1AB0 " << 0 << 1;
    }
    void eachEditIsNamedInItsEditorsWords() {
        QFETCH(int, edit);
        QFETCH(QString, expectedStart);
        const RadioImage before = Template();
        const RadioImage after = Edited(Edit(edit));
        QVERIFY(before != after);
        const ImageDifferences differences = DescribeDifferences(before, after, UiTexts());
        const QStringList lines = differences.Lines();
        QVERIFY2(!lines.isEmpty() && lines.first().startsWith(expectedStart),
                 qPrintable(lines.join('\n')));
        QTEST(differences.Channels(), "channels");
        QTEST(differences.Settings(), "settings");
        // No byte is named twice: a field shown in words is not repeated as bytes.
        if (Edit(edit) != Edit::DeleteChannel && !expectedStart.startsWith("Row")) {
            QVERIFY2(lines.filter(QRegularExpression("^Row ")).isEmpty(),
                     qPrintable(lines.join('\n')));
        }
    }

    void aChannelCellShowsBothValues() {
        const RadioImage before = Template();
        const RadioImage after = Edited(Edit::RxFrequency);
        const QString expected = QString("Channel 3 RX Freq.: %1 -> 446.04375")
                                     .arg(CellOf(before, 3, channel::kColRxFreq));
        QVERIFY2(DescribeDifferences(before, after, UiTexts()).Lines().contains(expected),
                 qPrintable(DescribeDifferences(before, after, UiTexts()).Lines().join('\n')));
        // The other way round the values swap places.
        const QString back = QString("Channel 3 RX Freq.: 446.04375 -> %1")
                                 .arg(CellOf(before, 3, channel::kColRxFreq));
        QVERIFY(DescribeDifferences(after, before, UiTexts()).Lines().contains(back));
    }

    void squelchAndCountsInBothLanguages() {
        RadioImage before = Template();
        RadioImage after = Template();
        GeneralSettingsModel(before).Save([&] {
            GeneralSettings s = GeneralSettingsModel(before).Load();
            s.squelch = 3;
            return s;
        }());
        GeneralSettingsModel(after).Save([&] {
            GeneralSettings s = GeneralSettingsModel(after).Load();
            s.squelch = 5;
            return s;
        }());
        const UiTexts english;
        const ImageDifferences inEnglish = DescribeDifferences(before, after, english);
        QCOMPARE(inEnglish.Lines(), QStringList{"General Settings, Squelch Level: 3 -> 5"});
        QCOMPARE(ChangeCountText(inEnglish, english), QString("0 channels and 1 setting"));

        const UiTexts chinese(Language::Chinese);
        const ImageDifferences inChinese = DescribeDifferences(before, after, chinese);
        QCOMPARE(inChinese.Lines().size(), 1);
        const QString line = inChinese.Lines().first();
        QVERIFY2(line.startsWith(GeneralSettingsModel::TitleText(chinese)), qPrintable(line));
        QVERIFY2(
            line.contains(GeneralSettingsModel::SquelchText(chinese)) && line.endsWith("3 -> 5"),
            qPrintable(line));
        QVERIFY(!ChangeCountText(inChinese, chinese).contains("setting"));
    }
};

QTEST_GUILESS_MAIN(TestImageDifferences)
#include "test_image_differences.moc"
