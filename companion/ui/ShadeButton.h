/// @class CShadeButton
/// CShadeButton: an owner-drawn push button with a gradient face (ShadeProps), an optional
/// ORVIcon picture beside or instead of its caption, and pressed, focused and disabled looks.
/// Clicks by mouse (double clicks count as two clicks) and by Space, notifying its parent with
/// BN_CLICKED like a push button. Owns nothing but its window and its copy of the shading.
#pragma once
#include "ORVIcon.h"
#include "ShadeProps.h"

class ORVUI_API CShadeButton : public CButton
{
    DECLARE_DYNAMIC(CShadeButton)
public:
    /// A button with the default shading (ShadeProps()) and no picture; the owner creates the
    /// window (BS_OWNERDRAW).
    CShadeButton();
    /// Owns nothing beyond the window.
    ~CShadeButton() override;

    // Operations
    /// The shading the button is drawn with; a change repaints it.
    ///@{
    void SetShadeProps(const ShadeProps& props);
    const ShadeProps& GetShadeProps() const { return m_shade; }
    ///@}
    /// The picture and where it sits: nHorzAlign BS_LEFT, BS_RIGHT or BS_CENTER, nVertAlign
    /// BS_TOP, BS_BOTTOM or BS_VCENTER (anything else centres). With a caption, a centred picture
    /// goes to the caption's left. bRedraw repaints at once. An unknown number shows no picture.
    void SetIcon(ORVIcon::ButtonIcon icon, UINT nHorzAlign, UINT nVertAlign, bool bRedraw);
    /// The picture set by SetIcon (NoIcon when none).
    ORVIcon::ButtonIcon GetButtonIcon() const { return m_icon; }
    /// bRegular: a disabled button keeps its shading and its caption and picture colour, so that
    /// it reads as a label; otherwise it is drawn flat and grey. bRedraw repaints at once.
    void SetRegularFontWhenDisabled(bool bRegular, bool bRedraw);

    // Implementation
    /// Owner drawing: the gradient, frame, caption and picture in the button's state.
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    void PreSubclassWindow() override;
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg LRESULT OnSetStyle(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void DrawFace(CDC& dc, const CRect& rc, bool bPressed, bool bFlat) const;
    void DrawContent(CDC& dc, CRect rc, COLORREF clr);
    void RedrawIf(bool bRedraw);

    ShadeProps m_shade;
    ORVIcon::ButtonIcon m_icon;
    UINT m_nIconHorz;
    UINT m_nIconVert;
    bool m_bRegularWhenDisabled;
};
