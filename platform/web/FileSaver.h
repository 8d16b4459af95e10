#pragma once

#include <string>
#include <string_view>

#include "platform/FileSaver.h"
#include "platform/web/Dom.h"

namespace korvanel::web {

// The saver of a page. Where the browser has a save picker (Chrome, Edge),
// it asks where, and before it replaces a file, and the file is written
// whole through the browser's own swap file; elsewhere the bytes are a
// download, which the browser names and keeps with its downloads. Both end
// after Save has returned, so Save tells no cancel: a cancel is quiet, and a
// failure is told later, to `failed` (a function of the page), as the
// element of `window` (the window that saved), the file's name and the
// browser's reason.
class WebFileSaver : public FileSaver {
 public:
  WebFileSaver(val window, val failed) : window_(std::move(window)), failed_(std::move(failed)) {}

  bool Save(std::string_view suggestedName, const FileType& type, std::string_view bytes) override;

 private:
  val window_;
  val failed_;
};

// What the user reads of a file that could not be saved.
std::string SaveFailure(std::string_view file, std::string_view reason);

}  // namespace korvanel::web
