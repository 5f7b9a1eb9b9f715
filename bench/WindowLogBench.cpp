// The window's log under a flood of lines, offscreen:
//   dropping   a price-list run of 100,000 rows, each with an error line,
//              whose observer drops every line (the core alone);
//   window     the same run through the window's runner, log pane and
//              progress bar, timed until the window has shown its end
//              (target: within 10 % of dropping, the median of the ratios
//              of 41 runs taken in turns: a single run's time varies by a
//              fifth on a shared machine);
//   million    a run of 1,000,000 log lines through the window (target: the
//              window's peak memory under 100 MB).
//
//   window_log_bench [--folder DIR]
//
// Each phase runs in a process of its own; the exit status is 1 when a
// target is missed.

#include "BenchInputs.h"

#include "app/window/ConversionRunner.h"
#include "app/window/UserDialogs.h"
#include "base/Regional.h"
#include "catalogue/FieldCatalogue.h"
#include "convert/Convert.h"
#include "convert/ReadWorkbook.h"
#include "scheme/SchemeFile.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QWidget>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr int kRows = 100000;
constexpr int kMillion = 1000000;
constexpr int kRuns = 41;

class DroppingObserver final : public RunObserver {
public:
    void ClearLog() override {}
    void LogLine(const std::string&) override { ++lines; }
    void ProgressMaximum(int) override {}
    void ProgressPosition(int) override {}
    void LongCellWarning(const std::string&, int, const std::string&) override {}
    long lines = 0;
};

// The window's boxes, none of which a run of these shows.
class NoDialogs final : public UserDialogs {
public:
    void ShowError(QWidget*, const QString& message) override
    {
        std::fprintf(stderr, "error box: %s\n", message.toUtf8().constData());
    }
    void ShowWarning(QWidget*, const QString&) override {}
    void ShowInformation(QWidget*, const QString&) override {}
    bool Confirm(QWidget*, const QString&) override { return false; }
    std::optional<bool> ConfirmOrCancel(QWidget*, const QString&) override { return false; }
    void AskMeanwhile(QWidget*, const QString&, std::function<void(bool)>) override {}
    void WithdrawQuestion() override {}
    std::optional<QString> ChooseOpenFile(QWidget*, const FileDialogRequest&) override { return {}; }
    std::optional<QString> ChooseSaveFile(QWidget*, const FileDialogRequest&) override { return {}; }
    void ShowPreview(QWidget*, const RunPreview&) override {}
    std::optional<std::vector<bool>> ChooseMappings(QWidget*, const std::vector<ProposedMapping>&) override
    {
        return {};
    }
};

RunInputs BooksWithErrors(const std::string& folder)
{
    RunInputs inputs;
    inputs.workbookPath = folder + "/errors.xlsx";
    inputs.outputPath = folder + "/errors.xml";
    inputs.documentType = TDocumentType::Books;
    inputs.fromSAN = "7701234567";
    inputs.sentDate = "01.03.2024";
    inputs.regional = Regional::Russian();
    inputs.fieldCaptions = FieldCaptions(TDocumentType::Books);
    inputs.scheme = ReadSchemeFile(folder + "/errors.sch");
    inputs.columnNames = ReadWorkbookColumnNames(inputs.workbookPath, inputs.regional);
    return inputs;
}

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double DroppingPhase(const std::string& folder)
{
    const RunInputs inputs = BooksWithErrors(folder);
    const auto start = Clock::now();
    DroppingObserver observer;
    ConvertWorkbook(inputs, observer);
    return observer.lines >= kRows ? Seconds(start) : -1;
}

// Runs through the window's runner until the window has shown the run's end.
double ThroughWindow(const RunFunction& run, const RunInputs& inputs)
{
    int argc = 1;
    char name[] = "window_log_bench";
    char* argv[] = {name, nullptr};
    QApplication application(argc, argv);
    QWidget window;
    auto* log = new QPlainTextEdit(&window);
    log->setReadOnly(true);
    auto* progress = new QProgressBar(&window);
    window.resize(640, 480);
    window.show();
    NoDialogs dialogs;
    ConversionRunner runner(run, *log, *progress, dialogs, window);
    QObject::connect(&runner, &ConversionRunner::Finished, &application, &QApplication::quit);
    // The window's first paint of text (fonts found and loaded) is done
    // before the clock starts, as the wizard's steps have done it before a
    // run: it is no part of what the log costs.
    log->setPlainText(QStringLiteral("Протокол"));
    window.grab();
    QApplication::processEvents();
    const auto start = Clock::now();
    if (!runner.Start(inputs)) return -1;
    application.exec();
    return runner.LastFailure().isEmpty() ? Seconds(start) : -1;
}

double WindowPhase(const std::string& folder)
{
    return ThroughWindow([](const RunInputs& in, RunObserver& observer) { return ConvertWorkbook(in, observer); },
                         BooksWithErrors(folder));
}

double MillionPhase(const std::string&)
{
    return ThroughWindow(
        [](const RunInputs&, RunObserver& observer) {
            observer.ClearLog();
            for (int i = 1; i <= kMillion; ++i)
                observer.LogLine("Ошибка в строке " + std::to_string(i)
                                 + ". ISBN-13 имеет неправильную контрольную цифру (должно быть 7)");
            return RunResult{};
        },
        RunInputs{});
}

struct Measured {
    double seconds = -1;
    double peakMegabytes = 0;
};

// Runs the phase in a child process: its own peak memory, nothing shared.
Measured InChild(double (*phase)(const std::string&), const std::string& folder)
{
    int channel[2];
    if (pipe(channel) != 0) return {};
    std::fflush(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        Measured measured;
        measured.seconds = phase(folder);
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        measured.peakMegabytes = static_cast<double>(usage.ru_maxrss) / 1024;
        if (write(channel[1], &measured, sizeof measured) != sizeof measured) std::_Exit(1);
        std::_Exit(0);
    }
    close(channel[1]);
    Measured measured;
    if (read(channel[0], &measured, sizeof measured) != sizeof measured) measured = {};
    close(channel[0]);
    waitpid(child, nullptr, 0);
    return measured;
}

Measured Median(std::vector<Measured> runs)
{
    std::sort(runs.begin(), runs.end(), [](const Measured& a, const Measured& b) { return a.seconds < b.seconds; });
    return runs[runs.size() / 2];
}

void MakeInputs(const std::string& folder)
{
    std::vector<std::vector<std::string>> rows = {{"Код", "Название", "ISBN"}};
    // A wrong check digit on every row: one error line each, none critical.
    for (int i = 1; i <= kRows; ++i) rows.push_back({"A-" + std::to_string(i), "Книга", "978-5-17-090630-2"});
    WriteXlsx(folder + "/errors.xlsx", {"Прайс"}, rows);
    WriteScheme(folder + "/errors.sch", TDocumentType::Books,
                {{"RecordReference", "Код"}, {"Title", "Название"}, {"ISBN", "ISBN"}});
}

} // namespace

int main(int argc, char** argv)
{
    const std::optional<BenchFolder> place = BenchFolder::FromArguments(argc, argv, "window-log-bench");
    if (!place) return 2;
    const std::string& folder = place->path;
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const pid_t maker = fork();
    if (maker == 0) {
        MakeInputs(folder);
        std::_Exit(0);
    }
    waitpid(maker, nullptr, 0);

    // The two runs compared take turns, and the median of their ratio pair
    // by pair counts: a busy moment of the machine then weighs on both alike.
    // The spread of the ratios shows how far one pair can be trusted.
    std::vector<Measured> droppings;
    std::vector<Measured> windows;
    std::vector<double> ratios;
    for (int run = 0; run < kRuns; ++run) {
        droppings.push_back(InChild(DroppingPhase, folder));
        windows.push_back(InChild(WindowPhase, folder));
        if (droppings.back().seconds > 0) ratios.push_back(windows.back().seconds / droppings.back().seconds);
    }
    std::sort(ratios.begin(), ratios.end());
    const double ratio = ratios.empty() ? 0 : ratios[ratios.size() / 2];
    const double lowest = ratios.empty() ? 0 : ratios.front();
    const double highest = ratios.empty() ? 0 : ratios.back();
    const Measured dropping = Median(droppings);
    const Measured window = Median(windows);
    const Measured million = InChild(MillionPhase, folder);
    const bool ran = dropping.seconds > 0 && window.seconds > 0 && million.seconds > 0 && ratios.size() == kRuns;
    const bool fast = ran && ratio <= 1.10;
    const bool small = ran && million.peakMegabytes < 100;
    std::printf("100,000 error lines, dropped      %6.2f s %7.1f MB\n", dropping.seconds, dropping.peakMegabytes);
    std::printf("the same through the window       %6.2f s %7.1f MB   ratio %.2f (%.2f to %.2f), target <= 1.10   %s\n",
                window.seconds, window.peakMegabytes, ratio, lowest, highest, fast ? "met" : "MISSED");
    std::printf("1,000,000 lines through the window %5.2f s %7.1f MB   target < 100 MB   %s\n", million.seconds,
                million.peakMegabytes, small ? "met" : "MISSED");
    return fast && small ? 0 : 1;
}
