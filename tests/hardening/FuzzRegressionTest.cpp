// Every input the fuzzers ever crashed on (fuzz/regressions/<target>/) and
// every seed kept in fuzz/seeds/, run through the fuzz targets' own code, so
// that the normal and the sanitizer test runs catch a fault coming back.
#include "FuzzTargets.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

struct KeptInput {
    std::string target;
    std::filesystem::path path;
};

// The path below the project, the same on every machine.
void PrintTo(const KeptInput& c, std::ostream* os)
{
    *os << c.path.lexically_relative(QUARNEL_SOURCE_DIR).generic_string();
}

std::vector<KeptInput> KeptInputs()
{
    std::vector<KeptInput> inputs;
    const std::filesystem::path fuzz = std::filesystem::path(QUARNEL_SOURCE_DIR) / "fuzz";
    for (const auto& target : FuzzTargets::All())
        for (const char* kind : {"regressions", "seeds"}) {
            const auto folder = fuzz / kind / target.name;
            if (!std::filesystem::is_directory(folder)) continue;
            for (const auto& entry : std::filesystem::directory_iterator(folder))
                if (entry.is_regular_file()) inputs.push_back({target.name, entry.path()});
        }
    std::sort(inputs.begin(), inputs.end(), [](const auto& a, const auto& b) { return a.path < b.path; });
    return inputs;
}

std::string TestName(const testing::TestParamInfo<KeptInput>& info)
{
    std::string name = info.param.target + "_" + info.param.path.parent_path().parent_path().filename().string() + "_"
                       + info.param.path.filename().string();
    std::replace_if(
        name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
}

class FuzzRegressionTest : public testing::TestWithParam<KeptInput> {};

TEST_P(FuzzRegressionTest, RunsThroughTheTargetCleanly)
{
    const auto& targets = FuzzTargets::All();
    const auto target =
        std::find_if(targets.begin(), targets.end(), [&](const auto& t) { return GetParam().target == t.name; });
    ASSERT_NE(target, targets.end());
    const std::string bytes = ReadFileBytes(GetParam().path.string());
    try {
        target->run(bytes);
    } catch (const std::exception& error) {
        FAIL() << GetParam().path << ": " << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(Kept, FuzzRegressionTest, testing::ValuesIn(KeptInputs()), TestName);

TEST(FuzzRegressionInputs, AreFoundFromTheProjectRoot)
{
    const auto inputs = KeptInputs();
    EXPECT_TRUE(std::any_of(inputs.begin(), inputs.end(), [](const KeptInput& input) {
        return input.path.string().find("regressions") != std::string::npos;
    }));
}

} // namespace
