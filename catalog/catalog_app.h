// The site catalog program, sarnovo.exe.
#pragma once

#include "common/app.h"

namespace lunetar {

class CCatalogApp : public CApp {
 public:
  CCatalogApp();
  bool InitInstance() override;
};

}  // namespace lunetar
