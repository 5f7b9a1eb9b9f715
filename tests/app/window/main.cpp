#include "TestRegistry.h"

#include <QApplication>
#include <QTest>

#include <cstring>

std::vector<std::pair<const char*, TestFactory>>& TestClasses()
{
    static std::vector<std::pair<const char*, TestFactory>> classes;
    return classes;
}

// window_test [CLASS [QTEST-OPTIONS...]]: all classes, or the one named.
int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const char* only = argc > 1 && argv[1][0] != '-' ? argv[1] : nullptr;
    QStringList arguments{QString::fromLocal8Bit(argv[0])};
    for (int i = only ? 2 : 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);

    int failures = 0;
    bool found = false;
    for (const auto& [name, factory] : TestClasses()) {
        if (only && std::strcmp(only, name) != 0) continue;
        found = true;
        const std::unique_ptr<QObject> test = factory();
        failures += QTest::qExec(test.get(), arguments);
    }
    return found ? failures : 1;
}
