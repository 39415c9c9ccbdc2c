// The reader's About box: static content only, closed with Esc or the close box.
#pragma once

#include "common/dialog.h"
#include "resources/reader_ids.h"

namespace lunetar {

class CReaderAboutDlg : public CDialog {
 public:
  CReaderAboutDlg() : CDialog(IDD_READER_ABOUT) {}
};

}  // namespace lunetar
