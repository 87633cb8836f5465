#pragma once

#include <optional>
#include <string>

#include "host/host.h"
#include "store/records.h"

namespace tarvola {

// Asks for a website's name, then for its address; the record the two answers
// make, or nothing when either box was cancelled or left empty.
std::optional<SiteRecord> askForWebsite(Host& host, const std::string& namePrompt, const std::string& defaultName,
                                        const std::string& defaultUrl);

}  // namespace tarvola
