// Time and memory of the work that must stay linear in its size, each run as
// quarnel-convert runs it, in a process of its own:
//   invoice   an invoice of 50,000 positions: 3,334 package files claimed,
//             checked and put in place (target: under 10 s), also under a
//             limit of 256 open files (ulimit -n);
//   sheets    a workbook of 20,000 sheets (xlsx) or tables (ods) listed, or
//             its last one chosen by name (target: under 2 s each);
//   settings  a small conversion with a 4 MiB settings file of blank lines
//             (target: under 0.5 s, and under 50 MB more than with an empty
//             settings file);
//   address   a price list of 300,000 rows converted under a 200 MB and a
//             150 MB limit on the address space (ulimit -v), against the
//             same run without one, the median of three runs each (target:
//             within 1.5 times its time).
//
//   limits_bench [--folder DIR]
//
// The inputs are made in DIR (a new temporary folder by default, removed at
// the end). Prints each phase's wall time and peak memory beside its target;
// the exit status is 1 when a target is missed.

#include "BenchInputs.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace {

constexpr int kPositions = 50000;
constexpr int kSheets = 20000;
constexpr int kWideColumns = 10000;
constexpr int kListRows = 300000;
// Where users met it: at 200 MB a heap per thread still half fits, at 150 MB
// none does and every allocation of the reading thread tries anew.
constexpr int kAddressLimits[] = {200, 150};

void WriteText(const std::string& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary) << text;
}

struct Measured {
    bool ok = false;
    double seconds = 0;
    double peakMegabytes = 0;
};

// A limit of setrlimit, soft and hard.
struct ResourceLimit {
    int resource;
    rlim_t value;
};

// Starts quarnel-convert with its output appended to `sink`. Spawned rather
// than forked, so that its peak memory is its own alone; forked where a
// resource is to be limited, the limit set between fork and exec (this
// process is small beside a conversion, so its peak stays the converter's).
pid_t StartConverter(char** argv, char** environment, const std::string& sink, std::optional<ResourceLimit> limited)
{
    pid_t child = 0;
    if (!limited) {
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, sink.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
        posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
        const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv, environment);
        posix_spawn_file_actions_destroy(&actions);
        return spawned == 0 ? child : -1;
    }
    const int output = open(sink.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (output < 0) return -1;
    child = fork();
    if (child == 0) {
        const rlimit limit{limited->value, limited->value};
        if (setrlimit(limited->resource, &limit) != 0 || dup2(output, STDOUT_FILENO) < 0
            || dup2(output, STDERR_FILENO) < 0)
            _exit(126);
        execve(argv[0], argv, environment);
        _exit(127);
    }
    close(output);
    return child;
}

// Runs quarnel-convert with these arguments, its output thrown away, with
// a resource limited when a limit is given.
Measured RunConverter(const std::vector<std::string>& arguments, const std::string& folder,
                      std::optional<ResourceLimit> limited = std::nullopt)
{
    std::vector<char*> argv = {const_cast<char*>(QUARNEL_CONVERT_BINARY)};
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    std::string locale = "LC_ALL=ru_RU.UTF-8";
    char* environment[] = {locale.data(), nullptr};
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = StartConverter(argv.data(), environment, folder + "/converter-output.txt", limited);
    if (child < 0) return {};
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child) return {};
    Measured measured;
    measured.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    measured.peakMegabytes = static_cast<double>(usage.ru_maxrss) / 1024;
    measured.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return measured;
}

bool Report(const char* phase, const Measured& measured, double maxSeconds, double maxMegabytes = 0)
{
    const bool met =
        measured.ok && measured.seconds < maxSeconds && (maxMegabytes <= 0 || measured.peakMegabytes < maxMegabytes);
    std::printf("%-28s %8.2f s %8.1f MB   target < %.1f s", phase, measured.seconds, measured.peakMegabytes,
                maxSeconds);
    if (maxMegabytes > 0) std::printf(", < %.0f MB", maxMegabytes);
    std::printf("   %s\n", !measured.ok ? "FAILED TO RUN" : met ? "met" : "MISSED");
    return met;
}

// The median of three runs under the limit: one run of a few seconds says
// little on a busy machine.
Measured MedianRun(const std::vector<std::string>& arguments, const std::string& folder, rlim_t addressLimit)
{
    std::vector<Measured> runs;
    for (int i = 0; i < 3; ++i) {
        runs.push_back(RunConverter(arguments, folder, ResourceLimit{RLIMIT_AS, addressLimit}));
        if (!runs.back().ok) return {};
    }
    std::sort(runs.begin(), runs.end(), [](const Measured& a, const Measured& b) { return a.seconds < b.seconds; });
    return runs[1];
}

// The runs under the address limit beside the same runs without one.
bool ReportAgainst(const char* phase, const Measured& limited, const Measured& free, double maxRatio)
{
    const double ratio = free.seconds > 0 ? limited.seconds / free.seconds : 0;
    const bool met = limited.ok && free.ok && ratio <= maxRatio;
    std::printf("%-28s %8.2f s %8.1f MB   without the limit %.2f s: %.2fx, target <= %.1fx   %s\n", phase,
                limited.seconds, limited.peakMegabytes, free.seconds, ratio, maxRatio,
                !limited.ok || !free.ok ? "FAILED TO RUN"
                : met                   ? "met"
                                        : "MISSED");
    return met;
}

std::vector<std::string> SheetNames()
{
    std::vector<std::string> names;
    for (int i = 1; i <= kSheets; ++i) names.push_back("Лист" + std::to_string(i));
    return names;
}

void MakeInputs(const std::string& folder, const std::vector<std::string>& names)
{
    const auto file = [&](const std::string& name) { return folder + "/" + name; };
    {
        std::vector<std::vector<std::string>> invoice = {{"Код", "Наименование", "Кол-во", "Цена", "НДС"}};
        for (int i = 1; i <= kPositions; ++i)
            invoice.push_back({"A-" + std::to_string(i), "Книга " + std::to_string(i), "1", "450,5", "10"});
        WriteXlsx(file("invoice.xlsx"), {"Накладная"}, invoice);
    }
    WriteScheme(file("invoice.sch"), kInvoiceType,
                {{"RecordReference", "Код"},
                 {"ProductName", "Наименование"},
                 {"Amount", "Кол-во"},
                 {"Price", "Цена"},
                 {"VAT", "НДС"}});
    WriteXlsx(file("sheets.xlsx"), names, {{"Код", "Название"}});
    WriteOds(file("tables.ods"), names);
    WriteXlsx(file("books.xlsx"), {"Прайс"}, {{"Код", "Название"}, {"A-1", "Книга"}});
    WriteScheme(file("books.sch"), TDocumentType::Books, {{"RecordReference", "Код"}, {"Title", "Название"}});
    {
        // A header 10,000 columns wide, the automatic mapping's worst: two
        // names it knows, then none, and a product filling every column.
        std::vector<std::vector<std::string>> wide = {{"Артикул", "Название"}, {"A-1", "Книга"}};
        for (int c = 3; c <= kWideColumns; ++c) {
            wide[0].push_back("Колонка " + std::to_string(c));
            wide[1].push_back("значение " + std::to_string(c));
        }
        WriteXlsx(file("wide.xlsx"), {"Прайс"}, wide);
    }
    {
        std::vector<std::vector<std::string>> list = {{"Код", "Название", "Автор", "Цена"}};
        list.reserve(kListRows + 1);
        for (int i = 1; i <= kListRows; ++i)
            list.push_back({"A-" + std::to_string(i), "Книга " + std::to_string(i), "Автор " + std::to_string(i % 997),
                            std::to_string(100 + i % 900) + ",50"});
        WriteXlsx(file("list.xlsx"), {"Прайс"}, list);
    }
    WriteScheme(file("list.sch"), TDocumentType::Books,
                {{"RecordReference", "Код"}, {"Title", "Название"}, {"AuthorKeyNames", "Автор"}, {"Price01", "Цена"}});
    WriteText(file("empty.ini"), "");
    std::string blank;
    while (blank.size() < (4u << 20)) blank += "\r\n";
    WriteText(file("blank.ini"), blank);
}

} // namespace

int main(int argc, char** argv)
{
    const std::optional<BenchFolder> place = BenchFolder::FromArguments(argc, argv, "limits-bench");
    if (!place) return 2;
    const std::string& folder = place->path;
    const auto file = [&](const std::string& name) { return folder + "/" + name; };

    // Made in a child: the memory the inputs take would otherwise count in
    // the peak of every run started after them.
    const std::vector<std::string> names = SheetNames();
    const pid_t maker = fork();
    if (maker == 0) {
        MakeInputs(folder, names);
        std::_Exit(0);
    }
    int status = 0;
    if (waitpid(maker, &status, 0) != maker || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return 2;
    // A package of thousands of files syncs the whole file system it is
    // written to: the inputs just made would otherwise be written out in the
    // first run's time.
    sync();
    std::filesystem::create_directory(file("out"));

    const std::vector<std::string> sender = {"--from-san", "7701234567", "--date", "01.03.2024"};
    const auto with = [](std::vector<std::string> front, const std::vector<std::string>& back) {
        front.insert(front.end(), back.begin(), back.end());
        return front;
    };
    bool met = true;
    met &= Report("invoice, 3,334 packages",
                  RunConverter(with({"--settings", file("empty.ini"), "--scheme", file("invoice.sch")},
                                    with(sender, {file("invoice.xlsx"), file("out/invoice.xml"), "9", "15", "7"})),
                               folder),
                  10);
    // A package holds no descriptor per file.
    std::filesystem::create_directory(file("out-256"));
    met &= Report("invoice, 256 open files",
                  RunConverter(with({"--settings", file("empty.ini"), "--scheme", file("invoice.sch")},
                                    with(sender, {file("invoice.xlsx"), file("out-256/invoice.xml"), "9", "15", "7"})),
                               folder, ResourceLimit{RLIMIT_NOFILE, 256}),
                  10);
    for (const char* out : {"out", "out-256"}) {
        const auto packages = std::distance(std::filesystem::directory_iterator(file(out)), {});
        if (packages != (kPositions + 14) / 15) {
            std::printf("the invoice gave %ld files, not %d\n", static_cast<long>(packages), (kPositions + 14) / 15);
            met = false;
        }
    }
    met &= Report("xlsx of 20,000 sheets, list", RunConverter({"--list-sheets", file("sheets.xlsx")}, folder), 2);
    met &= Report("xlsx, last sheet chosen",
                  RunConverter({"--sheet", names.back(), "--list-columns", file("sheets.xlsx")}, folder), 2);
    met &= Report("ods of 20,000 tables, list", RunConverter({"--list-sheets", file("tables.ods")}, folder), 2);
    met &= Report("ods, last table chosen",
                  RunConverter({"--sheet", names.back(), "--list-columns", file("tables.ods")}, folder), 2);
    const auto convertBooks = [&](const std::string& settings) {
        return RunConverter(with({"--settings", file(settings), "--scheme", file("books.sch")},
                                 with(sender, {file("books.xlsx"), file("out/books.xml"), "0"})),
                            folder);
    };
    const Measured empty = convertBooks("empty.ini");
    Report("settings empty", empty, 0.5);
    met &= Report("settings of 4 MiB blank lines", convertBooks("blank.ini"), 0.5, empty.peakMegabytes + 50);
    met &= Report("10,000 columns, header found and mapped",
                  RunConverter(with({"--settings", file("empty.ini"), "--layout", "supplier", "--header-row", "auto",
                                     "--auto-scheme"},
                                    with(sender, {file("wide.xlsx"), file("out/wide.xml"), "0"})),
                               folder),
                  1);
    const std::vector<std::string> list = with({"--settings", file("empty.ini"), "--scheme", file("list.sch")},
                                               with(sender, {file("list.xlsx"), file("out/list.xml"), "0"}));
    const Measured unlimited = MedianRun(list, folder, RLIM_INFINITY);
    for (const int megabytes : kAddressLimits) {
        const std::string phase = "300,000 rows in " + std::to_string(megabytes) + " MB";
        met &=
            ReportAgainst(phase.c_str(), MedianRun(list, folder, static_cast<rlim_t>(megabytes) << 20), unlimited, 1.5);
    }

    return met ? 0 : 1;
}
