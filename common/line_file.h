// Line files: the suite's plain-text files of one value per line.
//
// Files are opened in binary mode and translated here, so the same code reads and writes the same
// bytes natively and on Windows: a line ends at LF with an optional CR before it, a last line
// without an end still counts, bytes such as Ctrl-Z are ordinary text, and writing puts CR LF
// after every line.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

namespace lunetar {

// A file's bytes as its lines, without their ends: LF ends a line and a CR right before it belongs
// to the line end; any other CR is text. A last line without an end counts; an empty file gives no
// lines.
std::vector<std::string> SplitLines(const std::string& bytes);

// Reads the next piece of a line into text (without its line end): at most maxChars characters,
// counting the line end as one, the way a fixed line buffer reads. A longer line therefore comes
// in several pieces; a line end that directly follows a full piece belongs to that piece, so a line
// that exactly fills the buffer does not yield an extra empty piece. A buffer holds at least one
// character, so every piece reads on. Returns false when nothing was left to read. For a reader
// that must know where in the file it stands; whole files are read with ReadLineFile.
bool ReadLinePiece(std::FILE* file, std::size_t maxChars, std::string& text);

// What became of reading a file. A file that is missing is a file not written yet; one that is
// there but cannot be read (another program holds it, no permission) holds data that a save made
// from what was read would destroy.
enum class FileRead { Read, Missing, Unreadable };

// Reads a whole file as lines of at most maxChars characters each (longer lines in pieces, as
// ReadLinePiece cuts them), appended to lines; lines is untouched unless the file was read.
FileRead ReadLineFile(const std::string& path, std::size_t maxChars,
                      std::vector<std::string>& lines);

// Writes every line followed by CR LF and forces the file to the disk. A name that is also another
// file's (a hard link) is removed first and the file made anew, so no other file is ever written
// through it. Returns false when the file cannot be opened, written, forced to the disk or closed.
bool WriteLineFile(const std::string& path, const std::vector<std::string>& lines);

// The bytes of a line file: every line followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);

// Moves a finished file over the one it replaces in a single step.
using ReplaceFileFunction = bool (*)(const std::string& from, const std::string& to);

// Reads a whole file byte for byte into bytes; bytes is untouched unless it was read.
FileRead ReadFileBytes(const std::string& path, std::string& bytes);

// Saves bytes without ever leaving a half-written file behind: they go to a temporary file beside
// path (path + ".new"), made anew, written, forced to the disk and closed as WriteLineFile does,
// every step checked, and only a complete write replaces path. On failure path keeps its earlier
// content and no temporary stays behind. Lines are saved as SaveFileBytes(path, JoinLines(lines),
// replace).
bool SaveFileBytes(const std::string& path, const std::string& bytes,
                   ReplaceFileFunction replace);

}  // namespace lunetar
