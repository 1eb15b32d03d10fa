// mvbench_parse: the language-file reader's speed on a 1 MiB file made of the
// lines of a shipped language file, repeated with CR LF line ends as editors
// on Windows save them. Prints the median of repeated runs in MB/s (10^6
// bytes a second). Usage: mvbench_parse LANGUAGE_FILE [RUNS]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "Timing.h"
#include "lang/LangFileParser.h"

using namespace morvane;

namespace {

constexpr size_t kSampleSize = 1024 * 1024;

std::string CrLfLines(const std::string& text) {
    std::string lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines += line + "\r\n";
    }
    return lines;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: mvbench_parse LANGUAGE_FILE [RUNS]\n");
        return 2;
    }
    std::ifstream file(argv[1], std::ios::binary);
    std::ostringstream read;
    read << file.rdbuf();
    const std::string lines = CrLfLines(read.str());
    if (!file || lines.empty()) {
        std::fprintf(stderr, "mvbench_parse: cannot read %s\n", argv[1]);
        return 1;
    }
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 51;

    std::string sample;
    while (sample.size() < kSampleSize) sample += lines;
    sample.resize(kSampleSize);

    size_t entries = ParseLanguageFile(sample).size();
    std::vector<double> ms;
    for (int run = 0; run < runs; ++run) {
        const bench::Stopwatch watch;
        const LangTable table = ParseLanguageFile(sample);
        ms.push_back(watch.Ms());
        entries = table.size();
    }
    const double median = bench::Median(ms);
    std::printf("\nParsing a 1 MiB language file natively (%s's lines repeated, CR LF), %zu entries\n", argv[1],
                entries);
    std::printf("%6s %10s %10s\n", "runs", "ms", "MB/s");
    std::printf("%6d %10.3f %10.1f\n", runs, median, static_cast<double>(kSampleSize) / 1e3 / median);
    return 0;
}
