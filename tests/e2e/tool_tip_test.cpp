// The tool tips as a user meets them: the hint of the button under the mouse pointer. A tool tip
// learns where the pointer is only from the mouse messages that its dialog relays to it before
// dispatching them (CDialog::PreTranslateMessage), which is why the framework runs a modal loop
// of its own: without the relay no hint would ever show.
#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "driver.h"
#include "reader_fixture.h"
#include "resources/catalog_ids.h"

namespace e2e {
namespace {

// The reader, with its Tip of the Day off, and the catalog.
class ToolTipTest : public ReaderFixture {};

TEST_F(ToolTipTest, TheHintOfTheButtonUnderThePointerShows) {
  ASSERT_NO_FATAL_FAILURE(Install("sarnovo.exe", "sarnovo.exe"));
  const struct {
    const char* program;
    const char* title;
    int button;
    const char* hint;
  } windows[] = {{"sarnovo.exe", "Sarnovo", IDC_ADD, "add web site"},
                 {"guide.exe", " Korvadex", IDOK, "go to the selected chapter"}};
  for (const auto& window : windows) {
    SCOPED_TRACE(window.program);
    HWND dialog = Start(window.program, "#32770", window.title);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(ShownHint(dialog, window.button),
              (std::pair<int, std::string>{window.button, window.hint}));
    EndPrograms();
  }
}

}  // namespace
}  // namespace e2e
