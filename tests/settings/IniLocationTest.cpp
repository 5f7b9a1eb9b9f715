#include "settings/IniLocation.h"
#include "settings/IniStore.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>
#include <unistd.h>

namespace {

// Sets or unsets an environment variable for one test.
class EnvironmentVariable {
public:
    EnvironmentVariable(const char* name, const char* value) : name_(name)
    {
        if (const char* old = std::getenv(name)) previous_ = old;
        if (value) ::setenv(name, value, 1);
        else ::unsetenv(name);
    }
    ~EnvironmentVariable()
    {
        if (previous_) ::setenv(name_, previous_->c_str(), 1);
        else ::unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> previous_;
};

} // namespace

TEST(IniLocation, UsersFolderUnlessAPortableCopyKeepsItsOwn)
{
    TempFolder program;
    TempFolder config;
    EnvironmentVariable xdg("XDG_CONFIG_HOME", config.Path().c_str());
    const std::string users = config.File("quarnel/quarnel.ini");
    struct Case {
        const char* name;
        bool fileBeside;
        bool systemFolder; // the temporary folder stands in for /usr
        bool usesBeside;
        bool namesIgnored;
    };
    for (const Case& c : {Case{"installed, no file", false, true, false, false},
                          Case{"installed, a file beside", true, true, false, true},
                          Case{"portable, no file", false, false, false, false},
                          Case{"portable, its own file", true, false, true, false}}) {
        const std::string executable = program.File(std::string(c.name).substr(0, 5) + (c.fileBeside ? "-ini" : ""));
        if (c.fileBeside) WriteFileBytes(executable + ".ini", "[Params]\r\n");
        const std::vector<std::string> prefixes{c.systemFolder ? program.Path().string() : "/usr"};
        const IniLocation location = DefaultIniLocation(executable, prefixes);
        EXPECT_EQ(location.path, c.usesBeside ? executable + ".ini" : users) << c.name;
        EXPECT_EQ(location.ignored, c.namesIgnored ? executable + ".ini" : "") << c.name;
    }
    // Root's wizard in /usr/bin keeps its settings in root's own folder.
    EXPECT_EQ(DefaultIniLocation("/usr/bin/quarnel").path, users);
    EXPECT_EQ(DefaultIniLocation("").path, users);
}

TEST(IniLocation, HomeConfigFolderWithoutXdgConfigHome)
{
    TempFolder home;
    EnvironmentVariable homeVariable("HOME", home.Path().c_str());
    for (const char* xdg : {static_cast<const char*>(nullptr), "", "relative/config"}) {
        EnvironmentVariable xdgVariable("XDG_CONFIG_HOME", xdg);
        EXPECT_EQ(DefaultIniFileName("/nonexistent-quarnel-folder/quarnel"), home.File(".config/quarnel/quarnel.ini"));
    }
}

TEST(IniLocation, RunningExecutableNamesTheDefaultFile)
{
    const std::string executable = RunningExecutablePath();
    EXPECT_TRUE(executable.ends_with("/settings_test")) << executable;
    IniStore::SetIniFileName("");
    EXPECT_EQ(IniStore::GetIniFileName(), DefaultIniFileName(executable));
    IniStore::SetIniFileName("/tmp/explicit.ini");
    EXPECT_EQ(IniStore::GetIniFileName(), "/tmp/explicit.ini");
    IniStore::SetIniFileName("");
}
