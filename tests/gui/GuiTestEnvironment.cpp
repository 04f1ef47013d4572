// One QApplication for all of a GUI test program's tests, prepared as the program prepares it.
#include "main/Fleetwick.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

class QtApp : public testing::Environment {
public:
  void SetUp() override {
    app_ = std::make_unique<QApplication>(argc_, argv_);
    fw::prepareApplication(*app_);
  }
  void TearDown() override { app_.reset(); }

private:
  int argc_ = 1;
  char name_[10] = "fleetwick";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QApplication> app_;
};

const auto* const qtApp = testing::AddGlobalTestEnvironment(new QtApp);

} // namespace
