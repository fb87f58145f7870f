#include <fcntl.h>
#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "run.h"

namespace {

// Standard input, output and error must be open before any file is: a file
// given a free descriptor 0 to 2 would receive what was meant for them.
// Returns false when standard output was closed.
bool OpenStandardStreams() {
  bool outputOpen = true;
  for (int fd = 0; fd <= 2; ++fd) {
    if (::fcntl(fd, F_GETFD) != -1) continue;
    if (fd == 1) outputOpen = false;
    ::open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);  // takes the lowest free descriptor
  }
  return outputOpen;
}

}  // namespace

int main(int argc, char** argv) {
  if (!OpenStandardStreams()) {
    std::cerr << "lumo-action: cannot write the output: standard output is closed\n";
    return lumo::app::kExitFailure;
  }
  const std::vector<std::string> args(argv + 1, argv + argc);
  return lumo::app::Run(args, std::cin, std::cout, std::cerr);
}
