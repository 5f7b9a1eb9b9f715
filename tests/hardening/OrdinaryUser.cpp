#include "OrdinaryUser.h"

#include <sys/fsuid.h>
#include <unistd.h>

namespace {

constexpr uid_t kNobody = 65534;

} // namespace

OrdinaryUserScope::OrdinaryUserScope()
{
    if (::geteuid() != 0) return;
    ::setfsgid(kNobody);
    ::setfsuid(kNobody);
    // setfsuid answers with the previous value; asking again tells whether
    // the switch took.
    switched_ = true;
    if (static_cast<uid_t>(::setfsuid(kNobody)) != kNobody)
        failure_ = "this system does not let root act as an ordinary user for file access";
}

OrdinaryUserScope::~OrdinaryUserScope()
{
    if (!switched_) return;
    ::setfsuid(0);
    ::setfsgid(0);
}
