#include "support/fake_host.h"

#include <gtest/gtest.h>

namespace tarvola::test {

std::string FakeHost::inputBox(const std::string& prompt, const std::string& title, const std::string& defaultText) {
  prompts_.push_back({prompt, title, defaultText});
  if (inputAnswers_.empty()) {
    ADD_FAILURE() << "unexpected input box: " << prompt;
    return {};
  }
  std::string answer = std::move(inputAnswers_.front());
  inputAnswers_.pop_front();
  return answer;
}

bool FakeHost::confirm(const std::string& text, const std::string& title) {
  confirmations_.push_back({text, title});
  if (confirmAnswers_.empty()) {
    ADD_FAILURE() << "unexpected message box: " << text;
    return false;
  }
  const bool ok = confirmAnswers_.front();
  confirmAnswers_.pop_front();
  return ok;
}

std::string FakeHost::itemText(ListBox list, int index) const {
  const std::vector<std::string>& items = lists_[slot(list)].items;
  if (index < 0 || static_cast<std::size_t>(index) >= items.size()) return {};
  return items[static_cast<std::size_t>(index)];
}

void FakeHost::setItems(ListBox list, std::shared_ptr<const ListEntries> entries) {
  List& target = lists_[slot(list)];
  target.items.clear();
  for (std::size_t index = 0; index < entries->size(); ++index) target.items.push_back(entries->at(index));
  target.selected = -1;
  ++target.rebuilds;
  target.shown = std::move(entries);
}

}  // namespace tarvola::test
