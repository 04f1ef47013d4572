// The window tests' main: one QApplication for all of a program's tests, prepared as the program
// prepares it.
#include "main/Fleetwick.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  QApplication app(argc, argv);
  fw::prepareApplication(app);
  return RUN_ALL_TESTS();
}
