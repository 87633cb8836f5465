#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "host/list_entries.h"

namespace tarvola {

enum class ListBox { List1, List2 };

// What the handlers need of the window and the desktop. All text is UTF-8.
class Host {
 public:
  virtual ~Host() = default;

  // A modal one-line input box with OK and Cancel; "" on Cancel or an empty field.
  virtual std::string inputBox(const std::string& prompt, const std::string& title, const std::string& defaultText) = 0;
  // A modal message box with OK and Cancel; true only for OK.
  virtual bool confirm(const std::string& text, const std::string& title) = 0;

  // -1 when no entry is selected. The program never sets a selection itself.
  virtual int selectedIndex(ListBox list) const = 0;
  virtual std::string itemText(ListBox list, int index) const = 0;
  // The file bytes the list's entries were made of (ListEntries::records), until its next setItems.
  virtual std::string_view shownRecords(ListBox list) const = 0;
  // Clears the list and shows the entries in order; nothing is selected afterwards.
  virtual void setItems(ListBox list, std::shared_ptr<const ListEntries> entries) = 0;
  virtual std::string toolTip(ListBox list) const = 0;
  virtual void setToolTip(ListBox list, const std::string& text) = 0;

  virtual void setCaption(const std::string& caption) = 0;
  // Hands an address to the default web browser.
  virtual void openAddress(const std::string& address) = 0;
  // Shows the instructions window, modeless; returns at once.
  virtual void showInstructions() = 0;
  // Seconds since 1970: the time a deletion is kept with.
  virtual std::int64_t now() const = 0;
};

}  // namespace tarvola
