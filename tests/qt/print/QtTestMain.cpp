// Qt printing needs an application object: widgets for the printer dialog,
// the font database for the printer.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
