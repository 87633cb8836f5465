#include "host/qt/qt_host.h"

#include <QListWidget>
#include <QSignalBlocker>
#include <QStringList>

#include "host/qt/address_opener.h"
#include "host/qt/dialogs.h"

namespace tarvola {

namespace {

QString toQt(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

QtHost::QtHost(QWidget* window, QListWidget* list1, QListWidget* list2, std::filesystem::path dataDir)
    : window_(window),
      list1_(list1),
      list2_(list2),
      dataDir_(std::move(dataDir)),
      opener_([window](const std::string& address) { openInDefaultBrowser(window, address); }) {}

std::string QtHost::inputBox(const std::string& prompt, const std::string& title, const std::string& defaultText) {
  return askForText(window_, toQt(prompt), toQt(title), toQt(defaultText)).toStdString();
}

bool QtHost::confirm(const std::string& text, const std::string& title) {
  return askForConfirmation(window_, toQt(text), toQt(title));
}

int QtHost::selectedIndex(ListBox list) const {
  const QListWidget* box = widget(list);
  const QList<QListWidgetItem*> selected = box->selectedItems();
  return selected.isEmpty() ? -1 : box->row(selected.first());
}

std::string QtHost::itemText(ListBox list, int index) const {
  const QListWidgetItem* item = widget(list)->item(index);
  return item ? item->text().toStdString() : std::string();
}

void QtHost::setItems(ListBox list, const std::vector<std::string>& items) {
  QListWidget* box = widget(list);
  QStringList texts;
  texts.reserve(static_cast<qsizetype>(items.size()));
  for (const std::string& item : items) texts.append(toQt(item));
  // A rebuild is no selection by the user: no handler may run for it.
  const QSignalBlocker blockList(box);
  const QSignalBlocker blockSelection(box->selectionModel());
  box->clear();
  box->addItems(texts);
}

std::string QtHost::toolTip(ListBox list) const { return widget(list)->toolTip().toStdString(); }

void QtHost::setToolTip(ListBox list, const std::string& text) { widget(list)->setToolTip(toQt(text)); }

void QtHost::setCaption(const std::string& caption) {
  // "[*]" in a title is Qt's placeholder for the modified mark; doubled it shows as itself.
  window_->setWindowTitle(toQt(caption).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")));
}

void QtHost::openAddress(const std::string& address) {
  if (opener_) opener_(address);
}

void QtHost::showInstructions() {
  if (instructions_) instructions_();
}

QListWidget* QtHost::widget(ListBox list) const { return list == ListBox::List1 ? list1_ : list2_; }

}  // namespace tarvola
