// The native look of the Windows program, on Qt's real Windows platform: the
// program's manifest as Windows reads it, and the plugins the program links.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include <QApplication>
#include <QImageReader>
#include <QStyle>

namespace {

// The activation context Windows' own parser makes of this executable's manifest.
HANDLE manifestContext() {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  ACTCTXW context{};
  context.cbSize = sizeof context;
  context.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
  context.lpSource = self;
  context.lpResourceName = CREATEPROCESS_MANIFEST_RESOURCE_ID;
  context.hModule = GetModuleHandleW(nullptr);
  return CreateActCtxW(&context);
}

std::wstring dpiAwareness(HANDLE context) {
  wchar_t value[32] = {};
  QueryActCtxSettingsW(0, context, L"http://schemas.microsoft.com/SMI/2016/WindowsSettings", L"dpiAwareness", value,
                       std::size(value), nullptr);
  return value;
}

// Windows 10 1903 gave each element a field that MinGW's headers lack: the id is
// looked for in the raw answer, whatever its layout.
bool declaresWindows10(HANDLE context) {
  constexpr GUID kWindows10And11 = {0x8e0f7a12, 0xbfb3, 0x4fe8, {0xb9, 0xa5, 0x48, 0xfd, 0x50, 0xa1, 0x5a, 0x9a}};
  SIZE_T size = 0;
  QueryActCtxW(0, context, nullptr, CompatibilityInformationInActivationContext, nullptr, 0, &size);
  std::vector<char> info(size);
  QueryActCtxW(0, context, nullptr, CompatibilityInformationInActivationContext, info.data(), size, &size);
  const auto* id = reinterpret_cast<const char*>(&kWindows10And11);
  return std::search(info.begin(), info.end(), id, id + sizeof(GUID)) != info.end();
}

// Common controls 6 live side by side (WinSxS); version 5 in the system folder.
std::wstring commonControlsFile() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(LoadLibraryW(L"comctl32.dll"), path, MAX_PATH);
  return CharLowerW(path);
}

TEST(WindowsLookTest, TheManifestAndTheLinkedPluginsGiveTheNativeLook) {
  const HANDLE context = manifestContext();
  ASSERT_NE(context, INVALID_HANDLE_VALUE);
  EXPECT_EQ(dpiAwareness(context), L"PerMonitorV2");
  EXPECT_TRUE(declaresWindows10(context));
  ReleaseActCtx(context);
  EXPECT_NE(commonControlsFile().find(L"\\winsxs\\amd64_microsoft.windows.common-controls_6595b64144ccf1df_6."),
            std::wstring::npos);

  int argc = 1;
  char name[] = "tarvola";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  EXPECT_EQ(QApplication::platformName().toStdString(), "windows");
  EXPECT_EQ(QApplication::style()->name().toStdString(), "windowsvista");
  EXPECT_TRUE(QImageReader::supportedImageFormats().contains("jpeg"));
}

}  // namespace
