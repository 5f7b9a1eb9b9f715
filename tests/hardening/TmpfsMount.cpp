#include "TmpfsMount.h"

#include <cerrno>
#include <cstring>
#include <sched.h>
#include <stdexcept>
#include <sys/mount.h>
#include <unistd.h>

namespace {

// Empty on success. Once per process: later mounts share the namespace.
std::string EnterPrivateMountNamespace()
{
    static const std::string failure = []() -> std::string {
        if (::geteuid() != 0) return "mounting a file system needs root";
        if (::unshare(CLONE_NEWNS) != 0) return std::string("unshare: ") + std::strerror(errno);
        // Mounts made here must not reach the rest of the system.
        if (::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            return std::string("private mounts: ") + std::strerror(errno);
        return "";
    }();
    return failure;
}

} // namespace

TmpfsMount::TmpfsMount(const std::string& folder, std::size_t bytes) : folder_(folder)
{
    failure_ = EnterPrivateMountNamespace();
    if (!failure_.empty()) return;
    const std::string options = "size=" + std::to_string(bytes) + ",mode=0777";
    if (::mount("quarnel-test", folder_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) != 0) {
        failure_ = std::string("mount tmpfs: ") + std::strerror(errno);
        return;
    }
    mounted_ = true;
}

TmpfsMount::~TmpfsMount()
{
    if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
}

void TmpfsMount::MakeReadOnly()
{
    if (!mounted_) return;
    if (::mount("quarnel-test", folder_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV, nullptr) != 0)
        throw std::runtime_error(std::string("remount read-only: ") + std::strerror(errno));
}
