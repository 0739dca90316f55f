#include "dialogs/skin_dlg.h"

#include "resources/resource_ids.h"

namespace {

constexpr RECT kButtonRects[CSkinDlg::kButtonCount] = {
    {6, 210, 81, 234}, {82, 210, 157, 234}, {160, 210, 235, 234}, {237, 210, 312, 234}};

}  // namespace

BEGIN_MESSAGE_MAP(CSkinDlg, CDialog)
  ON_WM_ERASEBKGND()
  ON_WM_PAINT()
END_MESSAGE_MAP()

CSkinDlg::CSkinDlg(UINT nIDTemplate, CWnd* pParent) : CSkinPainted<CDialog>(nIDTemplate, pParent) {}

BOOL CSkinDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_rcClient = g_rcScreen;
  MoveWindow(0, 0, m_rcClient.Width(), m_rcClient.Height(), TRUE);
  m_nPressedButton = -1;
  for (int i = 0; i < kButtonCount; ++i) {
    m_strButton[i].Empty();
    m_rcButton[i] = kButtonRects[i];
  }
  LoadBitmapResource(m_bmpButtonDown, IDB_BUTTON_DOWN);
  if (!m_font.GetSafeHandle()) CreateGulimFont(m_font, 14, FW_BOLD);
  return TRUE;
}

BOOL CSkinDlg::DestroyWindow() {
  ReleaseBackBuffer();
  m_back.ReleaseSource();
  m_font.DeleteObject();
  return CDialog::DestroyWindow();
}

int CSkinDlg::HitTestButton(CPoint point) const {
  for (int i = 0; i < kButtonCount; ++i)
    if (!m_strButton[i].IsEmpty() && m_rcButton[i].PtInRect(point)) return i;
  return -1;
}

bool CSkinDlg::PressButtonAt(CPoint point) {
  const int pressed = HitTestButton(point);
  if (pressed == -1) return false;
  m_nPressedButton = pressed;
  ShowPressedThenRun(this, m_rcButton[pressed], [this, pressed] { RunButtonAction(pressed); });
  m_nPressedButton = -1;
  return true;
}

int CSkinDlg::PanelButtonAt(CButtonPanel& panel, CPoint point) {
  for (int i = 0; i < panel.GetButtonCount(); ++i)
    if (CRect(panel.GetButton(i)->rect).PtInRect(point)) return i;
  return -1;
}

void CSkinDlg::SelectPanelButton(CButtonPanel& panel, int index) {
  for (int i = 0; i < panel.GetButtonCount(); ++i) panel.GetButton(i)->selected = i == index;
  Invalidate(FALSE);
}

bool CSkinDlg::SendPanelKeyAt(CButtonPanel& panel, CPoint point, UINT message) {
  const int index = PanelButtonAt(panel, point);
  if (index < 0) return false;
  MSG key{};
  key.message = message;
  key.wParam = static_cast<WPARAM>(panel.GetButton(index)->id);
  PreTranslateMessage(&key);
  return true;
}

void CSkinDlg::OnPaint() {
  PrepareBackBuffer();
  CPaintDC dc(this);
  if (!m_back.Ready()) return;
  BlitBitmap(&m_dcBack, &m_bmpSkin, 0, 0, m_rcClient.Width(), m_rcClient.Height(), 0, 0);
  m_dcBack.SetBkMode(TRANSPARENT);
  CFont* pOldFont = m_dcBack.SelectObject(&m_font);
  DrawContent(&m_dcBack);
  DrawButtons(&m_dcBack);
  m_dcBack.SelectObject(pOldFont);
  dc.BitBlt(0, 0, m_rcClient.Width(), m_rcClient.Height(), &m_dcBack, 0, 0, SRCCOPY);
}

// Every label of a paint with a pressed button is black; only the pressed
// button's rectangle reaches the screen then, so the others stay white.
void CSkinDlg::DrawButtons(CDC* pDC) {
  if (m_nPressedButton == -1) {
    pDC->SetTextColor(RGB(255, 255, 255));
  } else {
    pDC->SetTextColor(RGB(0, 0, 0));
    BlitBitmapToRect(pDC, &m_bmpButtonDown, m_rcButton[m_nPressedButton]);
  }
  for (int i = 0; i < kButtonCount; ++i)
    if (!m_strButton[i].IsEmpty()) pDC->DrawText(m_strButton[i], -1, &m_rcButton[i], kCentredLine);
}
