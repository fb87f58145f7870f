// Runs a test body on a new thread, so the thread-local module state (trace
// log, language, resource loaders) starts fresh, as on a new host thread.
#pragma once

#include <gtest/gtest.h>

#include <exception>
#include <functional>
#include <thread>

namespace lumo::testing {

inline void OnFreshThread(const std::function<void()>& body) {
  std::thread([&] {
    try {
      body();
    } catch (const std::exception& e) {
      ADD_FAILURE() << "uncaught exception: " << e.what();
    }
  }).join();
}

}  // namespace lumo::testing
