#include "dialogs/skin_dlg.h"

#include "resources/resource_ids.h"

namespace {

constexpr UINT kCentredLine = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
constexpr RECT kButtonRects[CSkinDlg::kButtonCount] = {
    {6, 210, 81, 234}, {82, 210, 157, 234}, {160, 210, 235, 234}, {237, 210, 312, 234}};

}  // namespace

BEGIN_MESSAGE_MAP(CSkinDlg, CDialog)
  ON_WM_ERASEBKGND()
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

void CSkinDlg::DoDataExchange(CDataExchange*) {}
BOOL CSkinDlg::PreTranslateMessage(MSG* pMsg) { return CDialog::PreTranslateMessage(pMsg); }
void CSkinDlg::OnOK() {}
BOOL CSkinDlg::OnEraseBkgnd(CDC*) { return TRUE; }

BOOL CSkinDlg::LoadBitmapResource(CBitmap& bitmap, UINT id) { return bitmap.LoadBitmap(id); }

int CSkinDlg::HitTestButton(int x, int y) const {
  for (int i = 0; i < kButtonCount; ++i)
    if (!m_strButton[i].IsEmpty() && m_rcButton[i].PtInRect(CPoint(x, y))) return i;
  return -1;
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

bool CSkinDlg::PressButtonAt(CPoint point) {
  m_nPressedButton = HitTestButton(point.x, point.y);
  if (m_nPressedButton == -1) return false;
  const int pressed = m_nPressedButton;
  ShowPressedThenRun(this, m_rcButton[pressed], [this, pressed] { RunButtonAction(pressed); });
  m_nPressedButton = -1;
  return true;
}

void CSkinDlg::RunButtonAction(int) {}

void CSkinDlg::PaintFrame() {
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

void CSkinDlg::DrawContent(CDC*) {}
