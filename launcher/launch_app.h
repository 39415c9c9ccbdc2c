// The launcher program, launch.exe: the suite's entry point.
#pragma once

#include "common/app.h"

namespace lunetar {

class CLaunchApp : public CApp {
 public:
  CLaunchApp();
  bool InitInstance() override;
};

}  // namespace lunetar
