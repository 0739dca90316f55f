#include "app/rejected_file_notice.h"

#include <string>

#include "dialogs/message_box_dlg.h"
#include "ledger/expense_ledger.h"
#include "platform/core/utf8.h"

namespace {

// "The logbook that could not be read, kept as:", short enough for the
// box's first line, so that the name starts a line of its own.
constexpr wchar_t kKeptAs[] = L"읽지 못한 기록 사본:\n";
constexpr wchar_t kCaption[] = L"기록 파일";

}  // namespace

CString RejectedFileNotice(const CExpenseLedger& ledger) {
  const std::string kept = ledger.KeptAsidePath();
  if (kept.empty()) return CString();
  const std::wstring name =
      platform::WideFromUtf8(kept.substr(kept.find_last_of('/') + 1)).value_or(L"?");
  return CString(kKeptAs) + name.c_str();
}

void ShowRejectedFileNotice(CWnd* parent, const CExpenseLedger& ledger) {
  const CString notice = RejectedFileNotice(ledger);
  if (!notice.IsEmpty()) SkinMessageBox(parent, notice, kCaption, MB_OKCANCEL | MB_ICONEXCLAMATION);
}
