// Lets a text box hold upper-case hexadecimal digits only: a-f typed become A-F, anything else
// is refused, whether typed or pasted.
#pragma once

#include <QValidator>

namespace qv {

class HexValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};

}  // namespace qv
