#include <iostream>
#include <string>
#include <vector>

#include "app/window_report.h"

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  return varnak::app::RunReport(args, std::cout, std::cerr);
}
