/// @class CMemDC
/// CMemDC: flicker-free drawing. Drawing goes to an off-screen bitmap that starts as a copy of
/// the target's rectangle and is copied back to the target when the object is destroyed; it
/// uses the target's logical coordinates (MM_TEXT) and its current font. Owns the memory DC and
/// the bitmap, never the target. When no off-screen bitmap can be made it draws straight into
/// the target; without a target it draws nowhere.
#pragma once
#include "UiApi.h"
#include <afxwin.h>

class ORVUI_API CMemDC : public CDC
{
public:
    /// Starts drawing off screen for rect of pDC (logical coordinates, normalised).
    CMemDC(CDC* pDC, const CRect& rect);
    /// Copies the off-screen picture to the target and frees the bitmap and memory DC.
    ~CMemDC() override;

    /// Owns a memory DC and a bitmap: not copyable.
    ///@{
    CMemDC(const CMemDC&) = delete;
    CMemDC& operator=(const CMemDC&) = delete;
    ///@}

    // Attributes
    /// True while drawing goes to the off-screen bitmap (false when it falls back to the target).
    bool IsOffScreen() const { return m_bOffScreen; }
    /// The target's rectangle being drawn, normalised.
    const CRect& GetRect() const { return m_rect; }

private:
    bool CreateOffScreen();
    void DrawStraightIntoTarget();

    CDC* m_pDC;         // the target; not owned
    CRect m_rect;       // in the target's logical coordinates
    CBitmap m_bitmap;
    HGDIOBJ m_hOldBitmap;
    HGDIOBJ m_hOldFont;
    bool m_bOffScreen;
};
