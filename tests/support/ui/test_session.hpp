#pragma once

#include <initializer_list>
#include <memory>

#include "output/desktop_session.hpp"
#include "output/simulated_driver.hpp"
#include "support/temp_folder.hpp"

namespace ravix::testing {

// A desktop session on a fresh workspace with simulated controllers at the
// given numbers, no transfer pause.
struct TestSession {
  explicit TestSession(std::initializer_list<int> plugged) {
    auto owned = std::make_unique<SimulatedDriver>(0);
    driver = owned.get();
    for (int n : plugged)
      driver->SetPlugged(n, true);
    session = std::make_unique<DesktopSession>(Workspace(root.path()), std::move(owned),
                                               std::chrono::microseconds{0});
  }

  TempFolder root;
  SimulatedDriver* driver = nullptr;
  std::unique_ptr<DesktopSession> session;
};

}  // namespace ravix::testing
