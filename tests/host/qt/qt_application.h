// The one QApplication of the Qt tests, on Qt's offscreen platform: real
// windows, no display. It ends with the test run rather than with the
// program's static objects: by then Qt's own statics (the registry of the
// input devices that QTest's mouse clicks make) would be gone already.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <QApplication>
#include <memory>

namespace lumo::ui {

inline void EnsureQtApplication() {
  static std::unique_ptr<QApplication> application;
  if (application) return;
  struct EndOfRun : ::testing::Environment {
    void TearDown() override { application.reset(); }
  };
  static int argc = 1;
  static char name[] = "test_host_qt";
  static char* argv[] = {name, nullptr};
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  application = std::make_unique<QApplication>(argc, argv);
  ::testing::AddGlobalTestEnvironment(new EndOfRun);  // GoogleTest takes ownership
}

}  // namespace lumo::ui
