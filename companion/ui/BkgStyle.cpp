#include "BkgStyle.h"

BkgStyle* BkgStyle::m_pInstance = nullptr;

BkgStyle::BkgStyle()
{
    for (bool& bShaded : m_bShaded)
        bShaded = true;
}

BkgStyle::~BkgStyle() = default;

BkgStyle* BkgStyle::GetInstance() { return m_pInstance; }

BkgStyle* BkgStyle::CreateInstance()
{
    if (m_pInstance == nullptr)
        m_pInstance = new BkgStyle;
    return m_pInstance;
}

void BkgStyle::DestroyInstance()
{
    delete m_pInstance;
    m_pInstance = nullptr;
}

bool BkgStyle::IsValid(UIComponent component)
{
    return static_cast<int>(component) >= 0 && static_cast<int>(component) < ComponentCount;
}

bool BkgStyle::Get(UIComponent component, ShadeProps*& pProps) const
{
    pProps = nullptr;
    if (!IsValid(component) || !m_bShaded[component])
        return false;
    pProps = &m_props[component];
    return true;
}

bool BkgStyle::Set(UIComponent component, const ShadeProps& props)
{
    if (!IsValid(component))
        return false;
    m_props[component] = props;
    m_bShaded[component] = true;
    return true;
}

void BkgStyle::Clear(UIComponent component)
{
    if (IsValid(component))
        m_bShaded[component] = false;
}
