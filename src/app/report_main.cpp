#include <iostream>
#include <string>
#include <vector>

#include "app/window_report.h"
#include "saveio/platform.h"

int main(int argc, char** argv) {
  // Paths arrive and JSON leaves as UTF-8, with the same bytes on every system.
  varnak::UseBinaryStandardOutput();
  return varnak::app::RunReport(varnak::Utf8Arguments(argc, argv), std::cout, std::cerr);
}
