#include "bookmarks/whole_collection.h"

#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <utility>

#include "store/data_files.h"
#include "store/folder_change.h"
#include "store/records.h"
#include "store/text_field.h"

namespace tarvola {

namespace {

BookmarkLink linkOf(std::span<const char, SiteRecord::kLength> record) {
  return {shownText(record.first<SiteRecord::kNameWidth>()), shownText(record.last<SiteRecord::kUrlWidth>())};
}

std::vector<BookmarkLink> linksOf(const std::string& records) {
  std::vector<BookmarkLink> links;
  links.reserve(records.size() / SiteRecord::kLength);
  for (std::size_t at = 0; at + SiteRecord::kLength <= records.size(); at += SiteRecord::kLength)
    links.push_back(linkOf(std::span<const char, SiteRecord::kLength>(records.data() + at, SiteRecord::kLength)));
  return links;
}

// A category as the folder stores it: its record, and its site file's whole records.
struct StoredCategory {
  std::string record;
  std::string sites;
};

BookmarkFolder decoded(const StoredCategory& stored) {
  const auto record = std::span<const char, CategoryRecord::kLength>(stored.record.data(), CategoryRecord::kLength);
  return {CategoryRecord::fromBytes(record).shownName(), linksOf(stored.sites), {}};
}

// Every category in turn to `take`, as stored; false, with the file, when one can't be read.
bool readCollection(const DataFolder& folder, std::string& failedFile,
                    const std::function<void(StoredCategory&&)>& take) {
  failedFile = kCategoryFileName;
  const std::optional<std::string> categories = folder.shownRecords(kCategoryFileName, CategoryRecord::kLength);
  if (!categories) return false;
  for (std::size_t at = 0; at + CategoryRecord::kLength <= categories->size(); at += CategoryRecord::kLength) {
    failedFile = siteFileName(static_cast<int>(at / CategoryRecord::kLength));
    std::optional<std::string> sites = folder.shownRecords(failedFile, SiteRecord::kLength);
    if (!sites) return false;
    take({categories->substr(at, CategoryRecord::kLength), std::move(*sites)});
  }
  failedFile.clear();
  return true;
}

WholeCollection readUnderLock(DataFolder& folder, std::chrono::milliseconds patience,
                              const std::function<void(StoredCategory&&)>& take) {
  using Status = WholeCollection::Status;
  WholeCollection whole;
  const FolderChange change(folder, patience);
  if (change.state() != FolderChange::State::ready) {
    whole.status = change.state() == FolderChange::State::busy ? Status::busy : Status::pendingChange;
    return whole;
  }
  if (!readCollection(folder, whole.file, take)) whole.status = Status::readFailed;
  return whole;
}

// Decodes the categories handed to it and gives them to `take`, on a thread
// of its own, while the reader goes on to the next files.
class DecodingThread {
 public:
  explicit DecodingThread(const CategoryTaker& take) : take_(take), thread_([this] { run(); }) {}
  DecodingThread(const DecodingThread&) = delete;
  DecodingThread& operator=(const DecodingThread&) = delete;
  ~DecodingThread() { stop(); }

  void push(StoredCategory&& category) {
    const std::lock_guard<std::mutex> lock(mutex_);
    if (failed_) return;
    waiting_.push_back(std::move(category));
    // A wake-up a category would cost more than decoding it.
    if (waiting_.size() == kBatch) ready_.notify_one();
  }

  // Waits for every category handed over; what went wrong on the thread goes on from here.
  void finish() {
    stop();
    if (failure_) std::rethrow_exception(std::exchange(failure_, nullptr));
  }

 private:
  static constexpr std::size_t kBatch = 64;

  void run() {
    std::vector<StoredCategory> batch;
    try {
      while (nextBatch(batch)) {
        for (const StoredCategory& category : batch) take_(decoded(category));
        batch.clear();
      }
    } catch (...) {
      failure_ = std::current_exception();
      const std::lock_guard<std::mutex> lock(mutex_);
      failed_ = true;
      waiting_.clear();
    }
  }

  void stop() {
    if (!thread_.joinable()) return;
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      done_ = true;
    }
    ready_.notify_one();
    thread_.join();
  }

  bool nextBatch(std::vector<StoredCategory>& batch) {
    std::unique_lock<std::mutex> lock(mutex_);
    ready_.wait(lock, [this] { return waiting_.size() >= kBatch || done_; });
    batch.swap(waiting_);
    return !batch.empty();
  }

  const CategoryTaker& take_;
  std::mutex mutex_;
  std::condition_variable ready_;
  std::vector<StoredCategory> waiting_;
  bool done_ = false;
  bool failed_ = false;
  std::exception_ptr failure_;
  std::thread thread_;
};

}  // namespace

WholeCollection readWholeCollection(DataFolder& folder, std::chrono::milliseconds patience) {
  std::vector<BookmarkFolder> categories;
  WholeCollection whole = readWholeCollection(
      folder, patience, [&categories](BookmarkFolder&& category) { categories.push_back(std::move(category)); });
  if (whole.status == WholeCollection::Status::done) whole.categories = std::move(categories);
  return whole;
}

WholeCollection readWholeCollection(DataFolder& folder, std::chrono::milliseconds patience, const CategoryTaker& take) {
  return readUnderLock(folder, patience, [&take](StoredCategory&& category) { take(decoded(category)); });
}

WholeCollection readWholeCollectionAlongside(DataFolder& folder, std::chrono::milliseconds patience,
                                             const CategoryTaker& take) {
  DecodingThread decoding(take);
  WholeCollection whole =
      readUnderLock(folder, patience, [&decoding](StoredCategory&& category) { decoding.push(std::move(category)); });
  decoding.finish();
  return whole;
}

}  // namespace tarvola
