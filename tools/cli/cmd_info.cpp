// info FILE.tw: the channels as the channel editor shows them (an empty channel as its number
// alone, as the CSV writes it), then every setting in words, the customized tones included.
#include <QTextStream>
#include <algorithm>

#include "cli_command.h"
#include "compare/printable_text.h"
#include "editors/audio/audio_settings_model.h"
#include "editors/channel/channel_table.h"
#include "editors/customized/customized_tone_model.h"
#include "editors/key/side_button_model.h"
#include "editors/setting/general_settings_model.h"

namespace qv::cli {
namespace {

const QString kUsage = QStringLiteral("info FILE.tw");

void PrintChannels(QTextStream& out, RadioData& data, const UiTexts& texts) {
    ChannelTable table(data, texts);
    table.RefreshAll();
    std::vector<QStringList> rows;
    QStringList header;
    for (int column = 0; column < channel::kTableColumns; ++column) {
        header << channel::HeaderText(column, texts);
    }
    rows.push_back(header);
    for (int row = 1; row < channel::kTableRows; ++row) {
        QStringList texts = table.RowTexts(row);
        if (table.IsEmptyChannel(row)) {
            texts = QStringList{texts[channel::kColNumber]};
        } else {
            texts[channel::kColName] = PrintableText(texts[channel::kColName]);
        }
        rows.push_back(texts);
    }

    std::vector<int> widths(channel::kTableColumns, 0);
    for (const QStringList& row : rows) {
        for (int column = 0; column < channel::kTableColumns && column < row.size(); ++column) {
            widths[column] = std::max(widths[column], int(row[column].size()));
        }
    }
    for (const QStringList& row : rows) {
        QString line;
        for (int column = 0; column < channel::kTableColumns; ++column) {
            const QString cell = column < row.size() ? row[column] : QString();
            line += cell.leftJustified(widths[column] + 2);
        }
        out << line.trimmed() << '\n';
    }
}

void PrintSection(QTextStream& out, const QString& title, const SettingTexts& settings) {
    out << '\n' << title << '\n';
    int width = 0;
    for (const SettingText& setting : settings)
        width = std::max(width, int(setting.caption.size()));
    for (const SettingText& setting : settings) {
        out << "  " << setting.caption.leftJustified(width + 2) << setting.value << '\n';
    }
}

int RunInfo(const QStringList& args) {
    QCommandLineParser parser;
    if (const auto exit = ParseArguments(parser, args, {.usage = kUsage, .positionals = 1}))
        return *exit;
    RadioData data;
    if (!LoadImage(parser.positionalArguments()[0], data)) return 1;
    QTextStream out(stdout);
    // English words and "." as decimal separator, so scripts can read what is printed.
    const UiTexts texts;
    PrintChannels(out, data, texts);
    PrintSection(out, GeneralSettingsModel::TitleText(texts),
                 GeneralSettingsModel(data.image).Describe(texts));
    PrintSection(out, AudioSettingsModel::TitleText(texts),
                 AudioSettingsModel(data.image).Describe(texts));
    PrintSection(out, SideButtonModel::TitleText(texts),
                 SideButtonModel(data.image).Describe(texts));
    PrintSection(out, CustomizedToneModel::TitleText(texts),
                 CustomizedToneModel(data.image).Describe(texts));
    return 0;
}

const CliRegistration kInfo({"info", kUsage,
                             "show the channels and the settings of a .tw file in words", RunInfo});

}  // namespace
}  // namespace qv::cli
