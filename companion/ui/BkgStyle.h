/// @class BkgStyle
/// BkgStyle: the process-wide background style, one shading per kind of user-interface component.
/// The host creates it (CreateInstance) and destroys it (DestroyInstance); controls only read it
/// through GetInstance, which is null while the host has made none.
#pragma once
#include "ShadeProps.h"

class ORVUI_API BkgStyle
{
public:
    /// Kinds of component that take a shading. Values are fixed: callers pass them as numbers.
    enum UIComponent
    {
        WindowBackground = 0,
        DialogBackground = 1,
        Toolbar = 2,
        StatusBar = 3,
        Header = 4,
        TabStrip = 5,
        Calendar = 6,
        CalendarButtons = 7,
        DropWindow = 8,
        DropList = 9,
        DropTree = 10,
        DropWindowButtons = 11,
        ComponentCount = 12,
    };

    /// The style, or null when the host has made none.
    static BkgStyle* GetInstance();
    /// Makes the style (every component with the default shading) once; later calls return it.
    static BkgStyle* CreateInstance();
    /// Destroys the style; GetInstance is null afterwards. Pointers from Get die with it.
    static void DestroyInstance();

    /// Points pProps at the shading of a component and returns true; a component without
    /// shading, or a number outside the enumeration, gives null and false. The shading stays
    /// owned by the style; a caller may adjust it in place.
    bool Get(UIComponent component, ShadeProps*& pProps) const;
    /// Gives a component its shading; false for a number outside the enumeration.
    bool Set(UIComponent component, const ShadeProps& props);
    /// Leaves a component unshaded (Get then gives null).
    void Clear(UIComponent component);

    /// One instance per process: not copyable.
    ///@{
    BkgStyle(const BkgStyle&) = delete;
    BkgStyle& operator=(const BkgStyle&) = delete;
    ///@}

private:
    BkgStyle();
    ~BkgStyle();
    static bool IsValid(UIComponent component);

    static BkgStyle* m_pInstance;
    // Writable through Get's pointer even from a const style: the interface hands it out so.
    mutable ShadeProps m_props[ComponentCount];
    bool m_bShaded[ComponentCount];
};
