#pragma once

#include <stdexcept>
#include <string>

// The error the layers that speak to the user raise with a message of their
// own: a refusal worded in Russian that names the file or value (a file that
// would be written twice, a bad command-line parameter). The layers below
// raise faults with reason codes instead, which UserMessage words. The window
// shows either in a message box; the command line prints it and exits non-zero.
class QuarnelError : public std::runtime_error {
public:
    explicit QuarnelError(const std::string& message) : std::runtime_error(message) {}
};
