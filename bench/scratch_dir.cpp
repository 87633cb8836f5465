#include "bench/scratch_dir.h"

#include <unistd.h>

#include <system_error>

namespace tarvola::bench {

ScratchDir::ScratchDir(const std::string& name)
    : path_(std::filesystem::temp_directory_path() /
            ("tarvola-bench-" + std::to_string(::getpid()) + "-" + name)) {
  std::filesystem::remove_all(path_);
  std::filesystem::create_directories(path_);
}

ScratchDir::~ScratchDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace tarvola::bench
