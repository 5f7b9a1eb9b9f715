// Times reading a workbook fully (OpenWorkbook, then the text of every cell)
// against the floor any xlsx reader stands on: inflating the sheet and shared
// strings parts and running libxml2's SAX parser over them with callbacks that
// do nothing. Prints both times, their ratio and the peak memory.

#include "base/MemoryArena.h"
#include "messages/FaultMessages.h"
#include "workbook/Workbook.h"
#include "workbook/open/OpenWorkbook.h"

#include <libxml/parser.h>
#include <sys/resource.h>
#include <zip.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

void Nothing(void*, const xmlChar*, const xmlChar*, const xmlChar*, int, const xmlChar**, int, int, const xmlChar**) {}
void NothingEnd(void*, const xmlChar*, const xmlChar*, const xmlChar*) {}
void NothingText(void*, const xmlChar*, int) {}

// Inflates one part through a SAX parser that does no work; the bytes it saw.
std::size_t InflateAndParse(zip_t* archive, const char* part)
{
    xmlSAXHandler sax;
    std::memset(&sax, 0, sizeof sax);
    sax.initialized = XML_SAX2_MAGIC;
    sax.startElementNs = Nothing;
    sax.endElementNs = NothingEnd;
    sax.characters = NothingText;
    zip_file_t* file = zip_fopen(archive, part, 0);
    if (!file) return 0;
    xmlParserCtxtPtr context = xmlCreatePushParserCtxt(&sax, nullptr, nullptr, 0, part);
    xmlCtxtUseOptions(context, XML_PARSE_NONET);
    std::vector<char> buffer(256 * 1024);
    std::size_t total = 0;
    for (zip_int64_t got; (got = zip_fread(file, buffer.data(), buffer.size())) > 0;) {
        total += static_cast<std::size_t>(got);
        xmlParseChunk(context, buffer.data(), static_cast<int>(got), 0);
    }
    xmlParseChunk(context, nullptr, 0, 1);
    xmlFreeParserCtxt(context);
    zip_fclose(file);
    return total;
}

double Floor(const char* path, std::size_t& bytes)
{
    const auto start = Clock::now();
    int error = 0;
    zip_t* archive = zip_open(path, ZIP_RDONLY, &error);
    if (!archive) return -1;
    bytes = InflateAndParse(archive, "xl/worksheets/sheet1.xml") + InflateAndParse(archive, "xl/sharedStrings.xml");
    zip_discard(archive);
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double FullRead(const char* path, std::size_t& cells, std::size_t& characters, double& opening)
{
    const auto start = Clock::now();
    const auto workbook = OpenWorkbook(path, Regional::Russian());
    opening = std::chrono::duration<double>(Clock::now() - start).count();
    cells = 0;
    characters = 0;
    for (int row = 1; row <= workbook->LastRow(); ++row) {
        const int lastColumn = workbook->LastColumn(row);
        for (int column = 1; column <= lastColumn; ++column) {
            const std::string text = workbook->CellText(row, column);
            if (!text.empty()) ++cells;
            characters += text.size();
        }
    }
    return std::chrono::duration<double>(Clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv)
{
    // As both front ends do, so that the times are theirs.
    UseOneMemoryArena();
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s WORKBOOK.xlsx [runs]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 2 ? std::atoi(argv[2]) : 3;
    double bestFloor = 1e9;
    double bestRead = 1e9;
    double opening = 0;
    std::size_t bytes = 0;
    std::size_t cells = 0;
    std::size_t characters = 0;
    try {
        for (int run = 0; run < runs; ++run) {
            bestFloor = std::min(bestFloor, Floor(argv[1], bytes));
            double open = 0;
            const double read = FullRead(argv[1], cells, characters, open);
            if (read < bestRead) {
                bestRead = read;
                opening = open;
            }
        }
    } catch (const WorkbookFault& fault) {
        std::fprintf(stderr, "%s\n", WorkbookFaultMessage(fault).c_str());
        return 1;
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("inflate + empty SAX parse: %.3f s (%.1f MB of XML)\n", bestFloor, bytes / 1e6);
    std::printf("OpenWorkbook + every CellText: %.3f s (opening %.3f s; %zu cells, %.1f MB of text)\n", bestRead,
                opening, cells, characters / 1e6);
    std::printf("ratio: %.2f\n", bestRead / bestFloor);
    std::printf("peak memory: %.0f MB\n", usage.ru_maxrss / 1024.0);
    return 0;
}
