#include "scheme/AutoMapping.h"

#include "base/Utf8Text.h"
#include "catalogue/FieldCatalogue.h"
#include "catalogue/FieldSynonyms.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>

namespace {

// Units a header may end with; never a whole name.
constexpr std::array<std::string_view, 14> kUnits {"руб", "р", "rub", "грн", "uah", "шт", "г",
                                                   "гр", "кг", "мм", "см", "мин", "экз", "usd"};

bool IsLetterOrDigit(char32_t c)
{
    return (c >= U'0' && c <= U'9') || (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z')
        || (c >= U'\u0400' && c <= U'\u04FF');
}

std::u32string CodePoints(std::string_view text)
{
    std::u32string out;
    for (std::size_t pos = 0; pos < text.size();) out += NextCodePoint(text, pos);
    return out;
}

// Levenshtein distance of two names, stopping early past `limit`.
int Distance(const std::u32string& a, const std::u32string& b, int limit)
{
    if (std::abs(static_cast<int>(a.size()) - static_cast<int>(b.size())) > limit) return limit + 1;
    std::vector<int> previous(b.size() + 1);
    std::vector<int> current(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) previous[j] = static_cast<int>(j);
    for (std::size_t i = 1; i <= a.size(); ++i) {
        current[0] = static_cast<int>(i);
        int best = current[0];
        for (std::size_t j = 1; j <= b.size(); ++j) {
            current[j] = std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + (a[i - 1] != b[j - 1] ? 1 : 0)});
            best = std::min(best, current[j]);
        }
        if (best > limit) return limit + 1;
        std::swap(previous, current);
    }
    return previous[b.size()];
}

// How far a name may be from a known one and still be taken for it: only
// longer names, where a letter more or less is a slip, not another word.
int AllowedDistance(std::size_t length)
{
    if (length >= 10) return 2;
    if (length >= 6) return 1;
    return 0;
}

struct KnownName {
    std::string normalized;
    std::size_t field;  // index into the field list
    MatchReason reason;
};

struct Field {
    std::string fieldID;
    std::string caption;
};

} // namespace

std::string NormalizedHeaderName(std::string_view name)
{
    std::string spaced;
    for (std::size_t pos = 0; pos < name.size();) {
        char32_t c = NextCodePoint(name, pos);
        if (c == U'-' || c == U'\u2010' || c == U'\u2013') continue;
        if (c == U'ё' || c == U'Ё') c = U'е';
        if (IsLetterOrDigit(c)) AppendUtf8(spaced, c);
        else spaced += ' ';
    }
    std::vector<std::string> words;
    std::string word;
    for (const char c : LowerCase(spaced) + ' ') {
        if (c != ' ') {
            word += c;
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    while (words.size() > 1 && std::find(kUnits.begin(), kUnits.end(), words.back()) != kUnits.end())
        words.pop_back();
    std::string normalized;
    for (const std::string& w : words) normalized += (normalized.empty() ? "" : " ") + w;
    return normalized;
}

std::vector<ProposedMapping> ProposeMappings(const SchemeLines& lines, TDocumentType type,
                                             const std::vector<std::string>& columnNames)
{
    // The fields no line names yet, each once.
    std::vector<Field> fields;
    for (const TFieldEntry& entry : FieldTable(type)) {
        if (FindSchemeLine(lines, entry.FieldName) >= 0) continue;
        if (std::any_of(fields.begin(), fields.end(), [&](const Field& f) { return f.caption == entry.FieldName; }))
            continue;
        fields.push_back({entry.FieldID, entry.FieldName});
    }
    std::vector<KnownName> known;
    for (std::size_t f = 0; f < fields.size(); ++f) known.push_back({NormalizedHeaderName(fields[f].caption), f,
                                                                     MatchReason::Caption});
    for (const FieldSynonyms& synonyms : SynonymsOf(type)) {
        for (std::size_t f = 0; f < fields.size(); ++f) {
            if (fields[f].fieldID != synonyms.fieldID) continue;
            for (const std::string& name : synonyms.names)
                known.push_back({NormalizedHeaderName(name), f, MatchReason::KnownName});
            for (const std::string& name : synonyms.guesses)
                known.push_back({NormalizedHeaderName(name), f, MatchReason::Guess});
        }
    }

    // The best match of each column a line does not use yet.
    struct Candidate {
        std::size_t column;
        std::size_t field;
        MatchReason reason;
    };
    std::vector<Candidate> candidates;
    for (std::size_t c = 0; c < columnNames.size(); ++c) {
        const std::string trimmed = Trim(columnNames[c]);
        const bool used = std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
            const auto value = SchemeValuePart(line);
            return value && SameTextIgnoreCase(Trim(*value), trimmed);
        });
        const std::string name = NormalizedHeaderName(columnNames[c]);
        if (used || name.empty()) continue;
        std::optional<Candidate> best;
        for (const KnownName& k : known)
            if (k.normalized == name && (!best || k.reason < best->reason)) best = Candidate {c, k.field, k.reason};
        if (!best) {
            const std::u32string points = CodePoints(name);
            const int allowed = AllowedDistance(points.size());
            std::optional<std::size_t> field;
            bool ambiguous = false;
            for (const KnownName& k : known) {
                if (allowed == 0 || k.reason == MatchReason::Guess) continue;
                if (Distance(points, CodePoints(k.normalized), allowed) > allowed) continue;
                if (field && *field != k.field) ambiguous = true;
                field = k.field;
            }
            if (field && !ambiguous) best = Candidate {c, *field, MatchReason::Similar};
        }
        if (best) candidates.push_back(*best);
    }

    // Strongest reasons first, then from the left: each field and column once.
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate& a, const Candidate& b) { return a.reason < b.reason; });
    std::vector<bool> fieldTaken(fields.size());
    std::vector<std::optional<ProposedMapping>> byField(fields.size());
    for (const Candidate& candidate : candidates) {
        if (fieldTaken[candidate.field]) continue;
        fieldTaken[candidate.field] = true;
        byField[candidate.field] =
            ProposedMapping {fields[candidate.field].caption, Trim(columnNames[candidate.column]), candidate.reason};
    }
    std::vector<ProposedMapping> proposed;
    for (const auto& mapping : byField)
        if (mapping) proposed.push_back(*mapping);
    return proposed;
}

std::vector<ProposedMapping> AddConfidentMappings(SchemeLines& lines, TDocumentType type,
                                                  const std::vector<std::string>& columnNames)
{
    std::vector<ProposedMapping> added;
    for (const ProposedMapping& mapping : ProposeMappings(lines, type, columnNames)) {
        if (!mapping.Confident()) continue;
        DropColumnOnField(lines, mapping.caption, mapping.column);
        added.push_back(mapping);
    }
    return added;
}

int FindHeaderRow(TDocumentType type, const std::vector<std::vector<std::string>>& rows)
{
    int bestRow = 0;
    std::size_t bestCount = 0;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const auto proposed = ProposeMappings({}, type, rows[r]);
        const auto count = static_cast<std::size_t>(
            std::count_if(proposed.begin(), proposed.end(), [](const ProposedMapping& m) { return m.Confident(); }));
        if (count > bestCount) {
            bestCount = count;
            bestRow = static_cast<int>(r) + 1;
        }
    }
    return bestRow;
}
