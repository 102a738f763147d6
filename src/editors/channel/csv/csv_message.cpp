#include "editors/channel/csv/csv_message.h"

#include <QStringList>

#include "editors/channel/channel_texts.h"

namespace qv::csv {

CsvMessage& CsvMessage::Arg(const QString& text) {
    arguments_.push_back({Argument::Kind::Text, text, -1, nullptr});
    return *this;
}

CsvMessage& CsvMessage::Arg(long long number) {
    return Arg(QString::number(number));
}

CsvMessage& CsvMessage::Arg(const CsvMessage& message) {
    arguments_.push_back(
        {Argument::Kind::Message, {}, -1, std::make_shared<const CsvMessage>(message)});
    return *this;
}

CsvMessage& CsvMessage::Column(int tableColumn) {
    arguments_.push_back({Argument::Kind::Column, {}, tableColumn, nullptr});
    return *this;
}

QString CsvMessage::In(const UiTexts& texts) const {
    if (!english_) return QString();
    QStringList values;
    for (const Argument& argument : arguments_) {
        switch (argument.kind) {
            case Argument::Kind::Text:
                values << argument.text;
                break;
            case Argument::Kind::Column:
                values << channel::HeaderText(argument.column, texts);
                break;
            case Argument::Kind::Message:
                values << argument.message->In(texts);
                break;
        }
    }
    // One pass over the text: a cell that itself holds "%2" is shown as it is, not filled in.
    const QString pattern = texts.UiText("ChannelCsv", english_);
    QString result;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == u'%' && i + 1 < pattern.size() && pattern[i + 1] >= u'1' &&
            pattern[i + 1] <= u'9') {
            const int index = pattern[i + 1].unicode() - u'1';
            if (index < values.size()) {
                result += values[index];
                ++i;
                continue;
            }
        }
        result += c;
    }
    return result;
}

}  // namespace qv::csv
