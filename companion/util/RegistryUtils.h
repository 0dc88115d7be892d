/// @class RegistryUtils
/// Text values in the registry under any root key. Key paths may start or end with a backslash
/// ("Software\Example\Settings\"); an empty value name is the key's default value.
#pragma once
#include <afx.h>
#include "UtilApi.h"

class ORVUTIL_API RegistryUtils
{
public:
    /// The text of a REG_SZ or REG_EXPAND_SZ value (a REG_DWORD as decimal text); empty when the
    /// key or value is missing or holds another type. expand: environment variables in a
    /// REG_EXPAND_SZ value are replaced by their values; without it the stored text comes back.
    static CString GetKeyValue(HKEY root, const CString& key, const CString& value, bool expand);

    /// Writes data as a REG_SZ value (REG_EXPAND_SZ with expandable), creating the key and its
    /// parents as needed. True on success.
    static bool CreateKeyAndValue(HKEY root, const CString& key, const CString& value,
                                  const CString& data, bool expandable);

    /// Deletes one value; true when it is gone afterwards (also when it never existed).
    static bool DeleteValue(HKEY root, const CString& key, const CString& value);

    /// Deletes a key with everything below it; true when it is gone afterwards. An empty key
    /// path is refused: it would name the root key itself.
    static bool DeleteKey(HKEY root, const CString& key);
};
