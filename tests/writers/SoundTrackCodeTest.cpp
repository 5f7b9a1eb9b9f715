#include "writers/SoundTrackCode.h"

#include "support/CaseName.h"

#include <gtest/gtest.h>

namespace {

struct SoundTrackCase {
    const char* cell;
    const char* expected;
};

void PrintTo(const SoundTrackCase& c, std::ostream* os)
{
    *os << CaseText(c.cell);
}

class SoundTrackCodeTest : public testing::TestWithParam<SoundTrackCase> {};

TEST_P(SoundTrackCodeTest, GivesTheCodeOfAKnownSpelling)
{
    EXPECT_EQ(SoundTrackCode(GetParam().cell), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, SoundTrackCodeTest,
                         testing::Values(SoundTrackCase{"mono", "A410"}, SoundTrackCase{"Mono", "A410"},
                                         SoundTrackCase{"stereo", "A420"}, SoundTrackCase{"Stereo 2.1", "A421"},
                                         SoundTrackCase{"STEREO2.1", "A421"}, SoundTrackCase{"stereo 2. 1", "A421"},
                                         SoundTrackCase{" Surround 4.1 ", "A441"},
                                         SoundTrackCase{"surround5.1", "A451"},
                                         // Only blanks are dropped, and only ASCII letters lowered.
                                         SoundTrackCase{"stereo\t2.1", "stereo\t2.1"},
                                         SoundTrackCase{"stereo2,1", "stereo2,1"}, SoundTrackCase{"Dolby", "Dolby"},
                                         SoundTrackCase{"Моно", "Моно"}, SoundTrackCase{"surround 7.1", "surround 7.1"},
                                         SoundTrackCase{"", ""}));

} // namespace
