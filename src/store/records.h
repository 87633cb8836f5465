#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tarvola {

// One entry of wwww.dat: the category name, 40 bytes, blank-filled.
struct CategoryRecord {
  static constexpr std::size_t kLength = 40;

  std::array<char, kLength> name{};

  static CategoryRecord withName(std::string_view utf8);
  static CategoryRecord fromBytes(std::span<const char, kLength> bytes);
  std::string_view bytes() const { return {name.data(), name.size()}; }
  // The name as shown in the category list.
  std::string shownName() const;
};

// One entry of a site file: a 50-byte name field, then a 200-byte URL field.
struct SiteRecord {
  static constexpr std::size_t kNameWidth = 50;
  static constexpr std::size_t kUrlWidth = 200;
  static constexpr std::size_t kLength = kNameWidth + kUrlWidth;

  std::array<char, kLength> fields{};

  static SiteRecord with(std::string_view nameUtf8, std::string_view urlUtf8);
  static SiteRecord fromBytes(std::span<const char, kLength> bytes);
  std::string_view bytes() const { return {fields.data(), fields.size()}; }
  std::span<const char> nameField() const { return std::span(fields).first<kNameWidth>(); }
  std::span<const char> urlField() const { return std::span(fields).last<kUrlWidth>(); }
  // The name as shown in the website list, and the address without the blanks of the fill.
  std::string shownName() const;
  std::string shownUrl() const;
};

// A list holds at most this many entries, and a site file's number is a list
// position: more can't be shown, and reading stays small.
inline constexpr std::uint64_t kMaxListEntries = 32767;

// The whole records of `bytes` but record r (1-based), copied as they are: a
// field the codec can't read survives untouched, and a partial last record is
// left out. Nothing when record r isn't there whole.
std::optional<std::string> wholeRecordsWithout(std::string_view bytes, std::size_t recordLength, std::uint64_t r);

static_assert(sizeof(CategoryRecord) == CategoryRecord::kLength);
static_assert(sizeof(SiteRecord) == SiteRecord::kLength);

}  // namespace tarvola
