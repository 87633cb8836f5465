#pragma once

namespace tarvola {

// Outcome of a file-system step. A missing file, and a target that is there
// already, are told apart from other failures: redoing a step needs to know.
// `busy`: another program holds the file for a moment (Windows refuses to
// replace or remove a file that a scanner or an indexer has open); worth
// trying again shortly.
enum class FsStatus { ok, missing, exists, busy, failed };

}  // namespace tarvola
