#pragma once

#include <QString>

// The desktop portal's bus names, shared by the shortcut and the screenshot
// requests.
namespace PortalNames {
inline const QString service = QStringLiteral("org.freedesktop.portal.Desktop");
inline const QString path = QStringLiteral("/org/freedesktop/portal/desktop");
inline const QString requestInterface = QStringLiteral("org.freedesktop.portal.Request");

// A handle token for a request or a session. The portal names both after the
// caller's bus name and the token, so the token is unique in the whole
// process: the two shortcuts and the screenshot share one connection, and two
// requests under one name would each take the other's answer.
inline QString nextToken() {
    static quint64 count = 0;
    return QStringLiteral("parlamo_%1").arg(++count);
}
}  // namespace PortalNames
