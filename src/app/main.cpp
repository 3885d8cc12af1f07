#include <cstdlib>

#include "app/app.h"

int main(int argc, char* argv[]) {
  // exit flushes standard output before the process ends.
  std::exit(RunTollvane(argc, argv));
}
