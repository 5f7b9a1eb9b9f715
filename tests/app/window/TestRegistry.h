#pragma once

#include <QObject>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

// The Qt Test classes of the window test, each run by name from main.
using TestFactory = std::function<std::unique_ptr<QObject>()>;

std::vector<std::pair<const char*, TestFactory>>& TestClasses();

struct TestClassRegistration {
    TestClassRegistration(const char* name, TestFactory factory)
    {
        TestClasses().emplace_back(name, std::move(factory));
    }
};

#define REGISTER_WINDOW_TEST(Class)                                                                                    \
    static const TestClassRegistration registration##Class(#Class, [] { return std::make_unique<Class>(); })
