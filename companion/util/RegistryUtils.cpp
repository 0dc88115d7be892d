#include "RegistryUtils.h"
#include "CharWalk.h"
#include <vector>

namespace
{
// Values larger than this are not settings that a control reads; they are refused rather than
// copied.
const DWORD kMaxValueBytes = 1024 * 1024;

// The key path without leading, trailing or doubled backslashes, which the registry API refuses.
CString CleanKeyPath(const CString& key)
{
    // Key names may hold two-byte characters whose trail byte is 0x5C; only whole characters
    // are separators.
    CString result;
    bool afterSlash = true;
    for (int i = 0; i < key.GetLength();)
    {
        const int next = CharWalk::Next(key, i);
        const bool isSlash = next - i == 1 && key[i] == '\\';
        if (!(isSlash && afterSlash))
            result += key.Mid(i, next - i);
        afterSlash = isSlash;
        i = next;
    }
    while (CharWalk::EndsWith(result, '\\'))
        result.Truncate(result.GetLength() - 1);
    return result;
}

// Registry strings need not end with a zero, and may hold several.
CString TextFromData(const std::vector<char>& data, DWORD size)
{
    DWORD length = 0;
    while (length < size && data[length] != '\0')
        ++length;
    return CString(data.data(), static_cast<int>(length));
}

CString ExpandText(const CString& text)
{
    DWORD needed = ExpandEnvironmentStringsA(text, nullptr, 0);
    if (needed == 0 || needed > kMaxValueBytes)
        return text;
    std::vector<char> buffer(needed + 1, '\0');
    DWORD written = ExpandEnvironmentStringsA(text, buffer.data(), needed + 1);
    if (written == 0 || written > needed + 1)
        return text;
    return CString(buffer.data());
}
}

CString RegistryUtils::GetKeyValue(HKEY root, const CString& key, const CString& value,
                                   bool expand)
{
    if (!root)
        return CString();
    HKEY hKey = nullptr;
    if (RegOpenKeyExA(root, CleanKeyPath(key), 0, KEY_QUERY_VALUE, &hKey) != ERROR_SUCCESS)
        return CString();

    CString result;
    DWORD type = 0;
    DWORD size = 0;
    LONG status = RegQueryValueExA(hKey, value, nullptr, &type, nullptr, &size);
    // The value may grow between the two calls; a few tries settle it.
    for (int attempt = 0; attempt < 3 && status == ERROR_SUCCESS && size <= kMaxValueBytes;
         ++attempt)
    {
        std::vector<char> data(size + 1, '\0');
        DWORD read = size;
        status = RegQueryValueExA(hKey, value, nullptr, &type,
                                  reinterpret_cast<BYTE*>(data.data()), &read);
        if (status == ERROR_MORE_DATA)
        {
            size = read;
            status = ERROR_SUCCESS;
            continue;
        }
        if (status != ERROR_SUCCESS)
            break;
        if (type == REG_SZ || type == REG_EXPAND_SZ)
        {
            result = TextFromData(data, read);
            if (expand && type == REG_EXPAND_SZ)
                result = ExpandText(result);
        }
        else if (type == REG_DWORD && read == sizeof(DWORD))
        {
            DWORD number = 0;
            memcpy(&number, data.data(), sizeof(number));
            result.Format("%lu", static_cast<unsigned long>(number));
        }
        break;
    }
    RegCloseKey(hKey);
    return result;
}

bool RegistryUtils::CreateKeyAndValue(HKEY root, const CString& key, const CString& value,
                                      const CString& data, bool expandable)
{
    if (!root)
        return false;
    HKEY hKey = nullptr;
    if (RegCreateKeyExA(root, CleanKeyPath(key), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE, nullptr, &hKey, nullptr) != ERROR_SUCCESS)
        return false;
    LONG status = RegSetValueExA(hKey, value, 0, expandable ? REG_EXPAND_SZ : REG_SZ,
                                 reinterpret_cast<const BYTE*>(data.GetString()),
                                 static_cast<DWORD>(data.GetLength()) + 1);
    RegCloseKey(hKey);
    return status == ERROR_SUCCESS;
}

bool RegistryUtils::DeleteValue(HKEY root, const CString& key, const CString& value)
{
    if (!root)
        return false;
    HKEY hKey = nullptr;
    LONG status = RegOpenKeyExA(root, CleanKeyPath(key), 0, KEY_SET_VALUE, &hKey);
    if (status == ERROR_FILE_NOT_FOUND)
        return true;
    if (status != ERROR_SUCCESS)
        return false;
    status = RegDeleteValueA(hKey, value);
    RegCloseKey(hKey);
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

bool RegistryUtils::DeleteKey(HKEY root, const CString& key)
{
    CString path = CleanKeyPath(key);
    if (!root || path.IsEmpty())
        return false;
    LONG status = RegDeleteTreeA(root, path);
    if (status == ERROR_SUCCESS)
        status = RegDeleteKeyA(root, path);
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}
