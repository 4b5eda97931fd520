// Copies the progress store's journal into its file on a thread of its own.
#include "progress/journal_copier.h"

#include "progress/progress_store.h"

namespace tarvo {

JournalCopier::~JournalCopier() {
  if (copy_.joinable()) copy_.join();
}

void JournalCopier::afterWrite(const ProgressStore& store) {
  if (store.journalPages() < kPagesBeforeCopy || copying_->load()) return;
  if (copy_.joinable()) copy_.join();  // the last copy, ended
  copying_->store(true);
  copy_ = std::thread([path = path_, copying = copying_] {
    ProgressStore::copyJournal(path);
    copying->store(false);
  });
}

}  // namespace tarvo
