#include "bookmarks/cli/program_environment.h"

#ifdef _WIN32
#include <windows.h>
#include <shellapi.h>
#endif

#include <cstdlib>
#include <system_error>

#include "store/text_codec.h"

namespace tarvola {

#ifdef _WIN32

// argv holds the ANSI code page's idea of the arguments: a Chinese file name would not survive it.
std::vector<std::string> programArguments(int, char*[]) {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> arguments;
  for (int i = 1; wide && i < count; ++i) arguments.push_back(utf8FromWide(wide[i]));
  LocalFree(wide);
  return arguments;
}

std::filesystem::path executableDirectory(const char*) {
  std::wstring name(MAX_PATH, L'\0');
  while (true) {
    const DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
    if (length < name.size()) {
      name.resize(length);
      break;
    }
    name.resize(name.size() * 2);
  }
  return std::filesystem::path(name).parent_path();
}

bool windowCanOpen() { return true; }

#else

std::vector<std::string> programArguments(int argc, char* argv[]) { return {argv + (argc > 0 ? 1 : 0), argv + argc}; }

std::filesystem::path executableDirectory(const char* argv0) {
  std::error_code error;
  std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) self = std::filesystem::absolute(argv0 ? argv0 : ".", error);
  return self.parent_path();
}

bool windowCanOpen() {
  return std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") || std::getenv("QT_QPA_PLATFORM");
}

#endif

}  // namespace tarvola
