#include "host/qt/dialogs.h"

#include <algorithm>

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace tarvola {

QString askForText(QWidget* parent, const QString& prompt, const QString& title, const QString& defaultText) {
  QInputDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("inputBox"));
  dialog.setWindowTitle(title);
  dialog.setLabelText(prompt);
  dialog.setTextValue(defaultText);
  // Qt's own buttons read in the system's language; ours are always Chinese.
  dialog.setOkButtonText(QStringLiteral("确定"));
  dialog.setCancelButtonText(QStringLiteral("取消"));
  // Room for a long address. The layout sets the dialog's minimum size, so the width is set as its size.
  dialog.resize(std::max(dialog.sizeHint().width(), 360), dialog.sizeHint().height());
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.textValue();
}

void showMessage(QWidget* parent, const QString& text, const QString& title, bool failed) {
  QMessageBox box(parent);
  box.setObjectName(QStringLiteral("messageBox"));
  box.setWindowTitle(title);
  box.setText(text);
  box.setIcon(failed ? QMessageBox::Warning : QMessageBox::Information);
  box.setDefaultButton(box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole));
  box.exec();
}

bool askForConfirmation(QWidget* parent, const QString& text, const QString& title) {
  QMessageBox box(parent);
  box.setObjectName(QStringLiteral("messageBox"));
  box.setWindowTitle(title);
  box.setText(text);
  box.setIcon(QMessageBox::NoIcon);
  QPushButton* ok = box.addButton(QStringLiteral("确定"), QMessageBox::AcceptRole);
  QPushButton* cancel = box.addButton(QStringLiteral("取消"), QMessageBox::RejectRole);
  ok->setObjectName(QStringLiteral("ok"));
  cancel->setObjectName(QStringLiteral("cancel"));
  box.setDefaultButton(ok);
  box.setEscapeButton(cancel);
  box.exec();
  return box.clickedButton() == ok;
}

}  // namespace tarvola
