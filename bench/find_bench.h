#pragma once

namespace tarvola::bench {

// Finding websites in the largest collection: `tarvola-bookmarks find` and the
// window's reading of the collection beside the floor of reading every file
// once, and the window's search at each keystroke against an absolute bound.
void registerFindBenchmarks();

}  // namespace tarvola::bench
