#include "PathProbe.h"
#include "CharWalk.h"
#include "ErrorModeGuard.h"

namespace
{
bool IsAsciiLetter(char ch)
{
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z');
}

// Length of the "\\server\share" part of a normalized UNC path, or 0 when the text does not
// open with a complete one.
int UncRootLength(const CString& path)
{
    if (path.GetLength() < 5 || path[0] != '\\' || path[1] != '\\')
        return 0;
    int serverEnd = CharWalk::Find(path, '\\', 2);
    if (serverEnd <= 2)
        return 0;
    int shareEnd = CharWalk::Find(path, '\\', serverEnd + 1);
    if (shareEnd < 0)
        shareEnd = path.GetLength();
    if (shareEnd == serverEnd + 1)
        return 0;
    // "\\.\" and "\\?\" name devices and raw namespaces, not shares.
    CString server = path.Mid(2, serverEnd - 2);
    if (server == "." || server == "?")
        return 0;
    return shareEnd;
}
}

CString PathProbe::Normalize(const CString& path)
{
    CString result;
    const int length = path.GetLength();
    bool afterSlash = false;
    for (int i = 0; i < length;)
    {
        const int next = CharWalk::Next(path, i);
        if (next - i == 2)
        {
            // A two-byte character; its trail byte may be 0x5C and is no separator.
            result += path.Mid(i, 2);
            afterSlash = false;
            i = next;
            continue;
        }
        char ch = path[i];
        if (ch == '/')
            ch = '\\';
        bool isDoubled = ch == '\\' && afterSlash;
        // The UNC opening "\\" is the one run that keeps two backslashes.
        if (!(isDoubled && !(result.GetLength() == 1 && i == 1)))
            result += ch;
        afterSlash = ch == '\\';
        i = next;
    }
    return result;
}

bool PathProbe::IsReservedDeviceName(const CString& component)
{
    CString base = component;
    int dot = base.Find('.');
    if (dot >= 0)
        base = base.Left(dot);
    base.TrimRight(' ');
    base.MakeUpper();
    if (base == "CON" || base == "PRN" || base == "AUX" || base == "NUL")
        return true;
    if (base.GetLength() == 4 && (base.Left(3) == "COM" || base.Left(3) == "LPT"))
        return base[3] >= '1' && base[3] <= '9';
    return false;
}

bool PathProbe::IsWellFormed(const CString& normalized, bool allowRelative)
{
    const int length = normalized.GetLength();
    if (length == 0 || length >= MAX_PATH)
        return false;
    for (int i = 0; i < length; i = CharWalk::Next(normalized, i))
    {
        // Trail bytes of two-byte characters are skipped: 0x7C, the bar, is one of them.
        unsigned char ch = static_cast<unsigned char>(normalized[i]);
        if (ch < 0x20 || ch == '<' || ch == '>' || ch == '"' || ch == '|' || ch == '?' ||
            ch == '*')
            return false;
        if (ch == ':' && !(i == 1 && IsAsciiLetter(normalized[0])))
            return false;
    }

    int rootLength = 0;
    if (length >= 2 && normalized[1] == ':')
    {
        if (length < 3 || normalized[2] != '\\')
            return false;
        rootLength = 3;
    }
    else if (normalized[0] == '\\' && length > 1 && normalized[1] == '\\')
    {
        rootLength = UncRootLength(normalized);
        if (rootLength == 0)
            return false;
    }
    else if (!allowRelative)
    {
        return false;
    }

    int start = rootLength;
    while (start < length)
    {
        int end = CharWalk::Find(normalized, '\\', start);
        if (end < 0)
            end = length;
        if (end > start && IsReservedDeviceName(normalized.Mid(start, end - start)))
            return false;
        start = end + 1;
    }
    return true;
}

bool PathProbe::IsRoot(const CString& normalized)
{
    const int length = normalized.GetLength();
    if (length == 3 && IsAsciiLetter(normalized[0]) && normalized[1] == ':' &&
        normalized[2] == '\\')
        return true;
    int uncRoot = UncRootLength(normalized);
    return uncRoot > 0 && (uncRoot == length || (uncRoot == length - 1 &&
                                                 normalized[length - 1] == '\\'));
}

CString PathProbe::WithTrailingSlash(const CString& path)
{
    if (path.IsEmpty() || CharWalk::EndsWith(path, '\\') || CharWalk::EndsWith(path, '/'))
        return path;
    return path + "\\";
}

bool PathProbe::GetAttributes(const CString& normalized, DWORD& attributes)
{
    ErrorModeGuard guard;
    DWORD result = GetFileAttributesA(normalized);
    if (result == INVALID_FILE_ATTRIBUTES)
        return false;
    attributes = result;
    return true;
}

bool PathProbe::ProbeExisting(const CString& path, bool allowRelative, DWORD& attributes)
{
    CString normalized = Normalize(path);
    return IsWellFormed(normalized, allowRelative) && GetAttributes(normalized, attributes);
}
