#include "ui/gui_test_support.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QInputDialog>
#include <QItemSelectionModel>
#include <QListView>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

void PrintTo(const QStringList& texts, std::ostream* out) { *out << texts.join(QStringLiteral(" | ")).toStdString(); }

namespace tarvola::test {

namespace {

// Runs `act` on the first widget that `find` returns, polling the event loop.
void whenItAppears(const std::function<QWidget*()>& find, const std::function<void(QWidget*)>& act,
                   int triesLeft = 500) {
  QTimer::singleShot(triesLeft == 500 ? 0 : 10, [find, act, triesLeft] {
    if (QWidget* widget = find()) {
      act(widget);
    } else if (triesLeft > 0) {
      whenItAppears(find, act, triesLeft - 1);
    }
  });
}

}  // namespace

Window::Window(const TempDir& dir) : folder_(dir.path()), form_(std::make_unique<Form1>(folder_)) {
  form_->host().setOpener([this](const std::string& address) { opened_.push_back(address); });
  form_->host().setInstructionsLauncher([] {});
  form_->show();
  QApplication::setActiveWindow(form_.get());
  EXPECT_TRUE(QTest::qWaitForWindowExposed(form_.get()));
}

Window::~Window() = default;

QListView* Window::list(const char* name) const { return form_->findChild<QListView*>(QString::fromLatin1(name)); }

QPoint Window::centreOf(const char* name, int row) const {
  QListView* box = list(name);
  return box->visualRect(box->model()->index(row, 0)).center();
}

QAction* Window::action(const char* name) const { return form_->findChild<QAction*>(QString::fromLatin1(name)); }

QStringList Window::entries(const char* name) const {
  QStringList texts;
  const QAbstractItemModel* model = list(name)->model();
  for (int row = 0; row < model->rowCount(); ++row) texts.append(model->index(row, 0).data().toString());
  return texts;
}

int Window::selectedRow(const char* name) const {
  const QModelIndexList selected = list(name)->selectionModel()->selectedIndexes();
  return selected.isEmpty() ? -1 : selected.first().row();
}

void Window::click(const char* name, int row) {
  QListView* box = list(name);
  QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, centreOf(name, row));
}

void Window::doubleClick(const char* name, int row) {
  QListView* box = list(name);
  const QPoint at = centreOf(name, row);
  QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(box->viewport(), Qt::LeftButton, {}, at);
}

void Window::deselect(const char* name, int row) {
  QTest::mouseClick(list(name)->viewport(), Qt::LeftButton, Qt::ControlModifier, centreOf(name, row));
}

void Window::rightClick(const char* name, int row) {
  QListView* box = list(name);
  const QPoint at = row >= 0 ? centreOf(name, row) : QPoint(5, box->viewport()->height() - 5);
  QTest::mouseClick(box->viewport(), Qt::RightButton, {}, at);
}

void Window::choose(const char* name, int row, const char* item) {
  const QString itemName = QString::fromLatin1(item);
  whenItAppears([] { return QApplication::activePopupWidget(); },
                [itemName](QWidget* popup) {
                  auto* menu = qobject_cast<QMenu*>(popup);
                  QAction* action = menu ? menu->findChild<QAction*>(itemName) : nullptr;
                  if (!action) {
                    ADD_FAILURE() << "no menu item " << itemName.toStdString();
                    popup->close();
                    return;
                  }
                  menu->setActiveAction(action);
                  QTest::keyClick(menu, Qt::Key_Return);
                });
  rightClick(name, row);
}

QString Window::menuOpenedBy(const std::function<void()>& gesture) {
  QString opened;
  whenItAppears([] { return QApplication::activePopupWidget(); },
                [&opened](QWidget* popup) {
                  opened = popup->objectName();
                  popup->close();
                },
                20);
  gesture();
  // Let the poll run out when no menu came.
  QTest::qWait(300);
  return opened;
}

namespace {

QStringList shownBy(QWidget* dialog) {
  if (auto* input = qobject_cast<QInputDialog*>(dialog)) {
    return {input->windowTitle(), input->labelText(), input->textValue()};
  }
  if (auto* box = qobject_cast<QMessageBox*>(dialog)) return {box->windowTitle(), box->text(), QString()};
  return {dialog->windowTitle(), QString(), QString()};
}

void answerDialogsAfter(const QPointer<QWidget>& previous, std::vector<DialogAnswer> answers) {
  if (answers.empty()) return;
  whenItAppears(
      [previous] {
        QWidget* dialog = QApplication::activeModalWidget();
        return dialog != previous.data() ? dialog : nullptr;
      },
      [answers](QWidget* dialog) mutable {
        const DialogAnswer answer = answers.front();
        answers.erase(answers.begin());
        auto* input = qobject_cast<QInputDialog*>(dialog);
        if (answer.seen) *answer.seen = shownBy(dialog);
        if (input && answer.text) input->setTextValue(*answer.text);
        // The next answer waits until this dialog is gone, not just answered.
        answerDialogsAfter(QPointer<QWidget>(dialog), std::move(answers));
        for (QPushButton* push : dialog->findChildren<QPushButton*>()) {
          if (push->text() == answer.button) {
            push->click();
            return;
          }
        }
        ADD_FAILURE() << "no button " << answer.button.toStdString();
        dialog->close();
      });
}

}  // namespace

void answerDialogs(std::vector<DialogAnswer> answers) { answerDialogsAfter(nullptr, std::move(answers)); }

}  // namespace tarvola::test
