#pragma once

namespace tarvola {

// Shows the instructions window: loaded and centred if it isn't open, modeless,
// without owner; there is only ever one.
void showInstructionsWindow();

}  // namespace tarvola
