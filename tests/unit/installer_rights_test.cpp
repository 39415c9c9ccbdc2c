// The rights the installer gives each path, read from its script and taken at the documented
// meaning of each part of a security descriptor: what a standard user may do with every installed
// file and with every file the programs write. (Wine keeps no rights to read back.)
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "common/suite.h"

namespace lunetar {
namespace {

// Access rights of files and folders (winnt.h); on a folder, write data is "create files".
constexpr std::uint32_t kReadData = 0x1, kWriteData = 0x2, kExecute = 0x20, kDelete = 0x10000,
                        kWriteDac = 0x40000, kWriteOwner = 0x80000;
// What lets a user change a file or a folder's list of files, or who may: write data, append
// data (create folders), write extended attributes, delete a child, write attributes, delete,
// change the rights, take ownership.
constexpr std::uint32_t kChanging =
    0x2 | 0x4 | 0x10 | 0x40 | 0x100 | kDelete | kWriteDac | kWriteOwner;

// An entry (A;flags;rights;;;sid), and a descriptor O:owner D:dacl-flags entries.
struct Ace {
  std::string type, flags, sid;
  std::uint32_t rights;
};
struct Descriptor {
  std::string owner, daclFlags;
  std::vector<Ace> aces;
};

Descriptor Parse(const std::string& sddl) {
  static const std::map<std::string, std::uint32_t> names = {
      {"FA", 0x1F01FF}, {"FR", 0x120089}, {"FW", 0x120116}, {"FX", 0x1200A0}, {"SD", kDelete}};
  std::smatch parts;
  EXPECT_TRUE(std::regex_match(sddl, parts, std::regex(R"(O:(\w+)D:([A-Z]*)(\(.*\)))"))) << sddl;
  Descriptor descriptor{parts[1], parts[2], {}};
  const std::string aces = parts[3];
  const std::regex ace(R"(\((\w+);(\w*);(\w+);;;([\w-]+)\))");
  for (std::sregex_iterator it(aces.begin(), aces.end(), ace), end; it != end; ++it) {
    const std::string text = (*it)[3];
    const bool hex = text.rfind("0x", 0) == 0;
    std::uint32_t rights = hex ? static_cast<std::uint32_t>(std::stoul(text, nullptr, 16)) : 0;
    for (std::size_t i = 0; !hex && i < text.size(); i += 2) {
      const auto name = names.find(text.substr(i, 2));
      if (name == names.end()) ADD_FAILURE() << "unknown rights " << text;
      else rights |= name->second;
    }
    descriptor.aces.push_back({(*it)[1], (*it)[2], (*it)[4], rights});
  }
  return descriptor;
}

bool HasFlag(const std::string& flags, const std::string& flag) {
  for (std::size_t i = 0; i + 2 <= flags.size(); i += 2) {
    if (flags.substr(i, 2) == flag) return true;
  }
  return false;
}

// What a standard user may do with a folder itself (inherited: false), or with a file made in it
// later, which takes the folder's entries for files, as its owner (who made it) or as another
// user. Every standard user is in Users, Authenticated Users, Everyone and Interactive.
std::uint32_t UserRights(const Descriptor& folder, bool inherited, bool owner = false) {
  // An owner may always change the rights, unless an owner-rights entry (S-1-3-4) says otherwise.
  std::uint32_t rights = owner ? kWriteDac : 0;
  for (const Ace& ace : folder.aces) {
    const bool ownerRights = ace.sid == "S-1-3-4";
    const bool user = ace.sid == "BU" || ace.sid == "AU" || ace.sid == "WD" || ace.sid == "IU";
    const bool applies = inherited ? HasFlag(ace.flags, "OI") : !HasFlag(ace.flags, "IO");
    if (!applies || !(user || (owner && ownerRights))) continue;
    EXPECT_EQ(ace.type, "A") << "a deny entry for users, which this reading does not weigh";
    rights = (ownerRights ? rights & ~kWriteDac : rights) | ace.rights;
  }
  return rights;
}

// The descriptors the installer script applies, path by path, the last one where a path has
// several; with the script's defines and folder put in, and an installed file's path for each file
// of the list that InstallFile runs on.
std::map<std::string, Descriptor> AppliedRights() {
  std::stringstream text;
  text << std::ifstream(INSTALLER_SCRIPT).rdbuf();
  const std::string script = text.str();
  auto all = [&](const char* pattern) {
    std::vector<std::smatch> found;
    const std::regex expression(pattern);
    for (auto it = std::sregex_iterator(script.begin(), script.end(), expression);
         it != std::sregex_iterator(); ++it) {
      found.push_back(*it);
    }
    return found;
  };
  std::map<std::string, std::string> defines;
  for (const std::smatch& define : all(R"re(!define (\w+) "([^"]*)")re")) {
    defines[define[1]] = define[2];
  }
  const std::vector<std::smatch> installDir = all(R"re(InstallDir "([^"]*)")re");
  EXPECT_EQ(installDir.size(), 1u) << INSTALLER_SCRIPT;
  defines["INSTDIR"] = installDir.empty() ? "" : installDir[0][1].str();
  auto expand = [&](std::string value) {
    std::smatch name;
    const std::regex reference(R"(\$\{?(\w+)\}?)");  // ${NAME}, or $INSTDIR
    while (std::regex_search(value, name, reference) && defines.count(name[1])) {
      value.replace(name.position(), name.length(), defines[name[1]]);
    }
    return value;
  };
  const std::vector<std::smatch> installed = all(R"re(!insertmacro \$\{DO\} "[^"]*" "([^"]*)")re");
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
  const std::map<std::string, Descriptor> applied = AppliedRights();
  const std::string programs = LUNETAR_PROGRAM_FOLDER, catalog = LUNETAR_CATALOG_FOLDER;
  // The three programs, five documents and the uninstaller, and the two folders: these only
  // create files. Each is owned by the administrators and takes no rights from above.
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
  // replaced and removed by another, and its owner cannot lock the others out.
  for (const std::string& path :
       {programs + "user.ini", programs + "user.ini.new", catalog + "data.ini.new",
        catalog + "desc.ini.old", catalog + "report.txt", catalog + "A note.txt.new"}) {
    SCOPED_TRACE(path);
    const std::string folder = path.substr(0, path.rfind('\\'));
    ASSERT_EQ(applied.count(folder), 1u);
    EXPECT_EQ(applied.count(path), 0u) << "an installed file";
    EXPECT_EQ(UserRights(applied.at(folder), true) & (kReadData | kWriteData | kDelete),
              kReadData | kWriteData | kDelete);
    EXPECT_EQ(UserRights(applied.at(folder), true, true) & (kWriteDac | kWriteOwner), 0u);
  }
}

}  // namespace
}  // namespace lunetar
