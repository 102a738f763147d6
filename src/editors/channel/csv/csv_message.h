// A message of the channel plan's import or paste, kept as its English text and its arguments
// until it is shown, so that the whole of it comes out in the language of the one who reads it.
// Each English text is marked QT_TRANSLATE_NOOP("ChannelCsv", ...). An argument is a text shown
// as it is (a cell or a column name as the file has them, a number), a column of the channel
// table (named in the reader's language), or another message.
#pragma once

#include <QString>
#include <memory>
#include <vector>

#include "language/ui_language.h"

namespace qv::csv {

class CsvMessage {
public:
    CsvMessage() = default;
    explicit CsvMessage(const char* english) : english_(english) {}

    // The arguments fill %1, %2, ... in order.
    CsvMessage& Arg(const QString& text);
    CsvMessage& Arg(long long number);
    CsvMessage& Arg(int number) { return Arg(static_cast<long long>(number)); }
    CsvMessage& Arg(std::size_t number) { return Arg(static_cast<long long>(number)); }
    CsvMessage& Arg(const CsvMessage& message);
    // A channel table column by its header in the reader's language ("TX Freq." / "发射频率").
    CsvMessage& Column(int tableColumn);

    bool IsEmpty() const { return english_ == nullptr; }
    // The message in the language of `texts`; English by default.
    QString In(const UiTexts& texts) const;
    QString English() const { return In(UiTexts()); }

private:
    struct Argument {
        enum class Kind { Text, Column, Message } kind = Kind::Text;
        QString text;
        int column = -1;
        std::shared_ptr<const CsvMessage> message;
    };
    const char* english_ = nullptr;
    std::vector<Argument> arguments_;
};

}  // namespace qv::csv
