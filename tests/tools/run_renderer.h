#pragma once
// Runs the renderer and collects its exit status, stdout and stderr: in-process through
// RunRenderTool, or as the real gauss-sphere-render binary (GAUSS_SPHERE_RENDER), optionally
// under a file-size limit or with stdout a pipe.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "render_tool.h"

struct RunResult {
  int exitStatus = -1;  // -1000 - the signal when a signal ended the run
  std::string out;
  std::string err;
};

struct RunSetup {
  std::optional<rlim_t> fileSizeLimit;  // RLIMIT_FSIZE of the run, in bytes
  bool stdoutPipe = false;              // stdout a pipe read by the test, not a file
};

// Runs the renderer in-process with `args`.
inline RunResult RenderInProcess(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = RunRenderTool({args.begin(), args.end()}, out, err);
  return {status, out.str(), err.str()};
}

inline std::string ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Runs the renderer with `args`; its stderr, and its stdout unless piped, land in files in `logs`.
inline RunResult RunRenderer(const std::vector<std::string>& args,
                             const std::filesystem::path& logs, const RunSetup& setup = {}) {
  const std::string outPath = (logs / "stdout.txt").string();
  const std::string errPath = (logs / "stderr.txt").string();
  std::vector<std::string> argStrings = {GAUSS_SPHERE_RENDER};
  argStrings.insert(argStrings.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& a : argStrings) argv.push_back(a.data());
  argv.push_back(nullptr);
  int pipeEnds[2] = {-1, -1};
  if (setup.stdoutPipe && ::pipe2(pipeEnds, O_CLOEXEC) != 0) {
    ADD_FAILURE() << "cannot make a pipe";
    return {};
  }

  RunResult result;
  const pid_t pid = ::fork();
  if (pid == 0) {  // the child: only async-signal-safe calls until exec
    const int out = setup.stdoutPipe ? pipeEnds[1]
                                     : ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (out < 0 || err < 0 || ::dup2(out, 1) < 0 || ::dup2(err, 2) < 0) ::_exit(127);
    if (setup.fileSizeLimit) {
      rlimit limit{};
      ::getrlimit(RLIMIT_FSIZE, &limit);
      limit.rlim_cur = *setup.fileSizeLimit;
      if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) ::_exit(126);
    }
    ::execv(argv[0], argv.data());
    ::_exit(127);
  }
  if (setup.stdoutPipe) ::close(pipeEnds[1]);
  if (pid < 0) {
    ADD_FAILURE() << "cannot start " << GAUSS_SPHERE_RENDER;
    if (setup.stdoutPipe) ::close(pipeEnds[0]);
    return result;
  }
  if (setup.stdoutPipe) {
    char chunk[65536];
    ssize_t count = 0;
    while ((count = ::read(pipeEnds[0], chunk, sizeof chunk)) != 0) {
      if (count > 0) result.out.append(chunk, static_cast<size_t>(count));
      if (count < 0 && errno != EINTR) break;
    }
    ::close(pipeEnds[0]);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : -1000 - WTERMSIG(status);
  if (!setup.stdoutPipe) result.out = ReadWholeFile(outPath);
  result.err = ReadWholeFile(errPath);
  return result;
}
