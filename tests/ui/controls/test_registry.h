#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

// The Qt Test classes of one executable; its main runs them one after another.
using ControlTestFactory = std::function<std::unique_ptr<QObject>()>;
std::vector<ControlTestFactory>& ControlTests();

template <typename Test>
bool RegisterControlTest() {
  ControlTests().push_back([] { return std::make_unique<Test>(); });
  return true;
}
