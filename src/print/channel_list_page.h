// The channel list on one A4 page: a title with the file name and the date, the 16 channels
// (empty ones as empty rows), then the general, audio and side-button settings in words. Texts
// are in the language of the texts given. The program prints it and exports it as PDF; qv730-cli
// writes the same page.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <memory>
#include <utility>
#include <vector>

#include "data/radio_image.h"
#include "language/ui_language.h"

class QPagedPaintDevice;
class QTextDocument;

namespace qv {

// What the page is made of, decoded the way the editors decode it.
struct ChannelListContent {
    QString title;        // "QV-730 Channel List"
    QString fileLine;     // "File: plan.tw"
    QString dateLine;     // "Date: 2026-12-10"
    QStringList headers;  // No., CH Name, RX Freq., RX CTCSS/DCS, TX Freq., TX CTCSS/DCS, Scan
    std::vector<QStringList> channels;  // 16 rows; an empty channel has its number only
    struct Section {
        QString title;
        std::vector<std::pair<QString, QString>> lines;  // caption, value
    };
    std::vector<Section> sections;  // general, audio, side buttons
};

// fileName is shown as given (a bare name such as "plan.tw").
ChannelListContent DescribeChannelList(const RadioData& data, const QString& fileName,
                                       const QDate& date, const UiTexts& texts);

// The page as a document with its tables, text only (no markup is read from the data).
std::unique_ptr<QTextDocument> BuildChannelListDocument(const ChannelListContent& content);

// Sets A4 portrait with 15 mm margins on the device.
void PrepareA4(QPagedPaintDevice& device);

// Paints the document on the current page of the device, scaled down when it would not fit, so
// the list is always exactly one page. False when the device cannot be painted on.
bool PaintOnOnePage(QTextDocument& document, QPagedPaintDevice& device);

}  // namespace qv
