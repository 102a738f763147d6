// What the channel-name editor lets in: characters 32 to 122, whether typed or pasted.
#pragma once

#include <QValidator>

#include "editors/channel/channel_table.h"

namespace qv {

class NameValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    // Characters the name already held when the editor opened stay acceptable around an edit
    // (a name stored by other means may hold others).
    void SetOriginal(const QString& original) { original_ = original; }
    State validate(QString& input, int& /*position*/) const override {
        for (QChar c : input) {
            if (!ChannelTable::IsNameCharacter(c) && !original_.contains(c)) {
                emit const_cast<NameValidator*>(this)->Refused();
                return Invalid;
            }
        }
        return Acceptable;
    }

signals:
    // A character was refused: the editor tells the user which ones the radio takes.
    void Refused();

private:
    QString original_;
};

}  // namespace qv
