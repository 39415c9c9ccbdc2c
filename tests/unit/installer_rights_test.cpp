// The rights the installer gives each path, read from its script and taken at the documented
// meaning of each part of a security descriptor: what a standard user may do with every installed
// file and with every file the programs write. (Wine keeps no rights to read back.)
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "common/suite.h"

namespace lunetar {
namespace {

// Access rights of files and folders (winnt.h); on a folder, write data is "create files".
constexpr std::uint32_t kReadData = 0x1, kWriteData = 0x2, kExecute = 0x20, kDelete = 0x10000,
                        kReadControl = 0x20000, kWriteDac = 0x40000, kWriteOwner = 0x80000;
// What lets a user change a file or a folder's list of files, or who may: write data, append
// data (create folders), write extended attributes, delete a child, write attributes, delete,
// change the rights, take ownership.
constexpr std::uint32_t kChanging =
    0x2 | 0x4 | 0x10 | 0x40 | 0x100 | kDelete | kWriteDac | kWriteOwner;
// The SDDL names of rights, the generic ones as the file system maps them.
const std::map<std::string, std::uint32_t> kRightNames = {
    {"FA", 0x1F01FF}, {"FR", 0x120089}, {"FW", 0x120116}, {"FX", 0x1200A0}, {"SD", kDelete},
    {"GA", 0x1F01FF}, {"GR", 0x120089}, {"GW", 0x120116}, {"GX", 0x1200A0}};
const std::map<std::uint32_t, std::uint32_t> kGenericBits = {{0x10000000, 0x1F01FF},
                                                             {0x80000000, 0x120089},
                                                             {0x40000000, 0x120116},
                                                             {0x20000000, 0x1200A0}};
// Well-known SIDs by one name each: Users, Everyone, Authenticated Users, Interactive (every
// standard user is in these), the owner's rights (S-1-3-4) and the creator of a file (CO).
const std::map<std::string, std::string> kSidNames = {
    {"S-1-5-32-545", "BU"}, {"S-1-1-0", "WD"}, {"S-1-5-11", "AU"}, {"S-1-5-4", "IU"},
    {"OW", "S-1-3-4"},      {"S-1-3-0", "CO"}, {"S-1-5-32-544", "BA"}, {"S-1-5-18", "SY"}};

struct Ace {
  std::string type, flags, sid;
  std::uint32_t rights;
};
struct Descriptor {
  std::string owner, daclFlags;
  std::vector<Ace> aces;
};

std::uint32_t Rights(const std::string& text) {
  std::uint32_t rights = 0;
  if (text.rfind("0x", 0) == 0) {
    const auto mask = static_cast<std::uint32_t>(std::stoul(text, nullptr, 16));
    for (const auto& [bit, mapped] : kGenericBits) rights |= (mask & bit) ? mapped : 0;
    return rights | (mask & 0x0FFFFFFF);
  }
  for (std::size_t i = 0; i < text.size(); i += 2) {
    const auto name = kRightNames.find(text.substr(i, 2));
    if (name == kRightNames.end()) ADD_FAILURE() << "unknown rights " << text;
    else rights |= name->second;
  }
  return rights;
}

std::string Sid(const std::string& text) {
  const auto name = kSidNames.find(text);
  if (name != kSidNames.end()) return name->second;
  const bool known = text.rfind("S-1-", 0) == 0 || text == "BU" || text == "WD" || text == "AU" ||
                     text == "IU" || text == "BA" || text == "SY" || text == "CO";
  if (!known) ADD_FAILURE() << "a SID that the system would not know: " << text;
  return text;
}

Descriptor Parse(const std::string& sddl) {
  std::smatch parts;
  EXPECT_TRUE(std::regex_match(sddl, parts, std::regex(R"(O:(\w+)D:([A-Z]*)(\(.*\)))"))) << sddl;
  Descriptor descriptor{Sid(parts[1]), parts[2], {}};
  const std::string aces = parts[3];
  const std::regex ace(R"(\((\w+);(\w*);(\w+);;;([\w-]+)\))");
  for (std::sregex_iterator it(aces.begin(), aces.end(), ace), end; it != end; ++it) {
    descriptor.aces.push_back({(*it)[1], (*it)[2], Sid((*it)[4]), Rights((*it)[3])});
  }
  return descriptor;
}

bool HasFlag(const std::string& flags, const std::string& flag) {
  for (std::size_t i = 0; i + 2 <= flags.size(); i += 2) {
    if (flags.substr(i, 2) == flag) return true;
  }
  return false;
}

// What a standard user may do with a path: a folder itself (inherited: false), or a file made in
// it later, which takes the folder's entries for files, as its owner (the one who made it) or
// as another user. The owner may always read and change the rights, unless an owner-rights entry
// says what the owner may do instead.
std::uint32_t UserRights(const Descriptor& folder, bool inherited, bool owner = false) {
  std::uint32_t rights = 0;
  bool ownerRights = false;
  for (const Ace& ace : folder.aces) {
    const bool applies = inherited ? HasFlag(ace.flags, "OI") : !HasFlag(ace.flags, "IO");
    const bool user = ace.sid == "BU" || ace.sid == "WD" || ace.sid == "AU" || ace.sid == "IU";
    const bool asOwner = owner && inherited && (ace.sid == "S-1-3-4" || ace.sid == "CO");
    if (!applies || !(user || asOwner)) continue;
    EXPECT_EQ(ace.type, "A") << "a deny entry for users, which this reading does not weigh";
    ownerRights = ownerRights || ace.sid == "S-1-3-4";
    rights |= ace.rights;
  }
  return owner && !ownerRights ? rights | kReadControl | kWriteDac : rights;
}

// The descriptors the installer script applies, path by path (the last where a path has
// several), with the script's defines and folder put in; "${name}" stands for each file of the
// list that InstallFile runs on. Commented lines are left out.
std::map<std::string, Descriptor> AppliedRights(std::string& script) {
  std::ifstream in(INSTALLER_SCRIPT);
  for (std::string line; std::getline(in, line);) {
    const std::size_t start = line.find_first_not_of(' ');
    if (start != std::string::npos && line[start] != ';') script += line + "\n";
  }
  auto all = [&](const char* pattern) {
    std::vector<std::smatch> found;
    const std::regex expression(pattern);
    for (std::sregex_iterator it(script.begin(), script.end(), expression), end; it != end; ++it) {
      found.push_back(*it);
    }
    return found;
  };
  std::map<std::string, std::string> defines;
  for (const std::smatch& define : all(R"re(!define (\w+) "([^"]*)")re")) {
    defines[define[1]] = define[2];
  }
  for (const std::smatch& dir : all(R"re(InstallDir "([^"]*)")re")) defines["INSTDIR"] = dir[1];
  auto expand = [&](std::string value) {
    const std::regex reference(R"(\$\{?(\w+)\}?)");  // ${NAME}, or $INSTDIR
    for (std::smatch name; std::regex_search(value, name, reference) && defines.count(name[1]);) {
      value.replace(name.position(), name.length(), defines[name[1]]);
    }
    return value;
  };
  const auto installed = all(R"re(!insertmacro \$\{DO\} "[^"]*" "([^"]*)")re");
  std::map<std::string, Descriptor> applied;
  for (const std::smatch& set : all(R"re(!insertmacro SetRights "([^"]*)" "([^"]*)")re")) {
    const std::string path = set[1];
    const bool eachFile = path.find("${name}") != std::string::npos;
    for (std::size_t i = 0; i < (eachFile ? installed.size() : 1); ++i) {
      if (eachFile) defines["name"] = installed[i][1];
      applied[expand(path)] = Parse(expand(set[2]));
    }
  }
  return applied;
}

TEST(InstallerRightsTest, UsersChangeNothingInstalledAndWriteEveryFileOfTheirs) {
  std::string script;
  const std::map<std::string, Descriptor> applied = AppliedRights(script);
  // The program folder lets users only read while the programs are copied into it.
  EXPECT_LT(script.find("SetRights \"$INSTDIR\" \"${RIGHTS_FOLDER_WHILE_INSTALLING}\""),
            script.find("!insertmacro InstalledFiles InstallFile"));
  const std::string programs = LUNETAR_PROGRAM_FOLDER, catalog = LUNETAR_CATALOG_FOLDER;
  // The three programs, five documents and the uninstaller, and the two folders, where users may
  // create files only. Each is owned by the administrators and takes no rights from above.
  EXPECT_EQ(applied.size(), 3u + 5u + 1u + 2u);
  for (const auto& [path, rights] : applied) {
    SCOPED_TRACE(path);
    EXPECT_EQ(rights.owner, "BA");
    EXPECT_EQ(rights.daclFlags.substr(0, 1), "P");
    const bool folder = path + "\\" == programs || path + "\\" == catalog;
    EXPECT_TRUE(folder || path.rfind(programs, 0) == 0) << "installed outside the program folder";
    EXPECT_EQ(UserRights(rights, false) & kChanging, folder ? kWriteData : 0u);
    EXPECT_EQ(UserRights(rights, false) & (kReadData | kExecute), kReadData | kExecute);
  }

  // What the programs write, each through a temporary file beside it: made by one user,
  // replaced and removed by another; neither can lock the others out or take it over.
  for (const std::string& path :
       {programs + LUNETAR_USER_CHAPTER_FILE, programs + LUNETAR_USER_CHAPTER_FILE ".new",
        catalog + LUNETAR_ADDRESSES_FILE ".new", catalog + LUNETAR_DESCRIPTIONS_FILE ".old",
        catalog + LUNETAR_REPORT_FILE, catalog + "A note.txt.new"}) {
    SCOPED_TRACE(path);
    const std::string folder = path.substr(0, path.rfind('\\'));
    ASSERT_EQ(applied.count(folder), 1u);
    EXPECT_EQ(applied.count(path), 0u) << "an installed file";
    for (const bool owner : {false, true}) {
      const std::uint32_t rights = UserRights(applied.at(folder), true, owner);
      EXPECT_EQ(rights & (kReadData | kWriteData | kDelete), kReadData | kWriteData | kDelete);
      EXPECT_EQ(rights & (kWriteDac | kWriteOwner), 0u) << (owner ? "its owner" : "another user");
    }
  }
}

}  // namespace
}  // namespace lunetar
