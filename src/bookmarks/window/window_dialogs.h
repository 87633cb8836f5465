#pragma once

#include <functional>
#include <string>

#include <QString>

class QWidget;

namespace tarvola {

// What the window asks of the desktop and of the person: tests put recorders here.
struct WindowDialogs {
  std::function<void(QWidget* window, const std::string& address)> open;
  // The file chosen, or "" when the person cancelled.
  std::function<QString(QWidget* parent)> chooseFileToImport;
  std::function<QString(QWidget* parent)> chooseFileToExport;
  std::function<void(QWidget* parent, const QString& text, bool failed)> tell;
};

// The browser, Qt's file dialogs and a message box, every text in Chinese.
WindowDialogs desktopDialogs();

}  // namespace tarvola
