// Many Qt Test classes in one executable: each test file registers its class under the file's
// stem (layout_test), and the executable's first argument names the class to run, so that each
// class still runs in a process of its own, with its own application object, as QTEST_MAIN ran it.
// Usage in a test file, in place of QTEST_MAIN: GAUSS_QTEST_MAIN(LayoutTest).
#pragma once

#include <QTest>

namespace gauss_test {

using QtTestRunner = int (*)(int argc, char* argv[]);

// Registers RUNNER under the stem of SOURCE_PATH; returns true so that it can set a constant.
bool RegisterQtTest(const char* sourcePath, QtTestRunner runner);

}  // namespace gauss_test

// The body of Qt's QTEST_MAIN with a given application set-up, as a function of its own.
#define GAUSS_QTEST_RUNNER(TestObject, ...)                            \
  static int Run##TestObject(int argc, char* argv[]) {                 \
    QT_PREPEND_NAMESPACE(QTest::Internal::callInitMain)<TestObject>(); \
    __VA_ARGS__                                                        \
    TestObject tc;                                                     \
    QTEST_SET_MAIN_SOURCE_PATH                                         \
    return QTest::qExec(&tc, argc, argv);                              \
  }                                                                    \
  static const bool kRegistered##TestObject = gauss_test::RegisterQtTest(__FILE__, Run##TestObject);

// The application of QTEST_MAIN: a QApplication where the file links Qt Widgets.
#define GAUSS_QTEST_MAIN(TestObject) GAUSS_QTEST_RUNNER(TestObject, QTEST_MAIN_SETUP())
// The application of QTEST_GUILESS_MAIN: a QCoreApplication.
#define GAUSS_QTEST_GUILESS_MAIN(TestObject) \
  GAUSS_QTEST_RUNNER(TestObject, QTEST_QAPP_SETUP(QCoreApplication))
