#include "service/ConfigRequest.h"

#include "config/Settings.h"
#include "platform/AppInfo.h"

namespace ConfigRequest {

QString address(const QString& host, const QString& uid, const QString& installdate) {
    return QStringLiteral("http://") + host + QStringLiteral("/translator/3/config.asp?uid=") +
           uid + QStringLiteral("&version=") + AppInfo::versionText() +
           QStringLiteral("&installdate=") + installdate;
}

QString address(const QString& host, const Settings& settings) {
    return address(host, settings.get(Settings::Key::Uid),
                   settings.get(Settings::Key::InstallDate));
}

}  // namespace ConfigRequest
