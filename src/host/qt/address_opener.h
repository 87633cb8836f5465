#pragma once

#include <string>

class QWidget;

namespace tarvola {

// Hands an address to the user's default web browser; the result is not awaited.
void openInDefaultBrowser(QWidget* window, const std::string& address);

}  // namespace tarvola
