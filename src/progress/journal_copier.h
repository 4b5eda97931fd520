// Copies the progress store's journal into its file on a thread of its own, once the journal has
// grown by a few hundred pages: the copy syncs the disk, which may take as long as the disk does,
// and the window's writes then never wait for it.
#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <thread>

namespace tarvo {

class ProgressStore;

class JournalCopier {
 public:
  // The journal is copied once it holds this many pages (of 4 KiB).
  static constexpr int kPagesBeforeCopy = 256;

  explicit JournalCopier(std::string path) : path_(std::move(path)) {}
  // Waits for a copy under way: the file is never left to a thread that outlives its store.
  ~JournalCopier();
  JournalCopier(const JournalCopier&) = delete;
  JournalCopier& operator=(const JournalCopier&) = delete;

  // After a write to the store: starts a copy when the journal is long enough and none runs.
  void afterWrite(const ProgressStore& store);

 private:
  std::string path_;
  std::thread copy_;
  std::shared_ptr<std::atomic<bool>> copying_ = std::make_shared<std::atomic<bool>>(false);
};

}  // namespace tarvo
