// The facts of the whole suite that more than one program or resource script states: the
// company, the installed folders and the files in them, the version, the product page and the
// copyright line.
//
// The .rc scripts include this file too, and windres reads it through the C preprocessor: it
// holds #defines of literals only, which the code and the scripts join with their own text by
// writing the literals side by side ("Korvadex " LUNETAR_VERSION).
#pragma once

// The maker: the key of the programs' settings and the folder of the reader's own data.
#define LUNETAR_COMPANY "Lunetar"

// Where the suite is installed: the programs and the reader's documents, and the catalog's data.
#define LUNETAR_PROGRAM_FOLDER "C:\\Program Files\\Lunetar\\"
#define LUNETAR_CATALOG_FOLDER "C:\\Program Files\\Sarnovo\\"
// Where Backup writes the collection and Restore reads it: the floppy disk.
#define LUNETAR_BACKUP_FOLDER "A:\\"

// The programs, in the program folder. The launcher starts the other two by bare name, and they
// hand back to it.
#define LUNETAR_LAUNCHER_PROGRAM "launch.exe"
#define LUNETAR_READER_PROGRAM "guide.exe"
#define LUNETAR_CATALOG_PROGRAM "sarnovo.exe"

// The documents and the tips, installed beside the programs. The catalog opens web pages with the
// program that shows Readme.html, and its reports with the one that shows Readme.txt.
#define LUNETAR_README_TEXT "Readme.txt"
#define LUNETAR_README_PAGE "Readme.html"
#define LUNETAR_LICENSE "License.txt"
#define LUNETAR_ORDER_FORM "Order.txt"
#define LUNETAR_TIPS_FILE "gtips.txt"

// The user's own chapter, which the reader saves beside the programs.
#define LUNETAR_USER_CHAPTER_FILE "user.ini"

// The catalog's files in its folder: the collection, addresses and descriptions paired by line
// (the backup disk holds the same pair), and the report that Print and Print All rewrite.
#define LUNETAR_ADDRESSES_FILE "data.ini"
#define LUNETAR_DESCRIPTIONS_FILE "desc.ini"
#define LUNETAR_REPORT_FILE "report.txt"

// The three programs carry one version, as numbers for the version resources and as text.
#define LUNETAR_VERSION_MAJOR 7
#define LUNETAR_VERSION_MINOR 0
#define LUNETAR_STRINGIZE_(x) #x
#define LUNETAR_STRINGIZE(x) LUNETAR_STRINGIZE_(x)
#define LUNETAR_VERSION \
  LUNETAR_STRINGIZE(LUNETAR_VERSION_MAJOR) "." LUNETAR_STRINGIZE(LUNETAR_VERSION_MINOR)

// The maker's product page, opened by the Updates commands.
#define LUNETAR_PRODUCT_PAGE "https://lunetar.example/korvadex/"

#define LUNETAR_COPYRIGHT "Copyright (C) 2026 Lunetar. All rights reserved."
