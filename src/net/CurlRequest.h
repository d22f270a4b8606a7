#pragma once

#include <QString>
#include <optional>

#include "net/HttpMessage.h"

struct curl_slist;

// How a request becomes a libcurl easy handle: the checks libcurl does not
// make, and every option but the transfer's own callbacks and address.
namespace CurlRequest {

// Why the request cannot be sent as it stands (its method or a header line),
// or nothing.
std::optional<QString> refusal(const HttpRequest& request);

// Sets the handle up for the request (secure: its address is https). The
// header lines go into *headers, which the caller frees after the transfer.
// False when libcurl refuses an option.
bool configure(void* easy, const HttpRequest& request, bool secure, curl_slist** headers);

}  // namespace CurlRequest
