#pragma once

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>

namespace tarvola::test {

std::string readBytes(const std::filesystem::path& path);
void writeBytes(const std::filesystem::path& path, std::string_view bytes);

// `start`, then a hole up to `size` bytes: a sparse file of any length.
void writeSparse(const std::filesystem::path& path, std::string_view start, std::uint64_t size);
std::uint64_t sizeOf(const std::filesystem::path& path);
inline constexpr std::uint64_t kHugeSize = std::uint64_t{100} << 30;

// The bytes of a blank-filled field: text (already in the file's encoding) then blanks up to width.
std::string field(std::string_view bytes, std::size_t width);
std::string categoryRecord(std::string_view name);
std::string siteRecord(std::string_view name, std::string_view url);
// Whole files of ASCII names.
std::string categoryFileOf(std::initializer_list<std::string_view> names);
std::string siteFileOf(std::initializer_list<std::string_view> names);

}  // namespace tarvola::test
