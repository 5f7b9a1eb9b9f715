#pragma once

#include <map>
#include <string>
#include <vector>

struct ProcessOutput {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs a program to its end with the given arguments, the environment of the
// test plus `environment` (a variable set to "" is removed), and no standard
// input; collects its standard output and error.
ProcessOutput RunProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const std::map<std::string, std::string>& environment);
