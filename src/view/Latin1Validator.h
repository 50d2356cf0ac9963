#pragma once

#include <QValidator>

namespace quillon
{

// Refuses, at typing time, any text holding a character that the record's single-byte code
// page (Latin-1) cannot store, so a note line is never stored broken.
class Latin1Validator : public QValidator
{
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

} // namespace quillon
