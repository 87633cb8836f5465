#pragma once

#include <span>
#include <string>

#include "host/list_entries.h"

namespace tarvola {

// The shown names of a file's whole records, as one block of file bytes: a
// name is decoded only when the list draws it, so a list of any length is
// filled by one read.
template <typename Record>
class RecordNames final : public ListEntries {
 public:
  // `records` holds whole records only.
  explicit RecordNames(std::string records) : records_(std::move(records)) {}

  std::size_t size() const override { return records_.size() / Record::kLength; }

  std::string at(std::size_t index) const override {
    const std::span<const char, Record::kLength> bytes(records_.data() + index * Record::kLength, Record::kLength);
    return Record::fromBytes(bytes).shownName();
  }

 private:
  std::string records_;
};

}  // namespace tarvola
