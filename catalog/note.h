// Site notes: a free text that belongs to a site's description and lives in a file of its own in
// the collection folder, named after the description.
//
// The note field of the Note dialog breaks its lines with CR LF; the file holds the text as the
// run-time library's text mode writes it, every LF as CR LF, so a line break is stored as CR CR LF
// and reading turns every CR LF back into LF. The codec does that translation here, on bytes, so
// that it is the same natively and on Windows.
#pragma once

#include <string>

#include "common/file_access.h"
#include "common/line_file.h"
#include "common/suite.h"

namespace lunetar {

// The longest note the Note dialog takes, a line break counting as two characters.
constexpr std::size_t kMaxNoteChars = 800;

// The bytes of a note file for text: every LF written as CR LF, nothing else changed or added.
std::string EncodeNote(const std::string& text);
// The text of a note file's bytes: every CR LF read as LF; a CR without LF after it and an LF
// without CR before it stay as they are.
std::string DecodeNote(const std::string& bytes);

// Whether description can name a note file of its own in the collection folder: a single file name
// that reaches neither another folder, nor a device, nor the catalog's report file, nor another
// file by its short alias. The file is always the description followed by ".txt", so a dot or
// blank at the end of the description is not at the end of the file name, and ".." is no step up
// once the separators are refused. Refused: an empty text; path separators and the drive colon;
// the characters Windows refuses in names (< > " | ? * and control characters); the reserved
// device names (CON, PRN, AUX, NUL, CONIN$, CONOUT$, COM1 to COM9 and LPT1 to LPT9, in any case,
// with or without an extension and with blanks before it); a name that may be the short alias of
// another file (at most eight characters, no dot, and a "~": WEATHE~1, WEAT~GIJ); and "report",
// whose note file would be the report that Print and Print All rewrite.
bool IsSafeNoteName(const std::string& description);

// The note file of description: folder, description, ".txt". "" when the description is no safe
// note name: such a site has no note file, so its note opens empty and cannot be saved.
std::string NoteFilePath(const std::string& description,
                         const std::string& folder = LUNETAR_CATALOG_FOLDER);

// Reads the note file at path into text (decoded). False, with text untouched, when there is no
// path or the file cannot be opened or read.
bool ReadNote(const std::string& path, std::string& text);

// Writes text (encoded) to the note file at path through a temporary file that replaces it only
// once every byte is written and the file closed. False when there is no path or any step failed;
// the earlier note file is then as it was.
bool SaveNote(const std::string& path, const std::string& text, ReplaceFileFunction replace);

enum class NoteRemoval {
  Removed,
  NoNote,      // no path, or no note file that can be opened
  NotRemoved,  // the note file is there but could not be removed (in use, protected)
};

NoteRemoval RemoveNote(FileAccess& files, const std::string& path);

}  // namespace lunetar
