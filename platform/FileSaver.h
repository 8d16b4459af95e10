#pragma once

#include <string_view>

namespace korvanel {

// A kind of file the program saves: its name in the save dialog's filter,
// its extension without the point, and its media type.
struct FileType {
  std::string_view description;
  std::string_view extension;
  std::string_view mediaType;
};

// Saves one file the user asks for: the system's save dialog (which asks
// before replacing a file), then the bytes written where the user said.
// The file is written beside its place and moved there only when complete,
// so a failure leaves no partial file and an old file as it was. In a
// browser the file is downloaded.
class FileSaver {
 public:
  virtual ~FileSaver() = default;

  // Proposes `suggestedName` in the dialog; false when the user cancelled.
  // A failure is a ControlError whose message names the file and gives the
  // system's reason.
  virtual bool Save(std::string_view suggestedName, const FileType& type,
                    std::string_view bytes) = 0;
};

}  // namespace korvanel
