#include "support/file_bytes.h"

#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>

#include "store/file_system.h"

namespace tarvola::test {

std::string readBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot read " + path.string());
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Through the program's own seam: the cross-built library's resize_file stops at 2 GB.
void writeSparse(const std::filesystem::path& path, std::string_view start, std::uint64_t size) {
  writeBytes(path, start);
  const std::unique_ptr<File> file = nativeFileSystem().open(path, OpenMode::existing);
  if (!file || !file->truncate(size)) throw std::runtime_error("cannot grow " + path.string());
}

std::uint64_t sizeOf(const std::filesystem::path& path) {
  const std::unique_ptr<File> file = nativeFileSystem().open(path, OpenMode::readOnly);
  if (!file || !file->size()) throw std::runtime_error("cannot size " + path.string());
  return *file->size();
}

void writeBytes(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

std::string field(std::string_view bytes, std::size_t width) {
  std::string out(bytes.substr(0, width));
  out.resize(width, ' ');
  return out;
}

std::string categoryRecord(std::string_view name) { return field(name, 40); }

std::string siteRecord(std::string_view name, std::string_view url) { return field(name, 50) + field(url, 200); }

std::string categoryFileOf(std::initializer_list<std::string_view> names) {
  std::string out;
  for (std::string_view name : names) out += categoryRecord(name);
  return out;
}

std::string siteFileOf(std::initializer_list<std::string_view> names) {
  std::string out;
  for (std::string_view name : names) out += siteRecord(name, "http://" + std::string(name) + ".example/");
  return out;
}

}  // namespace tarvola::test
