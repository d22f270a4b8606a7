#pragma once

#include <QString>

// The desktop portal's bus names, shared by the shortcut and the screenshot
// requests.
namespace PortalNames {
inline const QString service = QStringLiteral("org.freedesktop.portal.Desktop");
inline const QString path = QStringLiteral("/org/freedesktop/portal/desktop");
inline const QString requestInterface = QStringLiteral("org.freedesktop.portal.Request");
}  // namespace PortalNames
