#include "reader/tips.h"

#include <sys/stat.h>

#include <cctype>

#include <ctime>

#include "common/line_file.h"

namespace lunetar {
namespace {

bool IsTip(const std::string& line) {
  return !line.empty() && line[0] != ' ' && line[0] != '\t' && line[0] != ';';
}

// The file's time stamp as ctime writes it, without the line end. It is the time the content was
// last written: st_ctime would be the creation time on Windows, which an editor that saves in place
// leaves as it was.
std::string TimeStampOf(std::FILE* file) {
  struct stat status;
  if (fstat(fileno(file), &status) != 0) return {};
  const std::time_t stamp = status.st_mtime;
  const char* text = std::ctime(&stamp);
  std::string stampText = text ? text : "";
  while (!stampText.empty() && std::isspace(static_cast<unsigned char>(stampText.back()))) {
    stampText.pop_back();
  }
  return stampText;
}

}  // namespace

TipRead ReadNextTip(std::FILE* file, std::string& tip) {
  // At most one wrap: a second end of file without a tip means there is none.
  bool wrapped = false;
  std::string line;
  for (;;) {
    if (!ReadLinePiece(file, kTipPieceChars, line)) {
      if (wrapped) return TipRead::NoTip;
      if (std::fseek(file, 0, SEEK_SET) != 0) return TipRead::SeekFailed;
      wrapped = true;
      continue;
    }
    if (IsTip(line)) {
      tip = line;
      return TipRead::Found;
    }
  }
}

TipsFile::TipsFile(const std::string& path, TipSettings& settings)
    : m_settings(settings), m_pFile(OpenFile(path, "rb")) {
  long start = settings.GetInt("FilePos", 0);
  if (!m_pFile) return;
  const std::string stamp = TimeStampOf(m_pFile.get());
  if (settings.GetString("TimeStamp", "") != stamp) {
    settings.WriteString("TimeStamp", stamp);
    start = 0;
  }
  if (start < 0 || std::fseek(m_pFile.get(), start, SEEK_SET) != 0) {
    m_firstRead = TipRead::SeekFailed;
    return;
  }
  m_firstRead = ReadNextTip(m_pFile.get(), m_strFirstTip);
}

TipsFile::~TipsFile() {
  if (!m_pFile) return;
  m_settings.WriteInt("FilePos", static_cast<int>(std::ftell(m_pFile.get())));
}

bool ShowTipAtStartup(TipSettings& settings) { return settings.GetInt("StartUp", 0) == 0; }

void SaveShowTipAtStartup(TipSettings& settings, bool show) {
  settings.WriteInt("StartUp", show ? 0 : 1);
}

}  // namespace lunetar
