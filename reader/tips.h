// The Tip of the Day's tips file and the settings that carry its state from one start to the next.
//
// The tips file holds one tip per line; empty lines and lines that begin with a blank, a tab or
// ";" (comments) are no tips. Tips are shown in file order, one per start, and the byte offset at
// which the next search begins is kept in the settings together with the file's time stamp: when
// the file changes, the search starts again at its beginning.
#pragma once

#include <cstdio>
#include <string>

#include "common/file_ptr.h"

namespace lunetar {

// The reader's settings store, section "Tip".
class TipSettings {
 public:
  virtual ~TipSettings() = default;
  virtual int GetInt(const char* entry, int defaultValue) = 0;
  virtual void WriteInt(const char* entry, int value) = 0;
  virtual std::string GetString(const char* entry, const std::string& defaultValue) = 0;
  virtual void WriteString(const char* entry, const std::string& value) = 0;
};

enum class TipRead {
  Found,
  NoTip,       // a full pass through the file found no tip line
  SeekFailed,  // the file could not be positioned
};

// A tip line is read in pieces of at most this many characters, each counting as a line.
constexpr std::size_t kTipPieceChars = 999;

// Reads on from the file's position to the next tip, wrapping to the beginning at the end.
TipRead ReadNextTip(std::FILE* file, std::string& tip);

// The tips file, open from construction to destruction.
class TipsFile {
 public:
  // Opens the file, finds where the search continues and reads the first tip (FirstTip).
  TipsFile(const std::string& path, TipSettings& settings);
  // Stores where the next search begins; the file closes after it.
  ~TipsFile();
  TipsFile(const TipsFile&) = delete;
  TipsFile& operator=(const TipsFile&) = delete;

  bool IsOpen() const { return m_pFile != nullptr; }
  // The result of reading the first tip; SeekFailed when the stored offset could not be used.
  TipRead FirstRead() const { return m_firstRead; }
  const std::string& FirstTip() const { return m_strFirstTip; }
  TipRead Next(std::string& tip) { return ReadNextTip(m_pFile.get(), tip); }

 private:
  TipSettings& m_settings;
  FilePtr m_pFile;
  TipRead m_firstRead = TipRead::NoTip;
  std::string m_strFirstTip;
};

// "StartUp" is stored inverted: 0 shows the tip at start-up.
bool ShowTipAtStartup(TipSettings& settings);
void SaveShowTipAtStartup(TipSettings& settings, bool show);

}  // namespace lunetar
