#pragma once

#include <QApplication>
#include <QTest>

// The one main of every test program. The browser engine needs shared GL contexts before the application exists;
// the other programs do not mind. A test class's static initMain runs first, as with QTEST_MAIN.
#define QUILL_TEST_MAIN(TestObject)                                                                                    \
    int main(int argc, char* argv[]) {                                                                                 \
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);                                                    \
        QTest::Internal::callInitMain<TestObject>();                                                                   \
        QApplication app(argc, argv);                                                                                  \
        TestObject test;                                                                                               \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
