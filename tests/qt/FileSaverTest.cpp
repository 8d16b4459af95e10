// Saving a file on Linux: QSaveFile writes beside the file and replaces it
// only when complete, so a failure leaves the old file and no other.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <string>

#include "platform/ControlError.h"
#include "platform/qt/FileSaver.h"

namespace korvanel {
namespace {

std::string Read(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "";
}

// What a failure says, or "" for none.
std::string ErrorOf(const QString& path, const std::string& bytes) {
  try {
    qt::WriteWholeFile(path, bytes);
  } catch (const ControlError& error) {
    return error.what();
  }
  return "";
}

// Lets a file grow to `bytes` at most while it lives, as a full disk would:
// writes past it fail (EFBIG) instead of the process getting SIGXFSZ.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    getrlimit(RLIMIT_FSIZE, &before_);
    rlimit limit = before_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &before_); }

 private:
  rlimit before_{};
};

TEST(FileSaverTest, AFileIsReplacedWholeOrNotAtAll) {
  QTemporaryDir folder;
  const QString path = folder.filePath("frets-650mm.svg");
  qt::WriteWholeFile(path, "old board");
  qt::WriteWholeFile(path, std::string(5000, 'x'));
  EXPECT_EQ(Read(path), std::string(5000, 'x'));

  {
    const FileSizeLimit full(1000);
    const std::string error = ErrorOf(path, std::string(20000, 'y'));
    EXPECT_NE(error.find("frets-650mm.svg"), std::string::npos) << error;
    EXPECT_NE(error.find(" could not be saved: "), std::string::npos) << error;
  }
  EXPECT_EQ(Read(path), std::string(5000, 'x')) << "the old file as it was";
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"frets-650mm.svg"})
      << "no half-written file beside it";
}

TEST(FileSaverTest, AFolderOrANameTheSystemRefusesIsToldWithItsReason) {
  QTemporaryDir folder;
  const QString missing = folder.filePath("no such folder/frets.dxf");
  EXPECT_NE(ErrorOf(missing, "x").find("frets.dxf could not be saved: "), std::string::npos);
  const QString tooLong = folder.filePath(QString(300, 'a') + ".svg");
  EXPECT_NE(ErrorOf(tooLong, "x"), "");
  EXPECT_TRUE(
      QDir(folder.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
}

}  // namespace
}  // namespace korvanel
