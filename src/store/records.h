#pragma once

#include <array>
#include <cstddef>
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

static_assert(sizeof(CategoryRecord) == CategoryRecord::kLength);
static_assert(sizeof(SiteRecord) == SiteRecord::kLength);

}  // namespace tarvola
