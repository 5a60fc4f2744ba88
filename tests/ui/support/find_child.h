#pragma once

#include <QObject>
#include <QString>
#include <QTest>
#include <type_traits>

namespace UiTest {

// The parent's descendant of that type and object name. A missing one fails the
// running test with its name and is replaced by a fresh, unparented stand-in,
// so that one renamed widget fails its tests instead of crashing the program.
template <typename T>
T* FindChild(const QObject& parent, const QString& name) {
  static_assert(std::is_base_of_v<QObject, T>);
  if (auto* child = parent.findChild<T*>(name)) return child;
  const QString what =
      QStringLiteral("no %1 named \"%2\" under \"%3\"")
          .arg(QString::fromLatin1(T::staticMetaObject.className()), name, parent.objectName());
  QTest::qFail(qPrintable(what), __FILE__, __LINE__);
  // The stand-in is left to the end of the process: the test has already failed.
  auto* standIn = new T;
  standIn->setObjectName(name);
  return standIn;
}

template <typename T>
T* FindChild(const QObject& parent, const char* name) {
  return FindChild<T>(parent, QString::fromLatin1(name));
}

}  // namespace UiTest
