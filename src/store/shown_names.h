#pragma once

#include <span>
#include <string>

namespace tarvola {

// The shown names of a file's whole records, as one block of file bytes: a
// name is decoded only when asked for, so a list of any length is filled by
// one read.
template <typename Record>
class ShownNames {
 public:
  // `records` holds whole records only.
  explicit ShownNames(std::string records) : records_(std::move(records)) {}

  std::size_t size() const { return records_.size() / Record::kLength; }
  const std::string& records() const { return records_; }

  // The name of the record at `index`, below size().
  std::string at(std::size_t index) const { return record(index).shownName(); }

  Record record(std::size_t index) const {
    return Record::fromBytes(std::span<const char, Record::kLength>(records_.data() + index * Record::kLength,
                                                                     Record::kLength));
  }

 private:
  std::string records_;
};

}  // namespace tarvola
