#include "catalog/note_dlg.h"

#include "catalog/catalog_messages.h"
#include "catalog/catalog_texts.h"
#include "catalog/note.h"
#include "common/disk_files.h"
#include "common/file_replace.h"
#include "resources/catalog_ids.h"

namespace lunetar {
namespace {
constexpr int kSiteChars = 150;
}  // namespace

CNoteDlg::CNoteDlg() : CDialog(IDD_NOTE) {}

void CNoteDlg::DoDataExchange(CDataExchange& dx) {
  dx.Text(IDC_NOTE_TEXT, m_strNote, static_cast<int>(kMaxNoteChars));
  // The field takes no more when typed into, but a note file written by another program may hold
  // more, and is shown whole.
  if (dx.IsTakingIn() && m_strNote.size() > kMaxNoteChars) {
    ShowError(texts::kNoteTooLong);
    dx.Fail();
  }
  // Read-only: they come back as the catalog gave them, whatever their length.
  dx.Text(IDC_NOTE_DESCRIPTION, m_strDescription, kSiteChars);
  dx.Text(IDC_NOTE_ADDRESS, m_strAddress, kSiteChars);
}

bool CNoteDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  AddToolTips({
      {IDC_NOTE_TEXT, "write your note here"},
      {IDC_NOTE_DESCRIPTION, "web site description"},
      {IDC_NOTE_ADDRESS, "web site address"},
      {IDOK, "save note"},
      {IDC_NOTE_DELETE, "delete note"},
  });
  return true;
}

bool CNoteDlg::OnCommand(int id, int notifyCode) {
  if (id != IDC_NOTE_DELETE || notifyCode != BN_CLICKED) return false;
  OnDeleteNote();
  return true;
}

// The success message comes only once the note is on disk: a temporary file is written whole and
// then replaces the note file, so a failed save leaves the earlier note as it was.
void CNoteDlg::OnOK() {
  if (!UpdateData(true)) return;
  if (m_strNote.empty()) {
    ShowError(texts::kEnterNote);
    return;
  }
  if (!SaveNote(NoteFilePath(m_strDescription), m_strNote, MoveFileOver)) {
    ShowError(texts::kCannotSaveNote);
    return;
  }
  ShowInformation(texts::kNoteSaved);
  UpdateData(false);
  EndDialog(IDOK);
}

// The field decides, not the file: an empty field deletes nothing, and text typed for a site
// without a note file stays in the field.
void CNoteDlg::OnDeleteNote() {
  if (!UpdateData(true)) return;
  if (m_strNote.empty()) {
    ShowError(texts::kNoNote);
  } else {
    const std::string path = NoteFilePath(m_strDescription);
    DiskFiles files;
    switch (RemoveNote(files, path)) {
      case NoteRemoval::NoNote:
        ShowError(texts::kNoNote);
        break;
      case NoteRemoval::NotRemoved:
        ShowError(texts::CannotDeleteNote(path));
        break;
      case NoteRemoval::Removed:
        m_strNote.clear();
        ShowInformation(texts::kNoteDeleted);
        break;
    }
  }
  UpdateData(false);
}

void CNoteDlg::OnCancel() {
  m_strNote.clear();
  m_strDescription.clear();
  m_strAddress.clear();
  CDialog::OnCancel();
}

}  // namespace lunetar
