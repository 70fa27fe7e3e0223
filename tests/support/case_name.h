// Names parameterised tests after their case rows: struct Case { const char* name; ... }.
#pragma once

#include <gtest/gtest.h>

#include <string>

namespace varnak::fixture {

struct CaseName {
  template <typename Case>
  std::string operator()(const testing::TestParamInfo<Case>& row) const {
    return row.param.name;
  }
};

}  // namespace varnak::fixture
