#pragma once

#include "platform/FileSaver.h"

namespace korvanel::null {

// The saver of a runtime without files: its dialog is always cancelled.
class CancelledSaver : public FileSaver {
 public:
  bool Save(std::string_view, const FileType&, std::string_view) override { return false; }
};

}  // namespace korvanel::null
