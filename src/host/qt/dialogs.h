#pragma once

#include <QString>

class QWidget;

namespace tarvola {

// The one-line input box: the typed text on OK, "" on Cancel or close.
QString askForText(QWidget* parent, const QString& prompt, const QString& title, const QString& defaultText);

// A message box with one OK button, a warning's icon when `failed`.
void showMessage(QWidget* parent, const QString& text, const QString& title, bool failed);

// The OK/Cancel message box without an icon, OK the default; true only for OK.
bool askForConfirmation(QWidget* parent, const QString& text, const QString& title);

}  // namespace tarvola
