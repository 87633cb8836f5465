#include "bench/program_window.h"

#include <QAbstractItemView>
#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QSignalBlocker>

#include "bench/floor_window.h"
#include "store/file_system.h"

namespace tarvola::bench {

namespace {

QAbstractItemView& view(const Form1& form, const char* name) {
  return *form.findChild<QAbstractItemView*>(QString::fromLatin1(name));
}

}  // namespace

ProgramWindow::ProgramWindow(const std::filesystem::path& dataDir)
    : folder_(dataDir, nativeFileSystem()), form_(folder_), host_(form_.host()) {
  form_.show();
  QCoreApplication::processEvents();
}

void ProgramWindow::select(const char* list, int row) {
  QAbstractItemView& box = view(form_, list);
  const QSignalBlocker quiet(&box);
  box.selectionModel()->select(box.model()->index(row, 0), QItemSelectionModel::ClearAndSelect);
}

QStringList ProgramWindow::contents(const char* list) const { return contentsOf(view(form_, list)); }

}  // namespace tarvola::bench
