#include "dialogs/message_box_dlg.h"

#include <cwchar>

#include "dialogs/message_lines.h"
#include "resources/resource_ids.h"
#include "skin/text_convert.h"

namespace {

constexpr int kIconCellWidth = 53;
constexpr POINT kIconAt{15, 40};
constexpr int kTextLeft = 80, kTextTop = 45, kLineHeight = 20;
constexpr int kLineCapacity = 100;
constexpr SIZE kButtonSize{75, 24};
constexpr int kOkIndex = 0, kCancelIndex = 1;
struct Button {
  UINT vk;
  POINT at;
  const wchar_t* caption;
};
constexpr Button kButtons[] = {{VK_F1, {40, 112}, L"확  인"}, {VK_F2, {153, 112}, L"취  소"}};

// The icon cell and the buttons a style asks for.
int IconForStyle(UINT style) {
  if ((style & MB_ICONEXCLAMATION) == MB_ICONEXCLAMATION) return 0;
  if (style & MB_ICONQUESTION) return 1;
  if (style & MB_ICONHAND) return 2;
  return 0;
}

bool HasTwoButtons(UINT style) { return (style & 1) || (style & 4); }

int ConfirmResult(UINT style) { return (style & 4) == 4 || (style & 3) == 3 ? IDYES : IDOK; }

}  // namespace

UINT CMessageBoxDlg::s_nLastKeyDown = 0;

int SkinMessageBox(CWnd* pParent, LPCTSTR text, LPCTSTR caption, UINT style) {
  CMessageBoxDlg dialog(pParent, text, caption, style);
  return static_cast<int>(dialog.DoModal());
}

BEGIN_MESSAGE_MAP(CMessageBoxDlg, CSkinDlg)
  ON_WM_LBUTTONDOWN()
  ON_WM_LBUTTONUP()
  ON_WM_PAINT()
END_MESSAGE_MAP()

// The caption is not shown. Room for two bytes a character and a
// terminator, as code page 949 needs.
CMessageBoxDlg::CMessageBoxDlg(CWnd* pParent, LPCTSTR text, LPCTSTR, UINT style)
    : CSkinDlg(IDD_MESSAGE_BOX, pParent), m_nStyle(style) {
  std::vector<char> multiByte(std::wcslen(text) * 2 + 10, '\0');
  MultiByteFromWide(multiByte.data(), text, static_cast<int>(multiByte.size()));
  m_lines = CutMessageLines(multiByte.data());
}

BOOL CMessageBoxDlg::OnInitDialog() {
  CreateGulimFont(m_font, 15, FW_BOLD);
  CSkinDlg::OnInitDialog();
  m_bmpSkin.LoadBitmap(IDB_MSGBOX_FRAME);
  BITMAP frame{};
  m_bmpSkin.GetBitmap(&frame);
  MoveWindow((m_rcClient.Width() - frame.bmWidth) / 2, (m_rcClient.Height() - frame.bmHeight) / 2,
             frame.bmWidth, frame.bmHeight, FALSE);
  m_skinIcons.LoadFromResource(IDB_MSGBOX_ICONS, kIconCellWidth, 0, kKeyGreen);
  m_bmpButtonUp.LoadBitmap(IDB_MSGBOX_BUTTON_UP);
  m_bmpButtonSel.LoadBitmap(IDB_MSGBOX_BUTTON_SEL);
  m_panelButtons.m_pOwner = this;
  m_panelButtons.SetTextStyle(13, 10, RGB(0, 0, 0), RGB(255, 255, 255));
  for (const Button& button : kButtons) {
    const int id = static_cast<int>(button.vk);
    m_panelButtons.AddButton(button.at.x, button.at.y, kButtonSize.cx, kButtonSize.cy,
                             button.caption, id, 1, TRUE, 0);
    m_panelButtons.SetImageStyle(id, &m_bmpButtonUp, &m_bmpButtonSel, kButtonSize.cx,
                                 kButtonSize.cy, nullptr);
  }
  m_panelButtons.GetButton(kOkIndex)->visible = HasTwoButtons(m_nStyle) ? 1 : 0;
  return TRUE;
}

void CMessageBoxDlg::OnPaint() {
  PrepareBackBuffer();
  if (m_back.Ready()) m_dcBack.SetBkMode(TRANSPARENT);
  CPaintDC dc(this);
  if (!m_back.Ready()) return;
  CRect client;
  GetClientRect(&client);
  BlitBitmapToRect(&m_dcBack, &m_bmpSkin, client);
  m_skinIcons.DrawStripCellTransparent(&m_dcBack, IconForStyle(m_nStyle), kIconAt, 1);
  m_dcBack.SetTextColor(RGB(255, 255, 255));
  CFont* pOldFont = m_dcBack.SelectObject(&m_font);
  int y = kTextTop;
  for (const std::string& line : m_lines) {
    wchar_t wide[kLineCapacity];
    const int length = WideFromMultiByte(wide, line.c_str(), kLineCapacity);
    m_dcBack.TextOut(kTextLeft, y, wide, length);
    y += kLineHeight;
  }
  m_dcBack.SelectObject(pOldFont);
  m_panelButtons.Paint(&m_dcBack);
  dc.BitBlt(0, 0, client.Width(), client.Height(), &m_dcBack, 0, 0, SRCCOPY);
}

BOOL CMessageBoxDlg::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_KEYDOWN) return OnKeyPressed(pMsg);
  if (pMsg->message == WM_KEYUP) return OnKeyReleased(pMsg);
  return CSkinDlg::PreTranslateMessage(pMsg);
}

// Enter acts on its release; other keys (Escape) are the dialog manager's.
BOOL CMessageBoxDlg::OnKeyPressed(MSG* pMsg) {
  const UINT vk = static_cast<UINT>(pMsg->wParam);
  s_nLastKeyDown = vk;
  switch (vk) {
    case VK_F1: SelectPanelButton(m_panelButtons, kOkIndex); return TRUE;
    case VK_F3: SelectPanelButton(m_panelButtons, kCancelIndex); return TRUE;
    case kCloseKey:
    case VK_RETURN: return TRUE;
    default: return CSkinDlg::PreTranslateMessage(pMsg);
  }
}

BOOL CMessageBoxDlg::OnKeyReleased(MSG* pMsg) {
  const UINT vk = static_cast<UINT>(pMsg->wParam);
  const bool ownDown = vk == s_nLastKeyDown;
  s_nLastKeyDown = 0;
  if (!ownDown) return TRUE;
  const int confirm = ConfirmResult(m_nStyle);
  switch (vk) {
    case VK_F1: EndDialog(confirm); return TRUE;
    case VK_RETURN:
      EndDialog(m_panelButtons.GetFocusId() == static_cast<int>(VK_F1) ? confirm : IDCANCEL);
      return TRUE;
    case VK_F2:
    case kCloseKey: EndDialog(IDCANCEL); return TRUE;
    default: return CSkinDlg::PreTranslateMessage(pMsg);
  }
}

// The pen finds the buttons by their rectangles alone, shown or not.
void CMessageBoxDlg::OnLButtonDown(UINT, CPoint point) {
  const int index = PanelButtonAt(m_panelButtons, point);
  if (index < 0) return;
  PanelButton& button = *m_panelButtons.GetButton(index);
  button.selected = 1;
  const CRect rect(button.rect);
  InvalidateRect(&rect, TRUE);
}

// The release alone decides which button acts.
void CMessageBoxDlg::OnLButtonUp(UINT, CPoint point) {
  if (SendPanelKeyAt(m_panelButtons, point, WM_KEYDOWN))
    SendPanelKeyAt(m_panelButtons, point, WM_KEYUP);
}
