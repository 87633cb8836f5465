#include "bench/answering_host.h"

namespace tarvola::bench {

// An unexpected dialog is answered like Cancel: the operation then changes
// nothing, which the benchmark's check of the list contents reports.
std::string AnsweringHost::inputBox(const std::string&, const std::string&, const std::string&) {
  if (inputs_.empty()) return {};
  std::string answer = std::move(inputs_.front());
  inputs_.pop_front();
  return answer;
}

bool AnsweringHost::confirm(const std::string&, const std::string&) {
  if (confirms_.empty()) return false;
  const bool ok = confirms_.front();
  confirms_.pop_front();
  return ok;
}

}  // namespace tarvola::bench
