#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <QFileInfo>
#include <QProcess>
#include <QTest>
#include <QWidget>

#include "host/qt/running_copy.h"
#include "store/data_files.h"
#include "support/temp_dir.h"
#include "support/test_folder.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace tarvola {
namespace {

const std::filesystem::path kProgram = pathFromUtf8(TARVOLA_PROGRAM);

// The program copied alone into a folder: that folder is its data folder.
void start(QProcess& copy, const test::TempDir& folder) {
  std::filesystem::copy_file(kProgram, folder / kProgram.filename(), std::filesystem::copy_options::skip_existing);
#ifdef _WIN32
  // tarvola.exe has only the system's own platform.
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
  copy.setProcessEnvironment(environment);
#endif
  copy.start(QFileInfo(folder / kProgram.filename()).filePath(), {});
}

// It holds its folder: its process id is in the lock file, and it runs on.
bool holds(QProcess& copy, const test::TempDir& folder) {
  const std::string id = std::to_string(copy.processId());
  const auto lockFileHoldsId = [&] {
    std::ifstream in(windowLockFile(folder.path()), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {}) == id;
  };
  return QTest::qWaitFor(lockFileHoldsId, 30000) && copy.state() == QProcess::Running;
}

TEST(OneCopyPerFolderTest, ALaterStartEndsWhileAnotherCopyHoldsItsFolder) {
#ifdef _WIN32
  // Stale-lock checks that compare host names have failed on computers named in Chinese, as Wine's is.
  if (GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr) {
    wchar_t name[MAX_COMPUTERNAME_LENGTH + 1];
    DWORD length = MAX_COMPUTERNAME_LENGTH + 1;
    ASSERT_TRUE(GetComputerNameW(name, &length));
    ASSERT_GT(*std::max_element(name, name + length), 0x7F);
  }
#endif
  struct Case {
    const char* name;
    bool firstKilled;
    bool otherFolder;
  };
  for (const Case c : {Case{"same folder", false, false}, {"after a kill", true, false}, {"other folder", false, true}}) {
    SCOPED_TRACE(c.name);
    const test::TempDir here;
    const test::TempDir there;
    QProcess first;
    QProcess later;
    start(first, here);
    ASSERT_TRUE(holds(first, here));
#ifdef _WIN32
    // Minimised, as a person may leave it: a later start restores it and puts it in front.
    HWND mainWindow = nullptr;
    const auto shown = [&] { return IsWindowVisible(mainWindow = FindWindowW(nullptr, L"Tarvola")) != FALSE; };
    ASSERT_TRUE(QTest::qWaitFor(shown, 30000));
    ShowWindow(mainWindow, SW_MINIMIZE);
#endif
    if (c.firstKilled) {
      first.kill();
      first.waitForFinished();
    }
    start(later, c.otherFolder ? there : here);
    if (c.firstKilled || c.otherFolder) {
      EXPECT_TRUE(holds(later, c.otherFolder ? there : here));
    } else {
      EXPECT_TRUE(later.waitForFinished());
      EXPECT_EQ(later.exitStatus(), QProcess::NormalExit);
      EXPECT_EQ(later.exitCode(), 0);
#ifdef _WIN32
      EXPECT_FALSE(IsIconic(mainWindow));
      EXPECT_EQ(GetForegroundWindow(), mainWindow);
#endif
    }
    EXPECT_EQ(first.state() == QProcess::Running, !c.firstKilled);
    for (QProcess* copy : {&first, &later}) {
      copy->kill();
      copy->waitForFinished();
    }
  }
}

TEST(OneCopyPerFolderTest, ALaterStartRestoresTheMinimisedMainWindowUntilItCloses) {
  const test::TempDir dir;
  QWidget mainWindow;
  test::Folder folder(dir.path());
  RunningCopy first(folder);
  first.serve(&mainWindow);
  mainWindow.showMinimized();
#ifndef _WIN32
  // Windows' later start restores it itself, as the process test sees. Here also once a sync client took the lock file.
  for (const bool replaced : {false, true}) {
    mainWindow.showMinimized();
    std::ofstream(dir / "other.lock") << "4242";
    if (replaced) std::filesystem::rename(dir / "other.lock", windowLockFile(dir.path()));
    if (!replaced) std::filesystem::remove(windowLockFile(dir.path()));
    const RunningCopy later(folder);
    EXPECT_TRUE(later.anotherCopyRuns());
    EXPECT_TRUE(QTest::qWaitFor([&] {
      later.bringOtherForward();
      return !mainWindow.isMinimized();
    }));
  }
#endif
  mainWindow.close();
  EXPECT_FALSE(RunningCopy(folder).anotherCopyRuns());
}

}  // namespace
}  // namespace tarvola
