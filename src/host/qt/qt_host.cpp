#include "host/qt/qt_host.h"

#include <QAccessible>
#include <QDateTime>
#include <QItemSelectionModel>
#include <QListView>
#include <QSignalBlocker>

#include "host/qt/address_opener.h"
#include "host/qt/dialogs.h"
#include "host/qt/entries_model.h"

namespace tarvola {

namespace {

QString toQt(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

QtHost::QtHost(QWidget* window, QListView* list1, QListView* list2)
    : window_(window),
      list1_(list1),
      list2_(list2),
      model1_(new EntriesModel(list1)),
      model2_(new EntriesModel(list2)),
      opener_([window](const std::string& address) { openInDefaultBrowser(window, address); }) {
  list1_->setModel(model1_);
  list2_->setModel(model2_);
}

std::string QtHost::inputBox(const std::string& prompt, const std::string& title, const std::string& defaultText) {
  return askForText(window_, toQt(prompt), toQt(title), toQt(defaultText)).toStdString();
}

bool QtHost::confirm(const std::string& text, const std::string& title) {
  return askForConfirmation(window_, toQt(text), toQt(title));
}

// The first selected row, from the selection's ranges: listing every selected
// index would cost a click more than reading its record.
int QtHost::selectedIndex(ListBox list) const {
  const QItemSelection selected = widget(list)->selectionModel()->selection();
  return selected.isEmpty() ? -1 : selected.first().top();
}

std::string QtHost::itemText(ListBox list, int index) const {
  const ListEntries* entries = model(list)->entries();
  if (!entries || index < 0 || static_cast<std::size_t>(index) >= entries->size()) return {};
  return entries->at(static_cast<std::size_t>(index));
}

std::string_view QtHost::shownRecords(ListBox list) const {
  const ListEntries* entries = model(list)->entries();
  return entries ? entries->records() : std::string_view();
}

void QtHost::setItems(ListBox list, std::shared_ptr<const ListEntries> entries) {
  QListView* box = widget(list);
  // A rebuild is no selection by the user: no handler may run for it.
  const QSignalBlocker blockList(box);
  const QSignalBlocker blockSelection(box->selectionModel());
  model(list)->setEntries(std::move(entries));
}

std::string QtHost::toolTip(ListBox list) const { return widget(list)->toolTip().toStdString(); }

void QtHost::setToolTip(ListBox list, const std::string& text) { widget(list)->setToolTip(toQt(text)); }

void QtHost::setCaption(const std::string& caption) {
  // "[*]" in a title is Qt's placeholder for the modified mark; doubled it shows as itself.
  window_->setWindowTitle(toQt(caption).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]")));
  // The window's accessible name is its caption; Qt doesn't tell a screen reader it changed.
  QAccessibleEvent nameChanged(window_, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&nameChanged);
}

void QtHost::openAddress(const std::string& address) {
  if (opener_) opener_(address);
}

void QtHost::showInstructions() {
  if (instructions_) instructions_();
}

std::int64_t QtHost::now() const { return QDateTime::currentSecsSinceEpoch(); }

QListView* QtHost::widget(ListBox list) const { return list == ListBox::List1 ? list1_ : list2_; }

EntriesModel* QtHost::model(ListBox list) const { return list == ListBox::List1 ? model1_ : model2_; }

}  // namespace tarvola
