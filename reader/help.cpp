#include "reader/help.h"

#include "common/message_box.h"
#include "common/suite.h"

namespace lunetar {
namespace {
constexpr const char* kHelpText =
    "Korvadex is an electronic book that teaches you the commands of the UNIX shell, from your "
    "first login to pipes, sed and awk.\n"
    "\n"
    "It behaves like a book: pick a chapter from the list on the right and press Chapter, or pick "
    "a command or keyword from the list on the left and press Command. The chapter is shown from "
    "its first line in the large text list.\n"
    "\n"
    "The book covers the practical tasks of every day at a UNIX system: logging in, moving around "
    "the file system, managing files and permissions, searching, editing with vi, transferring "
    "files, watching processes and combining commands.\n"
    "\n"
    "Nothing is left out as too advanced: every chapter explains its commands with examples that "
    "you can type at once.\n"
    "\n"
    "You can add your own commands or tips with Add. They form the User Defined Chapter, which "
    "you reach like any other chapter or through the keyword User Defined Command.\n"
    "\n"
    "IMPORTANT TIP!\n"
    "\n"
    "Read the book chapter by chapter, from the Preface to Advanced UNIX, if you are new to UNIX.\n"
    "\n"
    "Look up a command or keyword when you need to know one thing quickly: the Command button "
    "takes you to the chapter that explains it.\n"
    "\n"
    "Click a drop-down list, or move to it with Tab, and use the Up and Down arrow keys to move "
    "through its entries; then press Chapter or Command to jump to the chapter. Enter works as "
    "the Chapter button.\n"
    "\n"
    "Korvadex " LUNETAR_VERSION "   " LUNETAR_COPYRIGHT;
}  // namespace

void ShowHelp() { ShowMessage(kHelpText, "HELP", MB_OK); }

}  // namespace lunetar
