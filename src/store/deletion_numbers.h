#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "store/deleted_entries.h"

namespace tarvola {

// A deletion keeps the number it got when it was kept until it is brought
// back or dropped beyond the bounds: a number from an older listing still
// names the same deletion after later ones.

// The number of a deletion about to be kept: one above the highest kept.
std::int64_t nextDeletionNumber(const std::vector<Deletion>& newestFirst);
// Deletions without a number of their own (a file written before there were
// numbers; a number out of range or seen twice) get the next free ones, the
// oldest first: in a file without any, the oldest is 1.
void numberUnnumbered(std::vector<Deletion>& newestFirst);
// The deletion of that number, or end().
std::vector<Deletion>::iterator deletionNumbered(std::vector<Deletion>& newestFirst, std::uint64_t number);

}  // namespace tarvola
