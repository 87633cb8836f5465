#pragma once

#include <filesystem>

#include <QStringList>

#include "bench/answering_host.h"
#include "store/data_folder.h"
#include "ui/main/form1.h"

namespace tarvola::bench {

// The real main window on a data directory, shown, with its dialogs answered
// by the benchmark.
class ProgramWindow {
 public:
  explicit ProgramWindow(const std::filesystem::path& dataDir);

  AnsweringHost& host() { return host_; }
  DataFolder& folder() { return folder_; }
  // Selects an entry as a click would, without running the selection handler.
  void select(const char* list, int row);
  QStringList contents(const char* list) const;

 private:
  DataFolder folder_;
  Form1 form_;
  AnsweringHost host_;
};

}  // namespace tarvola::bench
