#pragma once

namespace tarvola {

// How a query word is found in a field; the better match compares greater.
enum class FieldMatch {
  none,
  inside,     // somewhere within a word
  wordStart,  // at the field's start or right after a blank or punctuation mark
};

}  // namespace tarvola
