#pragma once

#include <filesystem>
#include <string>

namespace tarvola::test {

// A data directory's categories and websites as one line each: "分类: 名称 <地址> | ...".
std::string collectionListing(const std::filesystem::path& dataDir);

std::string fixtureBytes(const std::string& name);

}  // namespace tarvola::test
