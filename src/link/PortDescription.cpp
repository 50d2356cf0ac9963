#include "link/PortDescription.h"

#include <QSerialPortInfo>

namespace quillon
{

PortDescription PortDescription::of(const QSerialPortInfo& info, PortNaming naming)
{
    const bool ids = info.hasVendorIdentifier() && info.hasProductIdentifier();
    return {naming == PortNaming::Windows ? info.portName() : info.systemLocation(),
            describe(info.manufacturer(), info.description(), ids, info.vendorIdentifier(),
                     info.productIdentifier())};
}

QString PortDescription::describe(const QString& manufacturer, const QString& product,
                                  bool hasIdentifiers, quint16 vendor, quint16 productId)
{
    const QString maker = manufacturer.simplified();
    const QString model = product.simplified();
    if (!maker.isEmpty() && !model.isEmpty())
        // Some adapters repeat the maker in the product's name.
        return model.startsWith(maker, Qt::CaseInsensitive) ? model : maker + u' ' + model;
    if (!maker.isEmpty() || !model.isEmpty())
        return maker.isEmpty() ? model : maker;
    if (hasIdentifiers)
        return QStringLiteral("USB %1:%2")
            .arg(vendor, 4, 16, QLatin1Char('0'))
            .arg(productId, 4, 16, QLatin1Char('0'));
    return {};
}

QString PortDescription::label() const
{
    return description.isEmpty() ? device : QStringLiteral("%1 (%2)").arg(device, description);
}

} // namespace quillon
