#pragma once

#include <deque>
#include <memory>
#include <string>

#include "host/host.h"

namespace tarvola::bench {

// The main window's own host with the dialogs answered by the benchmark: the
// lists, the caption and the tool tips stay the real widgets, so filling the
// lists is part of what is measured, and no dialog waits for a person.
class AnsweringHost final : public Host {
 public:
  explicit AnsweringHost(Host& window) : window_(window) {}

  void answerInput(std::string answer) { inputs_.push_back(std::move(answer)); }
  void answerConfirm(bool ok) { confirms_.push_back(ok); }

  std::string inputBox(const std::string& prompt, const std::string& title, const std::string& defaultText) override;
  bool confirm(const std::string& text, const std::string& title) override;

  int selectedIndex(ListBox list) const override { return window_.selectedIndex(list); }
  std::string itemText(ListBox list, int index) const override { return window_.itemText(list, index); }
  std::string_view shownRecords(ListBox list) const override { return window_.shownRecords(list); }
  void setItems(ListBox list, std::shared_ptr<const ListEntries> entries) override {
    window_.setItems(list, std::move(entries));
  }
  std::string toolTip(ListBox list) const override { return window_.toolTip(list); }
  void setToolTip(ListBox list, const std::string& text) override { window_.setToolTip(list, text); }
  void setCaption(const std::string& caption) override { window_.setCaption(caption); }
  void openAddress(const std::string& address) override { window_.openAddress(address); }
  void showInstructions() override { window_.showInstructions(); }
  std::int64_t now() const override { return window_.now(); }

 private:
  Host& window_;
  std::deque<std::string> inputs_;
  std::deque<bool> confirms_;
};

}  // namespace tarvola::bench
