// The main of an executable of several Qt Test classes (qt_test_registry.h): the first argument
// names the class's file stem, the rest are Qt Test's own; --list prints the stems.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "qt_test_registry.h"

namespace {

std::map<std::string, gauss_test::QtTestRunner>& Runners() {
  // Function-local, so that it exists before the first registration of any file runs.
  static std::map<std::string, gauss_test::QtTestRunner> runners;
  return runners;
}

}  // namespace

bool gauss_test::RegisterQtTest(const char* sourcePath, QtTestRunner runner) {
  const bool added = Runners().emplace(std::filesystem::path(sourcePath).stem(), runner).second;
  if (!added) {
    std::fprintf(stderr, "two test classes registered as %s\n", sourcePath);
    std::abort();
  }
  return true;
}

int main(int argc, char* argv[]) {
  const std::string name = argc > 1 ? argv[1] : "";
  if (name == "--list") {
    for (const auto& [stem, runner] : Runners()) std::printf("%s\n", stem.c_str());
    return 0;
  }
  const auto found = Runners().find(name);
  if (found == Runners().end()) {
    std::fprintf(stderr, "usage: %s TEST [Qt Test options]; --list names the tests\n", argv[0]);
    return 2;
  }
  // The test's name leaves the arguments: Qt Test sees the program and its own options.
  std::vector<char*> arguments{argv[0]};
  arguments.insert(arguments.end(), argv + 2, argv + argc);
  arguments.push_back(nullptr);
  return found->second(argc - 1, arguments.data());
}
