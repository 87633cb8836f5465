#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QString>
#include <QStringList>
#include <ostream>

#include "support/temp_dir.h"
#include "support/test_folder.h"
#include "ui/main/form1.h"

class QAction;
class QListView;
class QMenu;

// Readable failure messages for Qt's strings.
void PrintTo(const QString& text, std::ostream* out);
void PrintTo(const QStringList& texts, std::ostream* out);

namespace tarvola::test {

// A real main window on a fresh data directory, its browser replaced by a recorder.
class Window {
 public:
  explicit Window(const TempDir& dir);
  ~Window();

  Form1& form() { return *form_; }
  QListView* list(const char* name) const;
  // The middle of an entry, on the list's viewport.
  QPoint centreOf(const char* list, int row) const;
  QAction* action(const char* name) const;
  QStringList entries(const char* name) const;
  int selectedRow(const char* name) const;
  const std::vector<std::string>& opened() const { return opened_; }

  void click(const char* list, int row);
  void doubleClick(const char* list, int row);
  // Ctrl+click on the selected entry: the list is left with no selection.
  void deselect(const char* list, int row);
  void rightClick(const char* list, int row);
  // Right-clicks the list and chooses a menu item, as a person would.
  void choose(const char* list, int row, const char* item);
  // The menu that a right-click on the list opened, if any (it is closed again).
  QString menuOpenedBy(const std::function<void()>& gesture);

 private:
  Folder folder_;
  std::unique_ptr<Form1> form_;
  std::vector<std::string> opened_;
};

// One answer of answerDialogs: the text to type (none keeps the proposed text)
// and the button; `seen`, when given, gets the dialog's title, message and proposed text.
struct DialogAnswer {
  std::optional<QString> text;
  QString button;
  QStringList* seen = nullptr;
};

// Answers the next modal dialogs in order, each one only after the one before
// has closed, so two boxes in a row never get each other's answers.
void answerDialogs(std::vector<DialogAnswer> answers);

}  // namespace tarvola::test
