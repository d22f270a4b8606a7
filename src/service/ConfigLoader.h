#pragma once

#include <QCoreApplication>
#include <QCoro/QCoroTask>
#include <QString>

#include "net/HttpLimits.h"

class ConfigDocument;

// Fetches the service configuration document from the configuration server
// (its address: ConfigRequest).
class ConfigLoader {
    Q_DECLARE_TR_FUNCTIONS(ConfigLoader)

public:
    static constexpr int defaultTimeoutMs = static_cast<int>(HttpLimits::stallTimeout.count());

    // A plain GET of the address through HttpEngine, as a job to co_await
    // (document and error must outlive it). The address goes out as built;
    // only characters a request line cannot carry (the spaces of the date)
    // are percent-encoded. False,
    // with a reason in *error, when the transfer fails or is cut short, the
    // server stays silent for timeoutMs or takes longer than the overall
    // bound, answers with an error status, or the answer is not a
    // well-formed document.
    static QCoro::Task<bool> load(ConfigDocument& document, QString address,
                                  int timeoutMs = defaultTimeoutMs, QString* error = nullptr);
};
