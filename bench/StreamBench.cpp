// Speed and memory of reading and converting a large price list, against the
// floor any xlsx reader stands on: inflating the sheet and shared-strings
// parts and nothing else. Make the workbook with make_large_xlsx, then:
//
//   stream_bench large.xlsx [--runs N] [--folder DIR]
//   stream_bench large.xlsx --only PHASE     (once, in this process: for a profiler)
//
// Each phase runs N times (default 5), each time in a process of its own so
// that its peak memory is its own; the median time counts:
//   floor    `unzip -tq` of the two parts: inflating them (and checking their
//            CRC) with no output, as fast as `unzip -p ... > /dev/null`; the
//            floor the targets are set against;
//   inflate  the same with libzip in this process, keeping nothing (faster
//            than unzip: how much of the floor is inflating at all);
//   header   lists the column names (row 1 only);
//   read     reads every row, touching every cell's text;
//   convert  the price-list run with all 25 columns mapped.
// Prints the wall times, their ratios to the floor, the processor time beside
// them (user and system, every thread of the phase: what the reading threads
// cost on a machine whose second core is busy), the peaks, and the targets.

#include "base/MemoryArena.h"
#include "catalogue/FieldCatalogue.h"
#include "convert/Convert.h"
#include "convert/ReadWorkbook.h"
#include "scheme/SchemeLine.h"
#include "workbook/SheetRows.h"
#include "workbook/ZipArchive.h"
#include "workbook/open/OpenWorkbook.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// The parts make_large_xlsx writes.
constexpr const char* kSheetPart = "xl/worksheets/sheet1.xml";
constexpr const char* kSharedStringsPart = "xl/sharedStrings.xml";

// make_large_xlsx's columns, each mapped to a field of a book price list that
// takes its values without a row error, so the run does the full work of
// writing every row.
struct MappedColumn {
    const char* columnName;
    const char* fieldID;
};
constexpr MappedColumn kMapping[] = {
    {"Артикул", "RecordReference"},
    {"Наименование", "Title"},
    {"Автор", "AuthorKeyNames"},
    {"Издательство", "Publisher"},
    {"Цена", "Price01"},
    {"Количество", "OnHand"},
    {"Вес", "Weight"},
    {"Год", "PublicationDate"},
    {"Дата поступления", "CopyrightAgreementDate"},
    {"Обновлено", "EditionStatement"},
    {"Серия", "Series"},
    {"В наличии", "ProductAvailability"},
    {"Аннотация", "Annotation"},
    {"ISBN", "SubscriptionIndex"},
    {"Страниц", "NumberOfPages"},
    {"Переплет", "CoverDetail"},
    {"Формат", "ProductFormDescription"},
    {"Скидка", "DiscountPercent"},
    {"Штрихкод", "CopyrightAgreementNum"},
    {"Примечание", "IllustrationsNote"},
    {"Тираж", "InitialPrintRun"},
    {"Возраст", "ContributorStatement"},
    {"Язык", "TextLanguage"},
    {"Склад", "KTK"},
    {"НДС", "VAT"},
};

struct Paths {
    std::string workbook;
    std::string output;
};

double Seconds(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double FloorPhase(const Paths& paths)
{
    const auto start = Clock::now();
    int channel[2];
    if (pipe(channel) != 0) return -1;
    const pid_t child = fork();
    if (child == 0) {
        dup2(channel[1], STDOUT_FILENO);
        close(channel[0]);
        close(channel[1]);
        execlp("unzip", "unzip", "-tq", paths.workbook.c_str(), kSheetPart, kSharedStringsPart, nullptr);
        _exit(127);
    }
    close(channel[1]);
    std::vector<char> buffer(1 << 16);
    std::size_t bytes = 0;
    for (ssize_t got; (got = read(channel[0], buffer.data(), buffer.size())) > 0;)
        bytes += static_cast<std::size_t>(got);
    close(channel[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 && bytes > 0 ? Seconds(start) : -1;
}

double InflatePhase(const Paths& paths)
{
    const auto start = Clock::now();
    ZipArchive archive(OpenWorkbookFile(paths.workbook));
    std::size_t bytes = 0;
    for (const char* part : {kSheetPart, kSharedStringsPart})
        archive.Read(part, [&](const char*, std::size_t size) {
            bytes += size;
            return true;
        });
    return bytes > 0 ? Seconds(start) : -1;
}

double HeaderPhase(const Paths& paths)
{
    const auto start = Clock::now();
    const std::vector<std::string> names = ReadWorkbookColumnNames(paths.workbook, Regional::Russian());
    return names.size() == std::size(kMapping) ? Seconds(start) : -1;
}

double ReadPhase(const Paths& paths)
{
    const auto start = Clock::now();
    const auto rows = StreamSheetRows(paths.workbook, Regional::Russian());
    std::size_t characters = 0;
    while (const SheetRow* row = rows->Next())
        row->ForEachCell([&](int, std::string_view text) { characters += text.size(); });
    return characters > 0 ? Seconds(start) : -1;
}

class SilentObserver : public RunObserver {
public:
    void ClearLog() override {}
    void LogLine(const std::string&) override {}
    void ProgressMaximum(int) override {}
    void ProgressPosition(int) override {}
    void LongCellWarning(const std::string&, int, const std::string&) override {}
};

double ConvertPhase(const Paths& paths)
{
    const auto start = Clock::now();
    RunInputs inputs;
    inputs.workbookPath = paths.workbook;
    inputs.outputPath = paths.output;
    inputs.fromSAN = "7701234567";
    inputs.sentDate = "01.03.2024";
    inputs.regional = Regional::Russian();
    inputs.fieldCaptions = FieldCaptions(TDocumentType::Books);
    for (const MappedColumn& column : kMapping)
        inputs.scheme.push_back(SchemeLineFor(FieldCaption(column.fieldID, TDocumentType::Books), column.columnName));
    inputs.columnNames = ReadWorkbookColumnNames(paths.workbook, inputs.regional);
    SilentObserver observer;
    const RunResult result = ConvertWorkbook(inputs, observer);
    return result.allSaved && result.errorCount == 0 ? Seconds(start) : -1;
}

using Phase = double (*)(const Paths&);

struct Measured {
    double seconds = -1;
    double cpuSeconds = 0;
    double peakMegabytes = 0;
};

double CpuSeconds(const rusage& usage)
{
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// Runs the phase in a child process: its own peak memory, nothing shared.
Measured InChild(Phase phase, const Paths& paths)
{
    int channel[2];
    if (pipe(channel) != 0) return {};
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        double seconds = -1;
        try {
            seconds = phase(paths);
        } catch (const std::exception& error) {
            std::fprintf(stderr, "%s\n", error.what());
        }
        const ssize_t written = write(channel[1], &seconds, sizeof seconds);
        _exit(written == sizeof seconds ? 0 : 1);
    }
    close(channel[1]);
    Measured measured;
    if (read(channel[0], &measured.seconds, sizeof measured.seconds) != sizeof measured.seconds) measured.seconds = -1;
    close(channel[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    measured.cpuSeconds = CpuSeconds(usage);
    measured.peakMegabytes = usage.ru_maxrss / 1024.0;
    return measured;
}

// The median times and the highest peak of `runs` runs; a failed run fails it.
Measured Median(Phase phase, const Paths& paths, int runs)
{
    std::vector<double> times;
    std::vector<double> cpuTimes;
    Measured result;
    for (int i = 0; i < runs; ++i) {
        // Replacing a large output of the run before would count deleting it.
        std::remove(paths.output.c_str());
        const Measured one = InChild(phase, paths);
        if (one.seconds < 0) return {};
        times.push_back(one.seconds);
        cpuTimes.push_back(one.cpuSeconds);
        result.peakMegabytes = std::max(result.peakMegabytes, one.peakMegabytes);
    }
    std::sort(times.begin(), times.end());
    std::sort(cpuTimes.begin(), cpuTimes.end());
    result.seconds = times[times.size() / 2];
    result.cpuSeconds = cpuTimes[cpuTimes.size() / 2];
    return result;
}

// The text of the shared strings as a reader holds it: make_large_xlsx writes
// each as <si><t>text</t></si>, with nothing to unescape.
double SharedTextMegabytes(const std::string& workbook)
{
    ZipArchive archive(OpenWorkbookFile(workbook));
    const std::string part = archive.ReadAll(kSharedStringsPart);
    std::size_t bytes = 0;
    for (std::size_t at = part.find("<t>"); at != std::string::npos; at = part.find("<t>", at)) {
        const std::size_t end = part.find("</t>", at);
        if (end == std::string::npos) break;
        bytes += end - at - 3;
        at = end;
    }
    return bytes / 1048576.0;
}

double LoadAverage()
{
    double load[1] = {0};
    return getloadavg(load, 1) == 1 ? load[0] : -1;
}

} // namespace

int main(int argc, char** argv)
{
    // As both front ends do, so that the times are theirs.
    UseOneMemoryArena();
    Paths paths;
    int runs = 5;
    std::string folder = ".";
    std::string only;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--runs" && i + 1 < argc) runs = std::max(1, std::atoi(argv[++i]));
        else if (argument == "--folder" && i + 1 < argc) folder = argv[++i];
        else if (argument == "--only" && i + 1 < argc) only = argv[++i];
        else paths.workbook = argument;
    }
    if (paths.workbook.empty()) {
        std::fprintf(stderr, "usage: stream_bench WORKBOOK.xlsx [--runs N] [--folder DIR]\n");
        return 2;
    }
    paths.output = folder + "/stream-bench-output.xml";
    if (!only.empty()) {
        const Phase phase = only == "floor"     ? FloorPhase
                            : only == "inflate" ? InflatePhase
                            : only == "header"  ? HeaderPhase
                            : only == "read"    ? ReadPhase
                                                : ConvertPhase;
        const double seconds = phase(paths);
        std::remove(paths.output.c_str());
        std::printf("%s: %.3f s\n", only.c_str(), seconds);
        return seconds > 0 ? 0 : 1;
    }

    std::printf("%s, %d runs each, load average %.2f\n", paths.workbook.c_str(), runs, LoadAverage());
    const Measured floor = Median(FloorPhase, paths, runs);
    const Measured inflate = Median(InflatePhase, paths, runs);
    const Measured header = Median(HeaderPhase, paths, runs);
    const Measured read = Median(ReadPhase, paths, runs);
    const Measured convert = Median(ConvertPhase, paths, runs);
    std::remove(paths.output.c_str());
    if (floor.seconds <= 0 || inflate.seconds <= 0 || header.seconds <= 0 || read.seconds <= 0
        || convert.seconds <= 0) {
        std::fprintf(stderr, "a phase failed (the floor needs unzip)\n");
        return 1;
    }
    const double shared = SharedTextMegabytes(paths.workbook);
    const auto line = [&](const char* name, const Measured& m) {
        std::printf("  %-8s %7.3f s  %5.2fx floor   cpu %7.3f s  %5.2fx floor   peak %5.0f MB\n", name, m.seconds,
                    m.seconds / floor.seconds, m.cpuSeconds, m.cpuSeconds / floor.seconds, m.peakMegabytes);
    };
    line("floor", floor);
    line("inflate", inflate);
    line("header", header);
    line("read", read);
    line("convert", convert);
    std::printf("  shared-string text %.0f MB; load average now %.2f\n", shared, LoadAverage());

    const double peakLimit = shared + 100;
    const bool met = header.seconds <= 0.15 && convert.seconds <= 4 * floor.seconds && read.peakMegabytes <= peakLimit
                     && convert.peakMegabytes <= peakLimit;
    std::printf("targets: header <= 0.15 s, convert <= 4x, peaks <= %.0f MB: %s\n", peakLimit, met ? "met" : "NOT MET");
    return met ? 0 : 3;
}
