// The reader program, guide.exe.
#pragma once

#include "common/app.h"

namespace lunetar {

class CReaderApp : public CApp {
 public:
  bool InitInstance() override;

 private:
  void CreateFolders();
};

}  // namespace lunetar
