#include "support/run_cli.hpp"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/temp_folder.hpp"

extern char** environ;

namespace ravix::testing {

CliRun RunCli(const std::vector<std::string>& args, const std::string& input) {
  TempFolder folder;
  const auto inPath = folder / "stdin";
  const auto outPath = folder / "stdout";
  const auto errPath = folder / "stderr";
  WriteText(inPath, input);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, inPath.c_str(), O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);
  posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);

  std::vector<std::string> argvStrings{RAVIX_CLI_PATH};
  argvStrings.insert(argvStrings.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (auto& s : argvStrings)
    argv.push_back(s.data());
  argv.push_back(nullptr);

  CliRun run;
  pid_t pid = 0;
  if (posix_spawn(&pid, RAVIX_CLI_PATH, &actions, nullptr, argv.data(), environ) == 0) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }
  posix_spawn_file_actions_destroy(&actions);
  run.out = ReadText(outPath);
  run.err = ReadText(errPath);
  return run;
}

}  // namespace ravix::testing
