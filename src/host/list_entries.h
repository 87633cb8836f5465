#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tarvola {

// The entries of a list, in order. A list asks only for the entries it
// draws, so a list of any length is filled without making every entry first.
class ListEntries {
 public:
  virtual ~ListEntries() = default;
  virtual std::size_t size() const = 0;
  // The entry at `index` (below size()), UTF-8.
  virtual std::string at(std::size_t index) const = 0;
  // What a screen reader adds to the entry's name (a website's address); "" for nothing.
  virtual std::string description(std::size_t /*index*/) const { return {}; }
  // The file bytes the entries were made of, so that the file can be compared with what is shown.
  virtual std::string_view records() const { return {}; }
};

}  // namespace tarvola
