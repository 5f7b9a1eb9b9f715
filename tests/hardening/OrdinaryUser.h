#pragma once

#include <string>

// While it lives, file access of this thread is checked as for an ordinary
// user, also when the tests run as root (as CI does): the thread's file-system
// user and group become "nobody", which also takes away root's right to
// ignore permissions. Run without root, the tests are an ordinary user
// already and nothing changes. Files the test made keep their owner, so a
// folder meant to be reachable must allow others to enter it.
class OrdinaryUserScope {
public:
    OrdinaryUserScope();
    ~OrdinaryUserScope();
    OrdinaryUserScope(const OrdinaryUserScope&) = delete;
    OrdinaryUserScope& operator=(const OrdinaryUserScope&) = delete;

    // Empty when permissions now apply; otherwise why they do not.
    const std::string& Failure() const { return failure_; }

private:
    bool switched_ = false;
    std::string failure_;
};
