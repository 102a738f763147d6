#include "platform/port_description.h"

#include <QStringList>

namespace qv {

namespace {

const QString kDash = QStringLiteral(" \u2014 ");

}  // namespace

QString UsbIds(const SerialDeviceInfo& info) {
    if (!info.IsUsb()) return {};
    return QStringLiteral("%1:%2")
        .arg(*info.vendorId, 4, 16, QLatin1Char('0'))
        .arg(*info.productId, 4, 16, QLatin1Char('0'))
        .toUpper();
}

QString DeviceDescription(const SerialDeviceInfo& info, const UiTexts& texts, bool withUsbIds) {
    QStringList details;
    // A maker already named in the product says nothing new.
    if (!info.manufacturer.isEmpty() &&
        !info.description.contains(info.manufacturer, Qt::CaseInsensitive)) {
        details << info.manufacturer;
    }
    if (withUsbIds && info.IsUsb()) details << QStringLiteral("USB ") + UsbIds(info);
    if (!info.serialNumber.isEmpty()) {
        details << texts.UiText("PortDescription", "serial number %1").arg(info.serialNumber);
    }
    if (details.isEmpty()) return info.description;
    const QString bracketed = QStringLiteral("(%1)").arg(details.join(QStringLiteral(", ")));
    return info.description.isEmpty() ? bracketed : info.description + ' ' + bracketed;
}

QString PortDeviceText(const PortEntry& entry, const UiTexts& texts) {
    if (entry.device.isEmpty()) return {};
    const QString description = entry.info ? DeviceDescription(*entry.info, texts) : QString();
    const QString comName = QStringLiteral("COM%1").arg(entry.port);
    const bool deviceIsPort = entry.device.compare(comName, Qt::CaseInsensitive) == 0;
    if (deviceIsPort) return description;
    return description.isEmpty() ? entry.device : entry.device + kDash + description;
}

QString PortCaption(const PortEntry& entry, const UiTexts& texts) {
    const QString comName = QStringLiteral("COM%1").arg(entry.port);
    const QString device = PortDeviceText(entry, texts);
    return device.isEmpty() ? comName : comName + kDash + device;
}

}  // namespace qv
