#include "messages/ReadWarningMessages.h"

#include "base/MessageFormat.h"
#include "messages/FaultTexts.h"

namespace {

const char* WarningText(ReadWarning kind)
{
    switch (kind) {
    case ReadWarning::InvalidUtf8: return QRNConsts::sWarnInvalidUtf8;
    case ReadWarning::ByteOrderMark: return QRNConsts::sWarnByteOrderMark;
    case ReadWarning::OneFieldRow: return QRNConsts::sWarnOneFieldRow;
    case ReadWarning::TextCutShort: return QRNConsts::sWarnTextCutShort;
    case ReadWarning::SharedStringCut: return QRNConsts::sWarnSharedStringCut;
    case ReadWarning::CellGivenTwice: return QRNConsts::sWarnCellGivenTwice;
    case ReadWarning::RowGivenTwice: return QRNConsts::sWarnRowGivenTwice;
    }
    return "%s";
}

std::string WarningLine(const ReadWarnings::Warning& warning)
{
    const auto& d = warning.details;
    const auto detail = [&](std::size_t i) { return i < d.size() ? std::string_view(d[i]) : std::string_view(); };
    return FormatMessage(WarningText(warning.kind), {detail(0), detail(1)});
}

} // namespace

std::vector<std::string> ReadWarningLines(const ReadWarnings& warnings)
{
    std::vector<std::string> lines;
    for (std::size_t k = 0; k < kReadWarningKinds; ++k) {
        const auto kind = static_cast<ReadWarning>(k);
        const std::vector<ReadWarnings::Warning> kept = warnings.Kept(kind);
        for (const ReadWarnings::Warning& warning : kept) lines.push_back(WarningLine(warning));
        if (const std::size_t more = warnings.Count(kind) - kept.size(); more > 0)
            lines.push_back(FormatMessage(QRNConsts::sWarningsMore, {std::to_string(more)}));
    }
    return lines;
}
