#pragma once

#include <string>
#include <string_view>

#include "host/list_entries.h"
#include "store/shown_names.h"

namespace tarvola {

// A list's entries: the shown names of a file's whole records.
template <typename Record>
class RecordNames final : public ListEntries {
 public:
  // `records` holds whole records only.
  explicit RecordNames(std::string records) : names_(std::move(records)) {}

  std::size_t size() const override { return names_.size(); }
  std::string at(std::size_t index) const override { return names_.at(index); }
  // A website's entry is described by its address; a category's by nothing.
  std::string description(std::size_t index) const override {
    if constexpr (requires(const Record& record) { record.shownUrl(); }) return names_.record(index).shownUrl();
    return {};
  }
  std::string_view records() const override { return names_.records(); }

 private:
  ShownNames<Record> names_;
};

}  // namespace tarvola
