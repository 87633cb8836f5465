#include "support/held_file.h"

#include <atomic>

namespace tarvola::test {

namespace {

constexpr DWORD kStartPatienceMs = 30000;

std::filesystem::path holderProgram() {
  std::wstring self(MAX_PATH, L'\0');
  self.resize(GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
  return std::filesystem::path(self).parent_path() / L"tarvola_file_holder.exe";
}

std::wstring uniqueEventName() {
  static std::atomic<unsigned> counter{0};
  return L"tarvola-held-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(counter++);
}

std::wstring quoted(const std::filesystem::path& path) { return L"\"" + path.wstring() + L"\""; }

}  // namespace

HeldFile::HeldFile(const std::filesystem::path& path, const std::string& sharing, std::chrono::milliseconds hold) {
  const std::wstring eventName = uniqueEventName();
  HANDLE isHeld = CreateEventW(nullptr, TRUE, FALSE, eventName.c_str());
  if (!isHeld) return;
  std::wstring command = quoted(holderProgram()) + L" " + quoted(path) + L" " +
                         std::wstring(sharing.begin(), sharing.end()) + L" " + std::to_wstring(hold.count()) + L" " +
                         eventName;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &started)) {
    CloseHandle(started.hThread);
    process_ = started.hProcess;
    // The holder may also end without holding: then it is the one that fires.
    const HANDLE either[] = {isHeld, process_};
    held_ = WaitForMultipleObjects(2, either, FALSE, kStartPatienceMs) == WAIT_OBJECT_0;
  }
  CloseHandle(isHeld);
}

HeldFile::~HeldFile() {
  if (!process_) return;
  WaitForSingleObject(process_, kStartPatienceMs);
  CloseHandle(process_);
}

}  // namespace tarvola::test
