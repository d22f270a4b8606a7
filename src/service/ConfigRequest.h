#pragma once

#include <QString>

class Settings;

// The configuration request: one GET of the configuration server's
// "/translator/3/config.asp" with the installation's identifier, the
// program's version and the installation date.
namespace ConfigRequest {

// "http://" host "/translator/3/config.asp?uid=" uid "&version=3.1.108"
// "&installdate=" installdate, with no escaping of any value.
QString address(const QString& host, const QString& uid, const QString& installdate);

// The same with uid and installdate as stored, read with their defaults
// (a missing date goes out as "Null").
QString address(const QString& host, const Settings& settings);

}  // namespace ConfigRequest
