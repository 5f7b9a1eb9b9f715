#include "FuzzTargets.h"

const std::vector<FuzzTargets::Target>& FuzzTargets::All()
{
    static const std::vector<Target> targets = {
        {"fuzz_xlsx", XlsxWorkbook},        {"fuzz_ods", OdsWorkbook},       {"fuzz_xls", XlsWorkbook},
        {"fuzz_scheme", SchemeFile},        {"fuzz_settings", SettingsFile}, {"fuzz_sent_date", SentDate},
        {"fuzz_conversion", ConversionRun},
    };
    return targets;
}
