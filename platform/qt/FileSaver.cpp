#include "platform/qt/FileSaver.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <string>

#include "platform/ControlError.h"
#include "platform/qt/Text.h"

namespace korvanel::qt {

namespace {

// The folder saved into last in the run; nothing of it is written anywhere.
QString& LastFolder() {
  static QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  return folder;
}

}  // namespace

std::optional<QString> AskSavePath(QWidget* parent, const QString& suggestedName,
                                   const FileType& type) {
  const QString filter =
      Utf8Text(type.description) + QStringLiteral(" (*.") + Utf8Text(type.extension) + ')';
  const QString path = QFileDialog::getSaveFileName(
      parent, QString(), QDir(LastFolder()).filePath(suggestedName), filter);
  if (path.isEmpty()) return std::nullopt;
  LastFolder() = QFileInfo(path).absolutePath();
  return path;
}

void WriteWholeFile(const QString& path, std::string_view bytes) {
  QSaveFile file(path);
  const auto failed = [&file, &path] {
    return ControlError("The file " + QDir::toNativeSeparators(path).toStdString() +
                        " could not be saved: " + file.errorString().toStdString() + ".");
  };
  if (!file.open(QIODevice::WriteOnly)) throw failed();
  if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
      static_cast<qint64>(bytes.size())) {
    const ControlError error = failed();
    file.cancelWriting();
    throw error;
  }
  if (!file.commit()) throw failed();
}

bool QtFileSaver::Save(std::string_view suggestedName, const FileType& type,
                       std::string_view bytes) {
  const std::optional<QString> path = choose_(parent_, Utf8Text(suggestedName), type);
  if (!path) return false;
  WriteWholeFile(*path, bytes);
  return true;
}

}  // namespace korvanel::qt
