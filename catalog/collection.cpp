#include "catalog/collection.h"

#include <cctype>

namespace lunetar {

const char* const kBuiltInAddress = "https://lunetar.example/sarnovo/";
const char* const kBuiltInDescription = "Lunetar: Sarnovo and Korvadex, updates and news";

namespace {

bool SameIgnoringCase(char a, char b) {
  return std::tolower(static_cast<unsigned char>(a)) ==
         std::tolower(static_cast<unsigned char>(b));
}

bool BeginsWith(const std::string& entry, const std::string& text) {
  if (entry.size() < text.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!SameIgnoringCase(entry[i], text[i])) return false;
  }
  return true;
}

}  // namespace

int FindPrefix(const std::vector<std::string>& list, const std::string& text) {
  if (text.empty()) return -1;
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (BeginsWith(list[i], text)) return static_cast<int>(i);
  }
  return -1;
}

bool EnsureBuiltInEntry(Collection& collection) {
  if (FindPrefix(collection.addresses, kBuiltInAddress) != -1) return false;
  collection.addresses.push_back(kBuiltInAddress);
  collection.descriptions.push_back(kBuiltInDescription);
  return true;
}

namespace {
// The longest address or description that Add and Find accept.
constexpr std::size_t kMaxSiteText = 150;
}  // namespace

std::string AddSiteRefusal(const std::string& address, const std::string& description) {
  if (address.empty()) return "Please enter a web site address.    ";
  if (address.size() > kMaxSiteText) return "Please enter a shorter web site address.    ";
  return FindSiteRefusal(description);
}

std::string FindSiteRefusal(const std::string& description) {
  if (description.empty()) return "Please enter a web site description.    ";
  if (description.size() > kMaxSiteText) return "Please enter a shorter web site description.    ";
  return "";
}

std::string DeleteRefusal(const Collection& collection, const std::string& destination) {
  if (destination == kBuiltInAddress) return "This site can not be deleted.    ";
  if (collection.addresses.empty() || collection.descriptions.empty()) {
    return "Your web collection is empty.    ";
  }
  if (FindPrefix(collection.addresses, destination) == -1) {
    return "Please select a web site first.   ";
  }
  return "";
}

}  // namespace lunetar
