#include "store/deletion_numbers.h"

#include <algorithm>
#include <set>
#include <utility>

namespace tarvola {

namespace {

// Far beyond what anyone deletes, so that one above the highest never overflows.
constexpr std::int64_t kHighestNumber = 999'999'999;

bool isNumber(std::int64_t number) { return number >= 1 && number <= kHighestNumber; }

}  // namespace

std::int64_t nextDeletionNumber(const std::vector<Deletion>& newestFirst) {
  std::int64_t highest = 0;
  for (const Deletion& deletion : newestFirst)
    if (isNumber(deletion.number)) highest = std::max(highest, deletion.number);
  return highest + 1;
}

void numberUnnumbered(std::vector<Deletion>& newestFirst) {
  std::set<std::int64_t> seen;
  for (Deletion& deletion : newestFirst)
    if (!isNumber(deletion.number) || !seen.insert(deletion.number).second) deletion.number = 0;
  std::int64_t next = nextDeletionNumber(newestFirst);
  std::for_each(newestFirst.rbegin(), newestFirst.rend(), [&next](Deletion& deletion) {
    if (deletion.number == 0) deletion.number = next++;
  });
}

std::vector<Deletion>::iterator deletionNumbered(std::vector<Deletion>& newestFirst, std::uint64_t number) {
  return std::ranges::find_if(newestFirst,
                              [number](const Deletion& deletion) { return std::cmp_equal(deletion.number, number); });
}

}  // namespace tarvola
