#include "catalog/collection.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

namespace lunetar {
namespace {

using Lines = std::vector<std::string>;

TEST(FindPrefix, FirstEntryThatBeginsWithTheTextInAnyCase) {
  const Lines list = {"Alpha/page", "xabc", "ABCD", "abcde", "a{b"};
  const struct {
    const char* text;
    int found;
  } cases[] = {
      {"", -1},                 // an empty text finds nothing
      {"aLPHA", 0},             // letters in any case
      {"Alpha/page", 0},        // the whole entry
      {"alpha/page/more", -1},  // a prefix match, not equality
      {"abc", 2},               // the upper of ABCD and abcde; xabc only contains it
      {"A[", -1},               // '[' and '{' differ as letters' cases do, but are not letters
      {"b", -1},
  };
  for (const auto& c : cases) EXPECT_EQ(FindPrefix(list, c.text), c.found) << c.text;
  EXPECT_EQ(FindPrefix({}, "a"), -1);
}

TEST(BuiltInEntry, AppendedToTheEndOfBothListsUnlessAnAddressBeginsWithIt) {
  const std::string upper = "HTTPS://LUNETAR.EXAMPLE/SARNOVO/news";
  const struct {
    Collection before;
    bool appended;
  } cases[] = {
      {{}, true},
      {{{"a", "b"}, {"x"}}, true},                    // lists of different lengths
      {{{"https://lunetar.example/"}, {"x"}}, true},  // the built-in begins with it: not enough
      {{{"a", upper}, {"x", "y"}}, false},            // begins with it, in another case
  };
  for (const auto& c : cases) {
    Collection collection = c.before;
    EXPECT_EQ(EnsureBuiltInEntry(collection), c.appended);
    Collection expected = c.before;
    if (c.appended) {
      expected.addresses.push_back(kBuiltInAddress);
      expected.descriptions.push_back(kBuiltInDescription);
    }
    EXPECT_EQ(collection.addresses, expected.addresses);
    EXPECT_EQ(collection.descriptions, expected.descriptions);
  }
}

TEST(SiteChecks, AddTestsTheAddressFirstAndCountsBlanks) {
  const std::string x150(150, 'x'), x151(151, 'x');
  const std::string noAddress = "Please enter a web site address.    ";
  const std::string longAddress = "Please enter a shorter web site address.    ";
  const std::string noDescription = "Please enter a web site description.    ";
  const std::string longDescription = "Please enter a shorter web site description.    ";
  const struct {
    std::string address, description, refusal;
  } cases[] = {
      {"", "", noAddress},         {"", "d", noAddress},
      {x151, "", longAddress},     {x150, x150, ""},
      {"a", "", noDescription},    {"a", x151, longDescription},
      {" ", " ", ""},              {std::string(149, 'x') + "  ", "d", longAddress},
      {"a", std::string(150, ' ') + "d", longDescription},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AddSiteRefusal(c.address, c.description), c.refusal)
        << c.address.size() << " / " << c.description.size();
  }
  EXPECT_EQ(FindSiteRefusal(""), noDescription);
  EXPECT_EQ(FindSiteRefusal(" "), "");
  EXPECT_EQ(FindSiteRefusal(x150), "");
  EXPECT_EQ(FindSiteRefusal(x151), longDescription);
}

TEST(SiteChecks, DeleteRefusesTheBuiltInFirstThenAnEmptyCollectionThenNoMatch) {
  const std::string builtIn = kBuiltInAddress;
  std::string builtInUpper = builtIn;
  for (char& c : builtInUpper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  ASSERT_NE(builtIn, builtInUpper) << "the built-in address holds lower-case letters";
  const Collection full = {{"alpha/page", builtIn}, {"Alpha", "Lunetar"}};
  const Collection noDescriptions = {{"alpha/page"}, {}};
  const Collection none;
  const std::string cannot = "This site can not be deleted.    ";
  const std::string empty = "Your web collection is empty.    ";
  const std::string select = "Please select a web site first.   ";  // three blanks
  const struct {
    const Collection& collection;
    std::string destination, refusal;
  } cases[] = {
      {none, builtIn, cannot},         {full, builtIn, cannot},
      {full, builtInUpper, ""},        {noDescriptions, "alpha/page", empty},
      {none, "", empty},               {full, "", select},
      {full, "beta", select},          {full, "ALPHA/PAGE", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DeleteRefusal(c.collection, c.destination), c.refusal) << c.destination;
  }
}

}  // namespace
}  // namespace lunetar
