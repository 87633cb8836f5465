#pragma once

#include <string>

#include "host/host.h"

namespace tarvola {

// Asks for a category name, proposing defaultText; "" when the user gave none.
std::string askForCategoryName(Host& host, const std::string& defaultText);

}  // namespace tarvola
