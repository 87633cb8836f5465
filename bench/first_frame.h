#pragma once

class QWidget;

namespace tarvola::bench {

// Ends the process as soon as the window's first frame is painted, lists
// included, so that a start-up timing covers start-up to the first shown
// window and nothing of the teardown. Both start-up programs use it.
void exitAfterFirstFrame(QWidget& window);

}  // namespace tarvola::bench
