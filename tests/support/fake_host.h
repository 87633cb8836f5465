#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "host/host.h"

namespace tarvola::test {

// A scripted window: queued answers for the dialogs, lists and caption kept in
// memory, and a record of every dialog shown and address opened.
class FakeHost final : public Host {
 public:
  struct Prompt {
    std::string prompt;
    std::string title;
    std::string defaultText;
  };
  struct Confirmation {
    std::string text;
    std::string title;
  };

  // Answers for the next dialogs, in order. A dialog with no answer queued fails the test.
  void answerInput(std::string answer) { inputAnswers_.push_back(std::move(answer)); }
  void answerConfirm(bool ok) { confirmAnswers_.push_back(ok); }

  // The user selects an entry (-1 for none); no handler runs.
  void select(ListBox list, int index) { lists_[slot(list)].selected = index; }
  std::vector<std::string>& items(ListBox list) { return lists_[slot(list)].items; }

  std::string inputBox(const std::string& prompt, const std::string& title, const std::string& defaultText) override;
  bool confirm(const std::string& text, const std::string& title) override;
  int selectedIndex(ListBox list) const override { return lists_[slot(list)].selected; }
  std::string itemText(ListBox list, int index) const override;
  std::string_view shownRecords(ListBox list) const override {
    return lists_[slot(list)].shown ? lists_[slot(list)].shown->records() : std::string_view();
  }
  // Keeps every entry, made at once, as the window would show them.
  void setItems(ListBox list, std::shared_ptr<const ListEntries> entries) override;
  std::string toolTip(ListBox list) const override { return lists_[slot(list)].toolTip; }
  void setToolTip(ListBox list, const std::string& text) override { lists_[slot(list)].toolTip = text; }
  void setCaption(const std::string& caption) override { caption_ = caption; }
  void openAddress(const std::string& address) override { opened_.push_back(address); }
  void showInstructions() override { ++instructionsShown_; }
  // A fixed time, so that what is kept of a deletion is the same at every run.
  std::int64_t now() const override { return now_; }
  void setNow(std::int64_t now) { now_ = now; }

  const std::string& caption() const { return caption_; }
  const std::vector<Prompt>& prompts() const { return prompts_; }
  const std::vector<Confirmation>& confirmations() const { return confirmations_; }
  const std::vector<std::string>& opened() const { return opened_; }
  int rebuilds(ListBox list) const { return lists_[slot(list)].rebuilds; }
  int instructionsShown() const { return instructionsShown_; }

 private:
  struct List {
    std::vector<std::string> items;
    int selected = -1;
    std::string toolTip;
    int rebuilds = 0;
    std::shared_ptr<const ListEntries> shown;
  };
  static int slot(ListBox list) { return list == ListBox::List1 ? 0 : 1; }

  List lists_[2];
  std::string caption_ = "Tarvola";
  std::deque<std::string> inputAnswers_;
  std::deque<bool> confirmAnswers_;
  std::vector<Prompt> prompts_;
  std::vector<Confirmation> confirmations_;
  std::vector<std::string> opened_;
  int instructionsShown_ = 0;
  std::int64_t now_ = 1765000000;
};

}  // namespace tarvola::test
