// The reader program, guide.exe.
#pragma once

#include "common/app.h"

namespace lunetar {

class CReaderApp : public CApp {
 public:
  CReaderApp();
  bool InitInstance() override;
  bool OnCommand(int id) override;

 private:
  void CreateFolders();
};

}  // namespace lunetar
