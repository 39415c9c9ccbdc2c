// A test's own file in the temporary folder, named after the test and removed after it.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace lunetar {

class TempFileTest : public ::testing::Test {
 protected:
  std::string path_ = ::testing::TempDir() +
                      ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".txt";

  void TearDown() override {
    std::remove(path_.c_str());
    std::remove((path_ + ".new").c_str());
  }
  void Write(const std::string& bytes) { std::ofstream(path_, std::ios::binary) << bytes; }
  std::string Bytes() const {
    std::ifstream in(path_, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }
};

}  // namespace lunetar
