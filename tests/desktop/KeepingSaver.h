#pragma once

// A saver for the desktops of runtimes whose own save cannot be answered in
// a test (the null runtime has none; the page's ends after its handler):
// the user's answer is a file name in a folder of the desktop's own.

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ControlError.h"
#include "platform/FileSaver.h"

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

}  // namespace korvanel::test
