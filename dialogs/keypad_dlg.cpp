#include "dialogs/keypad_dlg.h"

#include "dialogs/keypad_text.h"
#include "resources/resource_ids.h"
#include "skin/fitted_text.h"

namespace {

constexpr UINT kValueFormat = DT_RIGHT | DT_VCENTER | DT_SINGLELINE;
constexpr POINT kCaptionAt{70, 3};
constexpr RECT kPromptBox{11, 32, 306, 56}, kValueBox{11, 60, 296, 86};
constexpr POINT kKeysAt{6, 116};
constexpr SIZE kKeysSize{306, 85};
constexpr DWORD kClearAfterMs = 1000;

constexpr int kFirstDigitId = 10;
constexpr int kInitialFocusId = 13;  // the 3, middle of the top row
constexpr SIZE kDigitSize{48, 25};
struct DigitKey {
  int id;
  POINT at;
  int cell;
};
constexpr DigitKey kDigitKeys[] = {{11, {19, 128}, 1},  {12, {77, 128}, 2},  {13, {135, 128}, 3},
                                   {14, {193, 128}, 4}, {15, {251, 128}, 5}, {16, {19, 164}, 6},
                                   {17, {77, 164}, 7},  {18, {135, 164}, 8}, {19, {193, 164}, 9},
                                   {10, {251, 164}, 0}};

constexpr SIZE kCommandSize{77, 27};
constexpr int kCommandTop = 209;
struct CommandKey {
  UINT vk;
  int left;
  const wchar_t* caption;
};
constexpr CommandKey kCommandKeys[] = {
    {VK_F1, 6, L"확  인"}, {VK_F2, 85, L"<-"}, {VK_F3, 164, L"."}, {VK_F4, 243, L"취  소"}};
constexpr UINT kBackspaceId = VK_F2, kPointId = VK_F3;

}  // namespace

UINT CKeypadDlg::s_nLastKeyDown = 0;

BEGIN_MESSAGE_MAP(CKeypadDlg, CSkinDlg)
  ON_WM_LBUTTONDOWN()
  ON_WM_LBUTTONUP()
  ON_WM_TIMER()
  ON_COMMAND_RANGE(kFirstDigitId, VK_F1, OnKeypadCommand)
END_MESSAGE_MAP()

CKeypadDlg::CKeypadDlg(CWnd* pParent) : CSkinDlg(IDD_KEYPAD, pParent), m_strValue(L"0") {}

BOOL CKeypadDlg::OnInitDialog() {
  CSkinDlg::OnInitDialog();
  m_strCallersValue = m_strValue;
  m_bmpSkin.LoadBitmap(IDB_KEYPAD_SCREEN);
  m_bmpKeys.LoadBitmap(IDB_KEYPAD_KEYS);
  m_skinCmdUp.LoadFromResource(IDB_KEYPAD_CMD_UP, kCommandSize.cx, 0, kKeyGreen);
  m_skinCmdDown.LoadFromResource(IDB_KEYPAD_CMD_DOWN, kCommandSize.cx, 0, kKeyGreen);
  m_skinDigitFocus.LoadFromResource(IDB_KEYPAD_DIGIT_FOCUS, kDigitSize.cx, kDigitSize.cy,
                                    kKeyGreen);
  m_skinDigitOff.LoadFromResource(IDB_KEYPAD_DIGIT_OFF, kDigitSize.cx, kDigitSize.cy, kKeyGreen);
  for (const DigitKey& key : kDigitKeys) {
    m_panelDigits.AddButton(key.at.x, key.at.y, kDigitSize.cx, kDigitSize.cy, L"", key.id, 1, TRUE,
                            0);
    m_panelDigits.SetCellStyle(key.id, nullptr, &m_skinDigitFocus, kDigitSize.cx, kDigitSize.cy,
                               key.cell, TRUE, &m_skinDigitOff);
  }
  m_panelDigits.m_pOwner = this;
  m_panelDigits.SetFocusId(kInitialFocusId);
  for (const CommandKey& key : kCommandKeys) {
    const int id = static_cast<int>(key.vk);
    m_panelCommands.AddButton(key.left, kCommandTop, kCommandSize.cx, kCommandSize.cy, key.caption,
                              id, 1, TRUE, 0);
    m_panelCommands.SetCellStyle(id, &m_skinCmdUp, &m_skinCmdDown, kCommandSize.cx, kCommandSize.cy,
                                 0, TRUE, nullptr);
  }
  m_panelCommands.m_pOwner = this;
  SetForegroundWindow();
  Invalidate(FALSE);
  return TRUE;
}

void CKeypadDlg::DrawContent(CDC* pDC) {
  pDC->SetTextColor(RGB(255, 255, 255));
  DrawShrunkToFit(pDC, static_cast<LPCTSTR>(m_strValue), CRect(kValueBox), kValueFormat);
  CRect prompt(kPromptBox);
  pDC->DrawText(m_strPrompt, -1, &prompt, 0);
  pDC->TextOut(kCaptionAt.x, kCaptionAt.y, m_strCaption, m_strCaption.GetLength());
  BlitBitmap(pDC, &m_bmpKeys, kKeysAt.x, kKeysAt.y, kKeysSize.cx, kKeysSize.cy, 0, 0);
  m_panelDigits.Paint(pDC);
  m_panelCommands.Paint(pDC);
}

// Every key event stops the hold-to-clear timer first, so the text clears
// only after "<-" was held a whole second with nothing else happening.
BOOL CKeypadDlg::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_KEYDOWN) {
    KillTimer(IDT_KEYPAD_CLEAR);
    return OnKeyPressed(static_cast<UINT>(pMsg->wParam));
  }
  if (pMsg->message == WM_KEYUP) {
    KillTimer(IDT_KEYPAD_CLEAR);
    return OnKeyReleased(pMsg);
  }
  return CSkinDlg::PreTranslateMessage(pMsg);
}

// Every key-down is taken here; none reaches the dialog manager.
BOOL CKeypadDlg::OnKeyPressed(UINT vk) {
  s_nLastKeyDown = vk;
  switch (vk) {
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: m_panelDigits.MoveFocus(KeyToDirection8(vk)); break;
    case VK_F1:
    case VK_F2:
    case VK_F3:
    case VK_F4:
      SelectPanelButton(m_panelCommands, static_cast<int>(vk - VK_F1));
      if (vk == kBackspaceId) SetTimer(IDT_KEYPAD_CLEAR, kClearAfterMs);
      break;
    case kCloseKey: Invalidate(FALSE); break;
    default: break;
  }
  return TRUE;
}

BOOL CKeypadDlg::OnKeyReleased(MSG* pMsg) {
  const UINT vk = static_cast<UINT>(pMsg->wParam);
  const bool ownDown = vk == s_nLastKeyDown;
  s_nLastKeyDown = 0;
  if (!ownDown) return TRUE;
  if (vk == VK_RETURN) {
    OnKeypadCommand(static_cast<UINT>(m_panelDigits.GetFocusId()));
  } else if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) {
    OnKeypadCommand(kFirstDigitId + (vk - VK_NUMPAD0));
  } else if (vk == VK_F1) {
    EndDialog(IDOK);
  } else if (vk == VK_F2 || vk == VK_F3) {
    SelectPanelButton(m_panelCommands, -1);
    OnKeypadCommand(vk);
  } else if (vk == VK_F4 || vk == kCloseKey) {
    EndKeepingCallersText(IDCLOSE);
  } else {
    return CSkinDlg::PreTranslateMessage(pMsg);
  }
  return TRUE;
}

void CKeypadDlg::OnCancel() { EndKeepingCallersText(IDCANCEL); }

void CKeypadDlg::EndKeepingCallersText(int result) {
  m_strValue = m_strCallersValue;
  EndDialog(result);
}

void CKeypadDlg::OnLButtonDown(UINT nFlags, CPoint point) {
  m_bPenDown = 1;
  m_panelDigits.OnPenDown(point.x, point.y);
  if (!SendPanelKeyAt(m_panelCommands, point, WM_KEYDOWN)) CSkinDlg::OnLButtonDown(nFlags, point);
}

// A command key acts only when the pen goes down and up on it: a release on
// another key is not the last key pressed, one elsewhere sends nothing.
void CKeypadDlg::OnLButtonUp(UINT nFlags, CPoint point) {
  if (!m_bPenDown) return;
  m_bPenDown = 0;
  m_panelDigits.OnPenUp(point.x, point.y);
  if (!SendPanelKeyAt(m_panelCommands, point, WM_KEYUP)) CSkinDlg::OnLButtonUp(nFlags, point);
}

void CKeypadDlg::OnKeypadCommand(UINT nID) {
  const std::wstring text(static_cast<LPCTSTR>(m_strValue));
  if (nID >= kFirstDigitId && nID < kFirstDigitId + 10) {
    const int index = m_panelDigits.FindButton(static_cast<int>(nID));
    if (index < 0 || !m_panelDigits.GetButton(index)->enabled) return;
    SetValue(KeypadAppendDigit(text, static_cast<int>(nID) - kFirstDigitId, m_bUntouched));
  } else if (nID == kBackspaceId) {
    if (text.empty()) return;
    SetValue(KeypadBackspace(text));
  } else if (nID == kPointId) {
    SetValue(KeypadAppendPoint(text, m_bUntouched));
  }
}

// Any key acted on makes the text the driver's, even one that left it as
// it was: "5" opened and 5 typed, then 6 gives "56".
void CKeypadDlg::SetValue(const std::wstring& value) {
  m_bUntouched = false;
  m_strValue = value.c_str();
  Invalidate(FALSE);
}

void CKeypadDlg::OnTimer(UINT_PTR nIDEvent) {
  KillTimer(nIDEvent);
  m_strValue.Empty();
  m_bUntouched = false;
  Invalidate(FALSE);
  CSkinDlg::OnTimer(nIDEvent);
}
