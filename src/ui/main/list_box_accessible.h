#pragma once

class QObject;
class QAccessibleInterface;
class QString;

namespace tarvola {

// What a screen reader finds in a list box: the list, and an item per entry
// with the entry's name and description. The list's focus child is the
// selected entry only, never one the keyboard made current without selecting it;
// an entry's default action opens it as a double-click does.
QAccessibleInterface* listBoxAccessible(const QString& className, QObject* object);

}  // namespace tarvola
