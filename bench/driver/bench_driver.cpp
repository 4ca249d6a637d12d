// The bench's Windows side: runs one kind of measurement and prints one line per sample,
// fields split by spaces, for bench/run.sh to gather into its table.
//
//   bench_driver startup <runs> (<label> <exe> <controls>)...
//       startup <label> <ms>        each program started once untimed, then <runs> times, interleaved
//   bench_driver memory <runs> (<label> <exe> <controls>)...
//       memory <label> <working-set-bytes> <private-bytes> <commit-charge-bytes>
//   bench_driver resources <label> <exe>
//       resource <label> <type> <name> <language> <bytes>
//   bench_driver removal <exe> <drive> <runs> <entries>...
//       build <entries> <ms>
//       removal <entries> program <ms-to-the-result-box> <ms-to-the-interpreter's-end>
//       removal <entries> direct <ms>
//     Each run removes a tree of <entries> both ways, in turn; see removal_timing.h.
//     The session must run the stand-in as cmd.exe for every process (a DllOverrides entry
//     in the registry: Wine takes WINEDLLOVERRIDES from the Unix environment only).
//
// Exit code 0 when every sample was taken, 1 on a failure (written to standard error),
// 2 on a wrong command line.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <exception>
#include <string>
#include <vector>

#include "bench/driver/autorun_tree.h"
#include "bench/driver/memory_use.h"
#include "bench/driver/process_access.h"
#include "bench/driver/ready_window.h"
#include "bench/driver/removal_timing.h"
#include "bench/driver/resource_sizes.h"
#include "bench/driver/stopwatch.h"
#include "tests/ui_driver/program.h"
#include "tests/ui_driver/text.h"

namespace {

struct Subject {
  std::wstring label;
  std::wstring exe;
  int controls = 0;
};

class UsageError : public std::exception {};

int Number(const wchar_t* text) {
  wchar_t* end = nullptr;
  const long value = std::wcstol(text, &end, 10);
  if (*end != L'\0' || value < 0) throw UsageError();
  return static_cast<int>(value);
}

std::vector<Subject> Subjects(const std::vector<std::wstring>& arguments, size_t from) {
  if (arguments.size() <= from || (arguments.size() - from) % 3 != 0) throw UsageError();
  std::vector<Subject> subjects;
  for (size_t at = from; at < arguments.size(); at += 3) {
    subjects.push_back({arguments[at], arguments[at + 1], Number(arguments[at + 2].c_str())});
  }
  return subjects;
}

void Print(const std::wstring& line) {
  std::printf("%s\n", ui::toUtf8(line).c_str());
  std::fflush(stdout);
}

std::wstring Milliseconds(double ms) {
  wchar_t text[32];
  std::swprintf(text, 32, L"%.2f", ms);
  return text;
}

// Run r starts the programs in an order turned by r places, so none is always first after another.
template <class Sample>
void Interleaved(const std::vector<Subject>& subjects, int runs, Sample&& sample) {
  for (int run = 0; run < runs; ++run) {
    for (size_t i = 0; i < subjects.size(); ++i) sample(subjects[(i + static_cast<size_t>(run)) % subjects.size()]);
  }
}

ui::ProgramStart StartOf(const Subject& subject) { return {subject.exe, {}, {}, {}}; }

void StartUntilReady(const Subject& subject) {
  const ui::Program program(StartOf(subject));
  bench::WaitUntilReady(program, subject.controls);
}

void MeasureStartUp(const std::vector<Subject>& subjects, int runs) {
  // One untimed start each first: the first start of an exe also reads it from disk.
  for (const Subject& subject : subjects) StartUntilReady(subject);
  Interleaved(subjects, runs, [](const Subject& subject) {
    const bench::Stopwatch clock;
    const ui::Program program(StartOf(subject));
    bench::WaitUntilReady(program, subject.controls);
    Print(L"startup " + subject.label + L" " + Milliseconds(clock.ElapsedMs()));
  });
}

void MeasureMemory(const std::vector<Subject>& subjects, int runs) {
  Interleaved(subjects, runs, [](const Subject& subject) {
    const ui::Program program(StartOf(subject));
    bench::WaitUntilReady(program, subject.controls);
    const bench::MemoryUse use = bench::MemoryOf(bench::OpenForQueries(program.processId()).Get());
    Print(L"memory " + subject.label + L" " + std::to_wstring(use.workingSetBytes) + L" " +
          std::to_wstring(use.privateBytes) + L" " + std::to_wstring(use.commitChargeBytes));
  });
}

void ListResources(const std::wstring& label, const std::wstring& exe) {
  for (const bench::ResourceSize& resource : bench::ResourcesOf(exe)) {
    Print(L"resource " + label + L" " + resource.type + L" " + resource.name + L" " +
          std::to_wstring(resource.language) + L" " + std::to_wstring(resource.bytes));
  }
}

void BuildTree(const std::wstring& drive, int entries) {
  const bench::Stopwatch clock;
  bench::MakeAutorunTree(drive, entries);
  Print(L"build " + std::to_wstring(entries) + L" " + Milliseconds(clock.ElapsedMs()));
}

void MeasureRemoval(const std::wstring& exe, const std::wstring& drive, int runs, const std::vector<int>& sizes) {
  for (int entries : sizes) {
    const std::wstring size = std::to_wstring(entries);
    const auto makeTree = [&] { BuildTree(drive, entries); };
    for (int run = 0; run < runs; ++run) {
      // Alternated, so that neither way always finds the disk just after the other.
      for (int way = 0; way < 2; ++way) {
        if ((way + run) % 2 == 0) {
          const bench::RemovalThroughProgram timing = bench::TimeRemovalThroughProgram(exe, drive, makeTree);
          Print(L"removal " + size + L" program " + Milliseconds(timing.resultBoxMs) + L" " +
                Milliseconds(timing.interpreterEndMs));
        } else {
          makeTree();
          Print(L"removal " + size + L" direct " + Milliseconds(bench::TimeRemovalDirectly(drive)));
        }
      }
    }
  }
}

void Run(const std::vector<std::wstring>& arguments) {
  if (arguments.empty()) throw UsageError();
  const std::wstring& command = arguments[0];
  if (command == L"startup" && arguments.size() >= 2) {
    MeasureStartUp(Subjects(arguments, 2), Number(arguments[1].c_str()));
  } else if (command == L"memory" && arguments.size() >= 2) {
    MeasureMemory(Subjects(arguments, 2), Number(arguments[1].c_str()));
  } else if (command == L"resources" && arguments.size() == 3) {
    ListResources(arguments[1], arguments[2]);
  } else if (command == L"removal" && arguments.size() >= 5) {
    std::vector<int> sizes;
    for (size_t at = 4; at < arguments.size(); ++at) sizes.push_back(Number(arguments[at].c_str()));
    MeasureRemoval(arguments[1], arguments[2], Number(arguments[3].c_str()), sizes);
  } else {
    throw UsageError();
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  try {
    Run(std::vector<std::wstring>(argv + 1, argv + argc));
    return 0;
  } catch (const UsageError&) {
    std::fprintf(stderr, "usage: see the head of bench/driver/bench_driver.cpp\n");
    return 2;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "bench_driver: %s\n", error.what());
    return 1;
  }
}
