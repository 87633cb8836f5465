#pragma once

#include <functional>
#include <memory>
#include <string>

#include "host/host.h"

class QListView;
class QWidget;

namespace tarvola {

class EntriesModel;

// The host services on real widgets: the main window, its two lists, Qt's
// dialogs and the desktop's browser.
class QtHost final : public Host {
 public:
  using Opener = std::function<void(const std::string& address)>;

  // Gives each list the model that shows what setItems hands it.
  QtHost(QWidget* window, QListView* list1, QListView* list2);
  // The models belong to the lists: a copy would share them.
  QtHost(const QtHost&) = delete;
  QtHost& operator=(const QtHost&) = delete;

  // Tests put a recorder in place of the browser.
  void setOpener(Opener opener) { opener_ = std::move(opener); }
  void setInstructionsLauncher(std::function<void()> launcher) { instructions_ = std::move(launcher); }

  std::string inputBox(const std::string& prompt, const std::string& title, const std::string& defaultText) override;
  bool confirm(const std::string& text, const std::string& title) override;
  int selectedIndex(ListBox list) const override;
  std::string itemText(ListBox list, int index) const override;
  std::string_view shownRecords(ListBox list) const override;
  void setItems(ListBox list, std::shared_ptr<const ListEntries> entries) override;
  std::string toolTip(ListBox list) const override;
  void setToolTip(ListBox list, const std::string& text) override;
  void setCaption(const std::string& caption) override;
  void openAddress(const std::string& address) override;
  void showInstructions() override;
  std::int64_t now() const override;

 private:
  QListView* widget(ListBox list) const;
  EntriesModel* model(ListBox list) const;

  QWidget* window_;
  QListView* list1_;
  QListView* list2_;
  EntriesModel* model1_;
  EntriesModel* model2_;
  Opener opener_;
  std::function<void()> instructions_;
};

}  // namespace tarvola
