#include "settings/IniLocation.h"
#include "settings/IniStore.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <sys/stat.h>
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

TEST(IniLocation, BesideAnExecutableInAWritableFolder)
{
    TempFolder folder;
    EXPECT_EQ(DefaultIniFileName(folder.File("quarnel")), folder.File("quarnel.ini"));
    // A renamed executable has settings of its own.
    EXPECT_EQ(DefaultIniFileName(folder.File("quarnel-convert")), folder.File("quarnel-convert.ini"));
}

TEST(IniLocation, PerUserFolderWhenTheExecutablesFolderIsNotWritable)
{
    TempFolder config;
    EnvironmentVariable xdg("XDG_CONFIG_HOME", config.Path().c_str());
    EXPECT_EQ(DefaultIniFileName("/nonexistent-quarnel-folder/quarnel"), config.File("quarnel/quarnel.ini"));
    EXPECT_EQ(DefaultIniFileName(""), config.File("quarnel/quarnel.ini"));
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

TEST(IniLocation, ExistingFileBesideAReadOnlyExecutableFolderIsKept)
{
    TempFolder folder;
    WriteFileBytes(folder.File("quarnel.ini"), "[Params]\r\n");
    ::chmod(folder.Path().c_str(), 0555);
    if (::access(folder.Path().c_str(), W_OK) == 0) GTEST_SKIP() << "the folder stays writable for this user (root)";
    TempFolder config;
    EnvironmentVariable xdg("XDG_CONFIG_HOME", config.Path().c_str());
    EXPECT_EQ(DefaultIniFileName(folder.File("quarnel")), folder.File("quarnel.ini"));
    EXPECT_EQ(DefaultIniFileName(folder.File("other")), config.File("quarnel/quarnel.ini"));
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
