#include "bookmarks/window/window_dialogs.h"

#include <QDir>
#include <QFileDialog>

#include "host/qt/address_opener.h"
#include "host/qt/dialogs.h"

namespace tarvola {

namespace {

const QString kBookmarkFiles = QStringLiteral("书签文件 (*.html *.htm);;所有文件 (*)");

// Qt's own dialog, not the system's: its texts are Chinese whatever the system's language.
QString chooseFile(QWidget* parent, QFileDialog::AcceptMode mode, const QString& title, const QString& accept) {
  QFileDialog dialog(parent, title, QDir::homePath(), kBookmarkFiles);
  dialog.setObjectName(QStringLiteral("fileDialog"));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  if (mode == QFileDialog::AcceptSave) {
    dialog.setDefaultSuffix(QStringLiteral("html"));
    dialog.selectFile(QStringLiteral("Tarvola 收藏.html"));
  }
  dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("位置："));
  dialog.setLabelText(QFileDialog::FileName, QStringLiteral("文件名："));
  dialog.setLabelText(QFileDialog::FileType, QStringLiteral("文件类型："));
  dialog.setLabelText(QFileDialog::Accept, accept);
  dialog.setLabelText(QFileDialog::Reject, QStringLiteral("取消"));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return dialog.selectedFiles().constFirst();
}

}  // namespace

WindowDialogs desktopDialogs() {
  WindowDialogs dialogs;
  dialogs.open = &openInDefaultBrowser;
  dialogs.chooseFileToImport = [](QWidget* parent) {
    return chooseFile(parent, QFileDialog::AcceptOpen, QStringLiteral("导入书签文件"), QStringLiteral("导入"));
  };
  dialogs.chooseFileToExport = [](QWidget* parent) {
    return chooseFile(parent, QFileDialog::AcceptSave, QStringLiteral("导出到书签文件"), QStringLiteral("导出"));
  };
  dialogs.tell = [](QWidget* parent, const QString& text, bool failed) {
    showMessage(parent, text.trimmed(), QStringLiteral("Tarvola 书签"), failed);
  };
  return dialogs;
}

}  // namespace tarvola
