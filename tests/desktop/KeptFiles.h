#pragma once

// The saves of the desktops of runtimes whose own save cannot be answered in
// a test (the null runtime has none; the page's ends after its handler):
// the user's answer is a file name in a folder of the desktop's own.

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/ControlError.h"
#include "platform/FileSaver.h"
#include "platform/Runtime.h"

namespace korvanel::test {

// Keeps what is saved by the name the user gave it; none is a cancel.
class KeepingSaver : public FileSaver {
 public:
  KeepingSaver(const std::optional<std::string>& answer, std::map<std::string, std::string>& files)
      : answer_(answer), files_(files) {}
  // The folder holds files, not folders.
  bool Save(std::string_view, const FileType&, std::string_view bytes) override {
    if (!answer_) return false;
    if (answer_->find('/') != std::string::npos) {
      throw ControlError("The file " + *answer_ + " could not be saved: there is no such folder.");
    }
    files_[*answer_] = bytes;
    return true;
  }

 private:
  const std::optional<std::string>& answer_;
  std::map<std::string, std::string>& files_;
};

// The desktop's own folder: the answer its save dialogs give, and what was
// saved there.
class KeptFiles {
 public:
  // The savers of a runtime whose saves come here.
  WindowRuntime::FileSaverFactory Savers() {
    return [this](Form&) { return std::make_unique<KeepingSaver>(answer_, files_); };
  }
  void Answer(std::optional<std::string> fileName) { answer_ = std::move(fileName); }
  std::optional<std::string> Saved(const std::string& fileName) const {
    const auto found = files_.find(fileName);
    return found != files_.end() ? std::optional<std::string>(found->second) : std::nullopt;
  }

 private:
  std::optional<std::string> answer_;
  std::map<std::string, std::string> files_;
};

}  // namespace korvanel::test
