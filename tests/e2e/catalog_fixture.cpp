#include "catalog_fixture.h"

#include "driver.h"
#include "resources/catalog_ids.h"
#include "texts.h"

namespace e2e {

// The catalog's own site, which it adds to every collection that lacks it.
const char* const CatalogFixture::kBuiltInAddress = "https://lunetar.example/sarnovo/";
const char* const CatalogFixture::kBuiltInDescription =
    "Lunetar - Sarnovo and Korvadex, updates and news";

void CatalogFixture::SetUp() {
  SuiteTest::SetUp();
  if (HasFatalFailure()) return;
  Install("sarnovo.exe", "sarnovo.exe");
  Install("recorder.exe", "launch.exe");
}

std::string CatalogFixture::FileOf(const Lines& lines, const char* end) {
  std::string bytes;
  for (const std::string& line : lines) bytes += line + end;
  return bytes;
}

void CatalogFixture::WriteCollection(const Lines& addresses, const Lines& descriptions,
                                     const std::string& folder, const char* end) {
  WriteFile(folder + "data.ini", FileOf(addresses, end));
  WriteFile(folder + "desc.ini", FileOf(descriptions, end));
}

Lines CatalogFixture::Addresses() const { return ListLines(catalog_, IDC_ADDRESSES); }

Lines CatalogFixture::Descriptions() const { return ListLines(catalog_, IDC_DESCRIPTIONS); }

std::string CatalogFixture::Destination() const { return ItemText(catalog_, IDC_DESTINATION); }

void CatalogFixture::AddSite(const std::string& address, const std::string& description) {
  HWND add = PressFor(catalog_, IDC_ADD, "Add Web Site");
  ASSERT_TRUE(add);
  SetItemText(add, IDC_SITE_ADDRESS, address);
  SetItemText(add, IDC_SITE_DESCRIPTION, description);
  ASSERT_TRUE(Answer(add, IDOK));
}

void CatalogFixture::Expect(const std::string& text, int answer) {
  ExpectMessage(kTitle, text, answer);
}

void CatalogFixture::PressExpecting(HWND window, int id, const std::string& text, int answer) {
  PostClick(window, id);
  Expect(text, answer);
}

void CatalogFixture::ExpectNoMoreMessages() {
  e2e::ExpectNoMoreMessages(catalog_, IDM_ABOUT, "Sarnovo 7.0", kTitle);
}

void CatalogFixture::RunWithDisk(int command, const std::string& outcome) {
  PressExpecting(catalog_, command, kInsertDisk);
  Expect(outcome);
  ExpectNoMoreMessages();
}

void CatalogFixture::ExpectSelection(int row, const std::string& destination) {
  EXPECT_EQ(ListSelection(catalog_, IDC_ADDRESSES), row);
  EXPECT_EQ(ListSelection(catalog_, IDC_DESCRIPTIONS), row);
  EXPECT_EQ(Destination(), destination);
}

}  // namespace e2e
