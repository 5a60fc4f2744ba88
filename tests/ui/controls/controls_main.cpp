#include <QApplication>
#include <QTest>

#include "tests/ui/controls/test_registry.h"

std::vector<ControlTestFactory>& ControlTests() {
  static std::vector<ControlTestFactory> tests;
  return tests;
}

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  int failed = 0;
  for (const ControlTestFactory& make : ControlTests()) {
    const std::unique_ptr<QObject> test = make();
    failed += QTest::qExec(test.get(), argc, argv);
  }
  return failed == 0 ? 0 : 1;
}
