#include "core/LeadingNumber.h"

#include <QString>

namespace quillon
{

double leadingNumber(QStringView text)
{
    QString number;
    bool seenPoint = false;
    bool seenDigit = false;
    for (QChar c : text) {
        if (c == u' ')
            continue;
        if ((c == u'+' || c == u'-') && number.isEmpty()) {
            number.append(c);
        } else if (c == u'.' && !seenPoint) {
            seenPoint = true;
            number.append(c);
        } else if (c >= u'0' && c <= u'9') {
            seenDigit = true;
            number.append(c);
        } else {
            break;
        }
    }
    if (!seenDigit)
        return 0.0;
    bool ok = false;
    const double value = number.toDouble(&ok);
    return ok ? value : 0.0;
}

} // namespace quillon
