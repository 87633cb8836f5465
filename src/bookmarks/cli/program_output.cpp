#include "bookmarks/cli/program_output.h"

#ifdef _WIN32
#include <windows.h>
#endif

#include <cstdio>
#include <string>

#include "store/text_codec.h"

namespace tarvola {

namespace {

#ifdef _WIN32

bool isRedirected(HANDLE handle) {
  const DWORD type = handle && handle != INVALID_HANDLE_VALUE ? GetFileType(handle) : FILE_TYPE_UNKNOWN;
  return type == FILE_TYPE_DISK || type == FILE_TYPE_PIPE;
}

// Output redirected to a file or a pipe gets UTF-8; a console gets wide text,
// which shows Chinese whatever its code page.
class WindowsOutput final : public CommandOutput {
 public:
  WindowsOutput() {
    redirected_ = isRedirected(GetStdHandle(STD_OUTPUT_HANDLE));
    console_ = !redirected_ && AttachConsole(ATTACH_PARENT_PROCESS);
  }
  void report(const std::string& text, bool failed) override {
    if (redirected_) return write(GetStdHandle(STD_OUTPUT_HANDLE), text);
    if (console_) return write(GetStdHandle(STD_OUTPUT_HANDLE), "\n" + text);
    MessageBoxW(nullptr, wideFromUtf8(text).c_str(), L"Tarvola 书签", MB_OK | (failed ? MB_ICONERROR : MB_ICONINFORMATION));
  }
  void progress(const std::string& text) override {
    if (redirected_ || console_) write(GetStdHandle(STD_ERROR_HANDLE), text);
  }

 private:
  void write(HANDLE handle, const std::string& text) {
    DWORD written = 0;
    if (!redirected_) {
      const std::wstring wide = wideFromUtf8(text);
      WriteConsoleW(handle, wide.data(), static_cast<DWORD>(wide.size()), &written, nullptr);
      return;
    }
    WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
  }

  bool redirected_ = false;
  bool console_ = false;
};

#else

// The whole text by its size: a NUL byte in it would end fputs early.
void writeWhole(std::FILE* stream, const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stream);
  std::fflush(stream);
}

class ConsoleOutput final : public CommandOutput {
 public:
  void report(const std::string& text, bool failed) override { writeWhole(failed ? stderr : stdout, text); }
  void progress(const std::string& text) override { writeWhole(stderr, text); }
};

#endif

}  // namespace

std::unique_ptr<CommandOutput> programOutput() {
#ifdef _WIN32
  return std::make_unique<WindowsOutput>();
#else
  return std::make_unique<ConsoleOutput>();
#endif
}

}  // namespace tarvola
