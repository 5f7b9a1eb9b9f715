#include "scheme/AutoMapping.h"

#include "base/Utf8Text.h"
#include "catalogue/FieldCatalogue.h"
#include "catalogue/FieldSynonyms.h"
#include "scheme/ArticleFromName.h"
#include "scheme/ArticleProposal.h"

#include <algorithm>
#include <cctype>
#include <array>
#include <bit>
#include <initializer_list>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <unordered_map>

namespace {

// Units a header may end with; never a whole name.
constexpr std::array<std::string_view, 27> kUnits{"руб", "р",   "рубли", "рублей", "коп", "rub", "грн", "uah", "usd",
                                                  "шт",  "pcs", "г",     "гр",     "кг",  "g",   "kg",  "oz",  "мм",
                                                  "см",  "mm",  "cm",    "гб",     "gb",  "мин", "мес", "дн",  "экз"};

// What may stand before a unit: "Цена в руб.", "Price in USD".
constexpr std::array<std::string_view, 2> kUnitPrepositions{"в", "in"};

bool IsLetterOrDigit(char32_t c)
{
    return (c >= U'0' && c <= U'9') || (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z')
           || (c >= U'\u0400' && c <= U'\u04FF');
}

bool IsUpper(char32_t c)
{
    return (c >= U'A' && c <= U'Z') || (c >= U'\u0400' && c <= U'\u042F');
}

bool IsLower(char32_t c)
{
    return (c >= U'a' && c <= U'z') || (c >= U'\u0430' && c <= U'\u045F');
}

bool IsLatin(char32_t c)
{
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z');
}

// Where one word of a name written without blanks ends: "ЦенаБезНДС",
// "printingMethod", "IDТовара".
bool StartsWord(char32_t previous, char32_t c)
{
    if (IsLower(previous) && IsUpper(c)) return true;
    const bool letters = (IsUpper(previous) || IsLower(previous)) && (IsUpper(c) || IsLower(c));
    return letters && IsLatin(previous) != IsLatin(c);
}

// The name without its remarks in brackets: "Гарантия (мес)", "SKU (Не менять!)".
// A header text longer than any name a supplier gives a column is scored by
// its start: normalising whole cells of long texts for every type and row the
// header search tries would cost seconds, and no known name is that long.
constexpr std::size_t kLongestScoredName = 4096;

std::string_view ScoredName(std::string_view name)
{
    if (name.size() <= kLongestScoredName) return name;
    std::size_t end = kLongestScoredName;
    // Not inside a character.
    while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) --end;
    return name.substr(0, end);
}

std::string WithoutRemarks(std::string_view name)
{
    std::string out;
    int depth = 0;
    for (const char c : name) {
        if (c == '(' || c == '[') ++depth;
        else if ((c == ')' || c == ']') && depth > 0) --depth;
        else if (depth == 0) out += c;
    }
    return out;
}

// The last part of a 1C report's compound name ("Номенклатура.Артикул"):
// the text after its last full stop that a letter follows; "" for a name
// without one.
std::string LastCompoundPart(std::string_view name)
{
    const std::string trimmed = Trim(name);
    const auto dot = trimmed.find_last_of('.');
    if (dot == std::string::npos || dot == 0 || dot + 1 >= trimmed.size()) return {};
    const auto next = static_cast<unsigned char>(trimmed[dot + 1]);
    if (next == ' ' || (next < 0x80 && !std::isalpha(next))) return {};
    return trimmed.substr(dot + 1);
}

std::u32string CodePoints(std::string_view text)
{
    std::u32string out;
    for (std::size_t pos = 0; pos < text.size();) out += NextCodePoint(text, pos);
    return out;
}

// Levenshtein distance of two names, stopping early past `limit`. The two
// rows of the table are the caller's, kept over the many names it compares.
int Distance(const std::u32string& a, const std::u32string& b, int limit, std::vector<int>& previous,
             std::vector<int>& current)
{
    if (std::abs(static_cast<int>(a.size()) - static_cast<int>(b.size())) > limit) return limit + 1;
    previous.assign(b.size() + 1, 0);
    current.assign(b.size() + 1, 0);
    for (std::size_t j = 0; j <= b.size(); ++j) previous[j] = static_cast<int>(j);
    for (std::size_t i = 1; i <= a.size(); ++i) {
        current[0] = static_cast<int>(i);
        int best = current[0];
        for (std::size_t j = 1; j <= b.size(); ++j) {
            current[j] =
                std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + (a[i - 1] != b[j - 1] ? 1 : 0)});
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

// The letters a name holds, each as one of 64 bits. An edit changes at most
// two of them, so two names whose sets differ in more than twice the allowed
// distance are never within it, which a wide header tells without comparing.
std::uint64_t LetterSet(const std::u32string& points)
{
    std::uint64_t set = 0;
    for (const char32_t c : points) set |= std::uint64_t{1} << (c % 64);
    return set;
}

struct KnownName {
    KnownName(std::string name, std::size_t field, MatchReason reason, bool weak = false)
        : normalized(std::move(name)), points(CodePoints(normalized)), letters(LetterSet(points)), field(field),
          reason(reason), weak(weak)
    {
    }

    std::string normalized;
    std::u32string points; // of `normalized`, for the distance to a column's name
    std::uint64_t letters;
    std::size_t field; // index into the field list
    MatchReason reason;
    bool weak = false; // yields to a column with a stronger name of the field
};

struct Field {
    std::string fieldID;
    std::string caption;
};

struct Candidate {
    std::size_t column;
    std::size_t field;
    MatchReason reason;
    bool weak = false;
};

// The field a normalised column name means: the strongest known name equal
// to it, else the one field with a name a letter or two away.
// The known names of a type's fields, with each name's places among them: a
// wide header looks every column's name up rather than comparing it to them all.
struct KnownNames {
    void Add(KnownName name)
    {
        byName[name.normalized].push_back(all.size());
        // A guess is never taken for a name a letter or two off.
        if (name.reason != MatchReason::Guess) {
            if (byLength.size() <= name.points.size()) byLength.resize(name.points.size() + 1);
            byLength[name.points.size()].push_back(all.size());
        }
        all.push_back(std::move(name));
    }

    std::vector<KnownName> all;
    std::unordered_map<std::string, std::vector<std::size_t>> byName;
    std::vector<std::vector<std::size_t>> byLength; // by code points
};

std::optional<Candidate> BestMatch(std::size_t column, const std::string& name, const KnownNames& known)
{
    std::optional<Candidate> best;
    if (const auto same = known.byName.find(name); same != known.byName.end()) {
        for (const std::size_t at : same->second) {
            const KnownName& k = known.all[at];
            if (!best || k.reason < best->reason || (k.reason == best->reason && best->weak))
                best = Candidate{column, k.field, k.reason, k.weak};
        }
    }
    if (best) return best;
    const std::u32string points = CodePoints(name);
    const int allowed = AllowedDistance(points.size());
    if (allowed == 0) return std::nullopt;
    const std::uint64_t letters = LetterSet(points);
    std::optional<std::size_t> field;
    std::vector<int> previous;
    std::vector<int> current;
    // Only names within the distance in length can be within it at all.
    const std::size_t shortest = points.size() - static_cast<std::size_t>(allowed);
    const std::size_t longest = points.size() + static_cast<std::size_t>(allowed);
    for (std::size_t length = shortest; length <= longest && length < known.byLength.size(); ++length) {
        for (const std::size_t at : known.byLength[length]) {
            const KnownName& k = known.all[at];
            if (std::popcount(letters ^ k.letters) > 2 * allowed) continue;
            if (Distance(points, k.points, allowed, previous, current) > allowed) continue;
            if (field && *field != k.field) return std::nullopt;
            field = k.field;
        }
    }
    if (!field) return std::nullopt;
    return Candidate{column, *field, MatchReason::Similar};
}

// A column a merged header cell covers without naming it apart: "Цена [AA]"
// beside "Цена". Its cells are most often empty; the first column is the one
// to map.
bool IsCoveredColumn(const std::vector<std::string>& columnNames, std::size_t c)
{
    const std::string& name = columnNames[c];
    if (name.empty() || name.back() != ']') return false;
    const std::size_t open = name.rfind(" [");
    if (open == std::string::npos) return false;
    const std::string head = name.substr(0, open);
    const std::string letters = name.substr(open + 2, name.size() - open - 3);
    if (letters.empty() || !std::all_of(letters.begin(), letters.end(), [](char l) { return l >= 'A' && l <= 'Z'; }))
        return false;
    return std::find(columnNames.begin(), columnNames.begin() + static_cast<long>(c), head)
           != columnNames.begin() + static_cast<long>(c);
}

std::optional<std::size_t> FieldIndex(const std::vector<Field>& fields, std::string_view fieldID)
{
    for (std::size_t f = 0; f < fields.size(); ++f)
        if (fields[f].fieldID == fieldID) return f;
    return std::nullopt;
}

// The first data rows the mapping reads, and which of them hold products:
// two filled cells or more (a group heading holds one), told once for them all
// rather than once a column.
struct SampleRows {
    explicit SampleRows(const std::vector<std::vector<std::string>>& rows) : texts(rows)
    {
        for (const std::vector<std::string>& row : rows) {
            const auto filled =
                std::count_if(row.begin(), row.end(), [](const std::string& cell) { return !Trim(cell).empty(); });
            if (filled >= 2) products.push_back(&row);
        }
    }
    bool empty() const { return texts.empty(); }

    const std::vector<std::vector<std::string>>& texts;
    std::vector<const std::vector<std::string>*> products;
};

// The texts of a column in the rows that hold products.
std::vector<std::string> ProductCells(const SampleRows& rows, std::size_t column)
{
    std::vector<std::string> cells;
    for (const std::vector<std::string>* row : rows.products)
        cells.push_back(column < row->size() ? Trim((*row)[column]) : std::string());
    return cells;
}

bool FilledOnEveryProductRow(const SampleRows& rows, std::size_t column)
{
    const std::vector<std::string> cells = ProductCells(rows, column);
    return !cells.empty()
           && std::none_of(cells.begin(), cells.end(), [](const std::string& cell) { return cell.empty(); });
}

// The 13 digits of a code written with or without hyphens and blanks; "" for
// anything else.
std::string ThirteenDigits(const std::string& text)
{
    std::string digits;
    for (const char c : text) {
        if (c >= '0' && c <= '9') digits += c;
        else if (c != '-' && c != ' ') return {};
    }
    return digits.size() == 13 ? digits : std::string();
}

bool HasEanCheckDigit(const std::string& digits)
{
    int sum = 0;
    for (std::size_t i = 0; i < 12; ++i) sum += (digits[i] - '0') * (i % 2 == 0 ? 1 : 3);
    return (10 - sum % 10) % 10 == digits[12] - '0';
}

// What the filled cells of a column are, when nine in ten of them at least
// (and three at least) agree: ISBN-like codes, EAN-13 codes, or neither.
enum class CodeColumn { None, Isbn, Ean };

CodeColumn CodesIn(const SampleRows& rows, std::size_t column)
{
    int filled = 0, isbns = 0, eans = 0;
    for (const std::string& cell : ProductCells(rows, column)) {
        if (cell.empty()) continue;
        ++filled;
        const std::string digits = ThirteenDigits(cell);
        if (digits.empty()) continue;
        if (digits.starts_with("978") || digits.starts_with("979")) ++isbns;
        else if (HasEanCheckDigit(digits)) ++eans;
    }
    if (filled < 3) return CodeColumn::None;
    if (isbns * 10 >= filled * 9) return CodeColumn::Isbn;
    if ((isbns + eans) * 10 >= filled * 9) return CodeColumn::Ean;
    return CodeColumn::None;
}

// Whether a scheme line uses the column already.
bool IsColumnInScheme(const SchemeLines& lines, const std::string& column)
{
    const std::string trimmed = Trim(column);
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) {
        const auto value = SchemeValuePart(line);
        return value && SameTextIgnoreCase(Trim(*value), trimmed);
    });
}

// A column the header leaves unnamed: "[B]".
bool IsUnnamedColumn(const std::string& name)
{
    return name.size() > 2 && name.front() == '[' && name.back() == ']'
           && std::all_of(name.begin() + 1, name.end() - 1, [](char c) { return c >= 'A' && c <= 'Z'; });
}

// Names: texts with a letter in nine cells of ten, of three words or more
// there, or else of 12 characters or more on average: the names of a list
// without a header ("Амортизатор задний"), not its brands or units.
bool HoldsNames(const std::vector<std::string>& cells)
{
    long words = 0, lettered = 0;
    std::size_t length = 0;
    for (const std::string& cell : cells) {
        const bool letter = std::any_of(cell.begin(), cell.end(), [](char c) {
            return static_cast<unsigned char>(c) >= 0x80 || std::isalpha(static_cast<unsigned char>(c));
        });
        lettered += letter;
        words += letter && std::count(cell.begin(), cell.end(), ' ') >= 2;
        length += Utf8Length(cell);
    }
    const long enough = static_cast<long>(cells.size()) * 9;
    return !cells.empty() && lettered * 10 >= enough && (words * 10 >= enough || length >= 12 * cells.size());
}

// Fields by what the rows hold, for the columns nothing names.
void AddContentCandidates(const std::vector<Field>& fields, const std::vector<std::string>& columnNames,
                          const SchemeLines& lines, const SampleRows& rows, std::vector<Candidate>& candidates)
{
    if (rows.empty()) return;
    std::vector<std::pair<std::size_t, CodeColumn>> codes;
    for (std::size_t c = 0; c < columnNames.size(); ++c) {
        const bool used = IsColumnInScheme(lines, columnNames[c]);
        const bool named = std::any_of(candidates.begin(), candidates.end(), [&](const Candidate& candidate) {
            return candidate.column == c && candidate.reason < MatchReason::Guess;
        });
        if (used || named) continue;
        if (const CodeColumn kind = CodesIn(rows, c); kind != CodeColumn::None) codes.push_back({c, kind});
    }
    // An unnamed column of codes, unique on the product rows, is the article, one
    // of long texts the name, where no column is named for them.
    const auto unnamed = [&](std::string_view fieldID, bool (*holds)(const std::vector<std::string>&)) {
        const std::optional<std::size_t> field = FieldIndex(fields, fieldID);
        if (!field
            || std::any_of(candidates.begin(), candidates.end(), [&](const Candidate& c) { return c.field == *field; }))
            return;
        for (std::size_t c = 0; c < columnNames.size(); ++c) {
            if (!IsUnnamedColumn(columnNames[c])
                || std::any_of(candidates.begin(), candidates.end(), [&](const Candidate& k) { return k.column == c; }))
                continue;
            const std::vector<std::string> cells = ProductCells(rows, c);
            if (cells.size() >= 3 && holds(cells)) {
                candidates.push_back({c, *field, MatchReason::Content});
                return;
            }
        }
    };
    unnamed("RecordReference", HoldsUniqueCodes);
    unnamed("Title", HoldsNames);
    unnamed("ProductName", HoldsNames);
    const auto isbnColumns =
        std::count_if(codes.begin(), codes.end(), [](const auto& code) { return code.second == CodeColumn::Isbn; });
    const std::optional<std::size_t> isbnField = FieldIndex(fields, "ISBN");
    const std::optional<std::size_t> eanField = FieldIndex(fields, "EAN13");
    for (const auto& [column, kind] : codes) {
        if (kind == CodeColumn::Isbn && isbnField && isbnColumns == 1)
            candidates.push_back({column, *isbnField, MatchReason::Content});
        else if (eanField) candidates.push_back({column, *eanField, MatchReason::Content});
    }
}

// What a price column's name says of its price.
enum class PriceMark { Plain, WithoutVat, Wholesale, WithVat, Retail };

std::vector<std::string> Words(const std::string& normalized)
{
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start <= normalized.size()) {
        const std::size_t end = std::min(normalized.find(' ', start), normalized.size());
        if (end > start) words.push_back(normalized.substr(start, end - start));
        start = end + 1;
    }
    return words;
}

bool AnyWordStarts(const std::vector<std::string>& words, std::initializer_list<std::string_view> starts)
{
    return std::any_of(words.begin(), words.end(), [&](const std::string& word) {
        return std::any_of(starts.begin(), starts.end(),
                           [&](std::string_view start) { return word.starts_with(start); });
    });
}

bool Contains(const std::string& normalized, std::initializer_list<std::string_view> parts)
{
    const std::string padded = " " + normalized + " ";
    return std::any_of(parts.begin(), parts.end(), [&](std::string_view part) {
        return padded.find(" " + std::string(part) + " ") != std::string::npos;
    });
}

// A column whose name speaks of a price: "Цена", "Цены оптовые", "Розница",
// "ОПТ", "РРЦ", "Price", "Базовая", a distributor's "DDP" (delivered duty
// paid). Not "Стоимость": most often a line's total.
bool IsPriceColumn(const std::string& normalized)
{
    const std::vector<std::string> words = Words(normalized);
    return AnyWordStarts(words, {"цен", "цін", "price", "prix", "розниц", "wholesale", "retail"})
           || Contains(normalized, {"опт", "розн", "ррц", "rrp", "ddp"}) || normalized == "базовая";
}

PriceMark MarkOf(const std::string& normalized)
{
    if (Contains(normalized, {"с ндс", "с учетом ндс", "вкл ндс", "включая ндс", "incl vat", "with vat", "з пдв"}))
        return PriceMark::WithVat;
    if (Contains(normalized, {"без ндс", "excl vat", "without vat", "без пдв"})) return PriceMark::WithoutVat;
    const std::vector<std::string> words = Words(normalized);
    if (AnyWordStarts(words, {"розн", "роздр", "рекоменд", "retail"}) || Contains(normalized, {"ррц", "rrp"}))
        return PriceMark::Retail;
    if (AnyWordStarts(words, {"опт", "дилер", "wholesale", "dealer"})) return PriceMark::Wholesale;
    return PriceMark::Plain;
}

// The price the names alone do not settle: the sheet's one price column (not
// counting prices with VAT and retail prices) is the list price (the
// invoice's price); among several, the one named without VAT, else the
// wholesale one. A price with VAT, and in a price list a retail
// price, stays a guess: no field holds it. An invoice's retail column is its
// recommended price.
void AddPriceCandidates(TDocumentType type, const std::vector<Field>& fields,
                        const std::vector<std::string>& columnNames, const SchemeLines& lines, const SampleRows& rows,
                        std::vector<Candidate>& candidates)
{
    const bool invoice = type == kInvoiceType;
    const std::optional<std::size_t> priceField = FieldIndex(fields, invoice ? "Price" : "Price01");
    std::optional<std::size_t> retailField;
    if (invoice) retailField = FieldIndex(fields, "RecommendedPrice");
    const auto confidentFor = [&](std::size_t field) {
        return std::any_of(candidates.begin(), candidates.end(),
                           [&](const Candidate& c) { return c.field == field && c.reason < MatchReason::Price; });
    };
    std::vector<std::pair<std::size_t, PriceMark>> prices;
    for (std::size_t c = 0; c < columnNames.size(); ++c) {
        const std::string normalized = NormalizedHeaderName(ScoredName(columnNames[c]));
        if (!IsPriceColumn(normalized) || IsCoveredColumn(columnNames, c)) continue;
        const bool used = IsColumnInScheme(lines, columnNames[c]);
        const bool named = std::any_of(candidates.begin(), candidates.end(), [&](const Candidate& candidate) {
            return candidate.column == c && candidate.reason < MatchReason::Price;
        });
        if (!used && !named) prices.push_back({c, MarkOf(normalized)});
    }
    std::vector<std::size_t> plain;
    std::vector<std::size_t> withoutVat;
    std::vector<std::size_t> wholesale;
    for (const auto& [column, mark] : prices) {
        if (mark == PriceMark::Retail && retailField && !confidentFor(*retailField))
            candidates.push_back({column, *retailField, MatchReason::Price});
        if (mark == PriceMark::Plain || mark == PriceMark::WithoutVat || mark == PriceMark::Wholesale)
            plain.push_back(column);
        if (mark == PriceMark::WithoutVat) withoutVat.push_back(column);
        if (mark == PriceMark::Wholesale) wholesale.push_back(column);
    }
    if (!priceField || confidentFor(*priceField)) return;
    std::optional<std::size_t> chosen;
    if (plain.size() == 1) chosen = plain.front();
    else if (withoutVat.size() == 1) chosen = withoutVat.front();
    else if (wholesale.size() == 1) chosen = wholesale.front();
    if (chosen) {
        candidates.push_back({*chosen, *priceField, MatchReason::Price});
        return;
    }
    // The sheet's one price that the rows fill is retail or with VAT: a
    // guess, for a person to confirm, rather than no price at all.
    const bool anyForPrice =
        std::any_of(candidates.begin(), candidates.end(), [&](const Candidate& c) { return c.field == *priceField; });
    std::vector<std::size_t> filled;
    for (const auto& price : prices) {
        const std::vector<std::string> cells = ProductCells(rows, price.first);
        if (rows.empty()
            || std::any_of(cells.begin(), cells.end(), [](const std::string& cell) { return !cell.empty(); }))
            filled.push_back(price.first);
    }
    if (!anyForPrice && filled.size() == 1) candidates.push_back({filled.front(), *priceField, MatchReason::Guess});
}

} // namespace

std::string NormalizedHeaderName(std::string_view name)
{
    std::string spaced;
    char32_t previous = 0;
    for (std::size_t pos = 0; pos < name.size();) {
        char32_t c = NextCodePoint(name, pos);
        if (c == U'-' || c == U'\u2010' || c == U'\u2013') {
            // "Коли-\nчество": a word broken over two lines is one word.
            while (pos < name.size() && (name[pos] == ' ' || name[pos] == '\n' || name[pos] == '\r')) ++pos;
            continue;
        }
        if (c == U'ё' || c == U'Ё') c = U'е';
        if (StartsWord(previous, c)) spaced += ' ';
        if (IsLetterOrDigit(c)) AppendUtf8(spaced, c);
        else spaced += ' ';
        previous = c;
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
    const auto endsWith = [&words](const auto& list) {
        return words.size() > 1 && std::find(list.begin(), list.end(), words.back()) != list.end();
    };
    bool unitDropped = false;
    while (endsWith(kUnits)) {
        words.pop_back();
        unitDropped = true;
    }
    if (unitDropped && endsWith(kUnitPrepositions)) words.pop_back();
    std::string normalized;
    for (const std::string& w : words) normalized += (normalized.empty() ? "" : " ") + w;
    return normalized;
}

std::vector<ProposedMapping> ProposeMappings(const SchemeLines& lines, TDocumentType type,
                                             const std::vector<std::string>& columnNames,
                                             const std::vector<std::vector<std::string>>& rows)
{
    const SampleRows sample(rows);
    // The fields no line names yet, each once; a line naming a column the
    // workbook lacks maps nothing.
    const auto mapped = [&](const std::string& caption) {
        const int at = FindSchemeLine(lines, caption);
        if (at < 0) return false;
        const std::string column = Trim(SchemeValuePart(lines[static_cast<std::size_t>(at)]).value_or(""));
        return std::any_of(columnNames.begin(), columnNames.end(),
                           [&](const std::string& name) { return SameTextIgnoreCase(Trim(name), column); });
    };
    std::vector<Field> fields;
    for (const TFieldEntry& entry : FieldTable(type)) {
        if (mapped(entry.FieldName)) continue;
        if (std::any_of(fields.begin(), fields.end(), [&](const Field& f) { return f.caption == entry.FieldName; }))
            continue;
        fields.push_back({entry.FieldID, entry.FieldName});
    }
    KnownNames known;
    for (std::size_t f = 0; f < fields.size(); ++f)
        known.Add({NormalizedHeaderName(fields[f].caption), f, MatchReason::Caption});
    for (const FieldSynonyms& synonyms : SynonymsOf(type)) {
        for (std::size_t f = 0; f < fields.size(); ++f) {
            if (fields[f].fieldID != synonyms.fieldID) continue;
            for (const std::string& name : synonyms.names)
                known.Add({NormalizedHeaderName(name), f, MatchReason::KnownName});
            for (const std::string& name : synonyms.guesses)
                known.Add({NormalizedHeaderName(name), f, MatchReason::Guess});
            for (const std::string& name : synonyms.weakNames)
                known.Add({NormalizedHeaderName(name), f, MatchReason::KnownName, true});
        }
    }

    // The best match of each column a line does not use yet.
    std::vector<Candidate> candidates;
    for (std::size_t c = 0; c < columnNames.size(); ++c) {
        const bool used = IsColumnInScheme(lines, columnNames[c]);
        if (used || IsCoveredColumn(columnNames, c) || IsReservedColumn(columnNames[c])) continue;
        const std::string normalized = NormalizedHeaderName(ScoredName(columnNames[c]));
        if (normalized.empty()) continue;
        // The whole name first; its remarks in brackets left out only when
        // the whole name says nothing.
        std::optional<Candidate> best = BestMatch(c, normalized, known);
        if (!best) {
            // Weaker than a whole name: "Количество [P]" under a merged
            // header yields to "Количество (масса нетто)", and a 1C report's
            // "Номенклатура.Артикул" names what its last part names.
            const std::string plain = NormalizedHeaderName(WithoutRemarks(ScoredName(columnNames[c])));
            if (!plain.empty()) best = BestMatch(c, plain, known);
            if (const std::string last = LastCompoundPart(ScoredName(columnNames[c])); !best && !last.empty())
                best = BestMatch(c, NormalizedHeaderName(last), known);
            if (best) best->weak = true;
        }
        if (best) candidates.push_back(*best);
    }

    // A weak name yields to any other column named for its field, a guess
    // too: "Код" (of the unit) beside "Код товара/работ, услуг"; unless the
    // rows show the weak one filled on every product row and the other not.
    std::erase_if(candidates, [&](const Candidate& weak) {
        return weak.weak && std::any_of(candidates.begin(), candidates.end(), [&](const Candidate& other) {
                   return !other.weak && other.field == weak.field
                          && !(FilledOnEveryProductRow(sample, weak.column)
                               && !FilledOnEveryProductRow(sample, other.column));
               });
    });
    std::erase_if(candidates, [&](const Candidate& strong) {
        return !strong.weak && std::any_of(candidates.begin(), candidates.end(), [&](const Candidate& weak) {
            return weak.weak && weak.field == strong.field;
        });
    });
    AddContentCandidates(fields, columnNames, lines, sample, candidates);
    // A list without a name column names its goods in the description
    // ("Description" of a distributor's list).
    const std::optional<std::size_t> titleField = FieldIndex(fields, "Title");
    const std::optional<std::size_t> annotationField = FieldIndex(fields, "Annotation");
    if (titleField && annotationField && std::none_of(candidates.begin(), candidates.end(), [&](const Candidate& c) {
            return c.field == *titleField;
        }))
        for (Candidate& candidate : candidates) {
            const std::string name = NormalizedHeaderName(ScoredName(columnNames[candidate.column]));
            if (candidate.field == *annotationField && (name == "description" || name == "описание"))
                candidate.field = *titleField;
        }
    AddPriceCandidates(type, fields, columnNames, lines, sample, candidates);

    // Strongest reasons first (a weak name after a strong one), then from the
    // left: each field and column once.
    std::stable_sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
        return a.reason != b.reason ? a.reason < b.reason : !a.weak && b.weak;
    });
    std::vector<bool> fieldTaken(fields.size());
    std::vector<std::optional<ProposedMapping>> byField(fields.size());
    for (const Candidate& candidate : candidates) {
        if (fieldTaken[candidate.field]) continue;
        fieldTaken[candidate.field] = true;
        byField[candidate.field] =
            ProposedMapping{fields[candidate.field].caption, Trim(columnNames[candidate.column]), candidate.reason};
    }
    const auto inListOrder = [&byField] {
        std::vector<ProposedMapping> proposed;
        for (const auto& mapping : byField)
            if (mapping) proposed.push_back(*mapping);
        return proposed;
    };
    if (const std::optional<std::size_t> article = FieldIndex(fields, "RecordReference"); article && !byField[*article])
        byField[*article] = ProposeArticle(type, lines, columnNames, inListOrder(), sample.products);
    return inListOrder();
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

namespace {

std::size_t ConfidentPairs(std::optional<TDocumentType> type, const std::vector<std::string>& names)
{
    std::size_t best = 0;
    for (int index = 0; index < kDocumentTypeCount; ++index) {
        const TDocumentType t = *DocumentTypeAt(index);
        if (type && *type != t) continue;
        const auto proposed = ProposeMappings({}, t, names);
        best = std::max(
            best, static_cast<std::size_t>(std::count_if(proposed.begin(), proposed.end(),
                                                         [](const ProposedMapping& m) { return m.Confident(); })));
    }
    return best;
}

// A header of two rows: "upper lower" for each column.
std::vector<std::string> Joined(const std::vector<std::string>& upper, const std::vector<std::string>& lower)
{
    std::vector<std::string> names(std::max(upper.size(), lower.size()));
    for (std::size_t c = 0; c < names.size(); ++c) {
        const std::string a = c < upper.size() ? upper[c] : std::string();
        const std::string b = c < lower.size() ? lower[c] : std::string();
        names[c] = a.empty() || b.empty() ? a + b : a + " " + b;
    }
    return names;
}

} // namespace

int FindHeaderRow(std::optional<TDocumentType> type, const std::vector<std::vector<std::string>>& rows)
{
    int bestRow = 0;
    std::size_t bestCount = 0;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        std::size_t count = ConfidentPairs(type, rows[r]);
        // Two rows count as one header only where together they name more
        // than the lower alone: a title above the header is no upper row.
        if (r + 1 < rows.size()) {
            const std::size_t joined = ConfidentPairs(type, Joined(rows[r], rows[r + 1]));
            if (joined > ConfidentPairs(type, rows[r + 1])) count = std::max(count, joined);
        }
        if (count > bestCount) {
            bestCount = count;
            bestRow = static_cast<int>(r) + 1;
        }
    }
    return bestRow;
}
