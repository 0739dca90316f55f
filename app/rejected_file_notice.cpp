#include "app/rejected_file_notice.h"

#include <string>

#include "dialogs/message_box_dlg.h"
#include "ledger/expense_ledger.h"
#include "platform/core/utf8.h"
#include "platform/win/files.h"

namespace {

// "The logbook that could not be read, kept as:", short enough for the
// box's first line, so that the name starts a line of its own.
constexpr wchar_t kKeptAs[] = L"읽지 못한 기록 사본:\n";
// The save names the copy with its own date and time.
constexpr wchar_t kStampPattern[] = L".damaged-YYYYMMDD-HHMMSS";
constexpr wchar_t kCaption[] = L"기록 파일";

}  // namespace

CString RejectedFileNotice(const CExpenseLedger& ledger) {
  if (ledger.LoadProblem().empty()) return CString();
  const std::string host = HostPathFromDevice(ledger.m_strPath);
  const std::wstring name =
      platform::WideFromUtf8(host.substr(host.find_last_of('/') + 1)).value_or(L"?");
  return CString(kKeptAs) + name.c_str() + kStampPattern;
}

void ShowRejectedFileNotice(CWnd* parent, const CExpenseLedger& ledger) {
  const CString notice = RejectedFileNotice(ledger);
  if (!notice.IsEmpty()) SkinMessageBox(parent, notice, kCaption, MB_OKCANCEL | MB_ICONEXCLAMATION);
}
