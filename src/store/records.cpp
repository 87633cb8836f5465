#include "store/records.h"

#include <algorithm>

#include "store/text_field.h"

namespace tarvola {

CategoryRecord CategoryRecord::withName(std::string_view utf8) {
  CategoryRecord record;
  putText(record.name, utf8);
  return record;
}

CategoryRecord CategoryRecord::fromBytes(std::span<const char, kLength> bytes) {
  CategoryRecord record;
  std::copy(bytes.begin(), bytes.end(), record.name.begin());
  return record;
}

std::string CategoryRecord::shownName() const { return shownText(name); }

SiteRecord SiteRecord::with(std::string_view nameUtf8, std::string_view urlUtf8) {
  SiteRecord record;
  putText(std::span(record.fields).first<kNameWidth>(), nameUtf8);
  putText(std::span(record.fields).last<kUrlWidth>(), urlUtf8);
  return record;
}

SiteRecord SiteRecord::fromBytes(std::span<const char, kLength> bytes) {
  SiteRecord record;
  std::copy(bytes.begin(), bytes.end(), record.fields.begin());
  return record;
}

std::string SiteRecord::shownName() const { return shownText(nameField()); }

std::string SiteRecord::shownUrl() const { return shownText(urlField()); }

std::optional<std::string> wholeRecordsWithout(std::string_view bytes, std::size_t recordLength, std::uint64_t r) {
  const std::uint64_t count = bytes.size() / recordLength;
  if (r < 1 || r > count) return std::nullopt;
  std::string kept(bytes.substr(0, (r - 1) * recordLength));
  kept += bytes.substr(r * recordLength, (count - r) * recordLength);
  return kept;
}

}  // namespace tarvola
