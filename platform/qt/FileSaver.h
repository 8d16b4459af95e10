#pragma once

#include <QString>

#include <functional>
#include <optional>
#include <string_view>

#include "platform/FileSaver.h"

class QWidget;

namespace korvanel::qt {

// Where the user wants a file saved: a path, or none when cancelled.
using SavePathChooser = std::function<std::optional<QString>(
    QWidget* parent, const QString& suggestedName, const FileType& type)>;

// Qt's save dialog over `parent`, with the type's filter, opening in the
// folder saved into last in the run (at first the user's documents), and
// asking before it replaces a file.
std::optional<QString> AskSavePath(QWidget* parent, const QString& suggestedName,
                                   const FileType& type);

// Writes `bytes` into `path` through QSaveFile: into a new file beside it,
// which replaces the old one only once it is complete. A ControlError names
// the file and gives the system's reason.
void WriteWholeFile(const QString& path, std::string_view bytes);

// The saver of the Qt runtime: the path from `choose`, then the file
// written whole.
class QtFileSaver : public FileSaver {
 public:
  explicit QtFileSaver(QWidget* parent, SavePathChooser choose = AskSavePath)
      : parent_(parent), choose_(std::move(choose)) {}

  bool Save(std::string_view suggestedName, const FileType& type, std::string_view bytes) override;

 private:
  QWidget* parent_;
  SavePathChooser choose_;
};

}  // namespace korvanel::qt
