#pragma once

#include <QValidator>

namespace quillon
{

// Refuses, at typing time, any text holding a character that the record's single-byte code
// page (Latin-1) cannot store, so a note line is never stored broken. Says which characters it
// refused, so that the box can tell the operator.
class Latin1Validator : public QValidator
{
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;

signals:
    // `characters`: the ones of a refused text that the code page cannot hold.
    void refused(const QString& characters) const;
};

} // namespace quillon
