#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <utility>

// A file that cannot be read or written, and why. It holds no text for the
// user: FileFaultMessage says it in Russian.
class FileFault : public std::runtime_error {
public:
    enum class Action { Read, Write };
    enum class Reason {
        SystemError,    // systemError says why
        NotRegularFile, // a device, FIFO or socket
        TooLarge,       // larger than limitBytes
    };

    FileFault(Action action, std::string path, Reason reason, int systemError = 0, std::size_t limitBytes = 0)
        : std::runtime_error("file cannot be used"), action(action), path(std::move(path)), reason(reason),
          systemError(systemError), limitBytes(limitBytes)
    {
    }

    Action action;
    std::string path;
    Reason reason;
    int systemError;
    std::size_t limitBytes;
};
