#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "host/host.h"

class QListWidget;
class QWidget;

namespace tarvola {

// The host services on real widgets: the main window, its two lists, Qt's
// dialogs and the desktop's browser.
class QtHost final : public Host {
 public:
  using Opener = std::function<void(const std::string& address)>;

  QtHost(QWidget* window, QListWidget* list1, QListWidget* list2, std::filesystem::path dataDir);

  // Tests put a recorder in place of the browser.
  void setOpener(Opener opener) { opener_ = std::move(opener); }
  void setInstructionsLauncher(std::function<void()> launcher) { instructions_ = std::move(launcher); }

  std::string inputBox(const std::string& prompt, const std::string& title, const std::string& defaultText) override;
  bool confirm(const std::string& text, const std::string& title) override;
  int selectedIndex(ListBox list) const override;
  std::string itemText(ListBox list, int index) const override;
  void setItems(ListBox list, const std::vector<std::string>& items) override;
  std::string toolTip(ListBox list) const override;
  void setToolTip(ListBox list, const std::string& text) override;
  void setCaption(const std::string& caption) override;
  void openAddress(const std::string& address) override;
  void showInstructions() override;
  std::filesystem::path dataDirectory() const override { return dataDir_; }

 private:
  QListWidget* widget(ListBox list) const;

  QWidget* window_;
  QListWidget* list1_;
  QListWidget* list2_;
  std::filesystem::path dataDir_;
  Opener opener_;
  std::function<void()> instructions_;
};

}  // namespace tarvola
