// The collections hosts hand to the controls: string arrays and lists.
#include <afxtempl.h>
#include <gtest/gtest.h>

namespace
{
CString Join(const CStringArray& array)
{
    CString text;
    for (INT_PTR i = 0; i < array.GetSize(); ++i)
        text += array[i] + ";";
    return text;
}

CString Join(const CStringList& list)
{
    CString text;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        text += list.GetNext(pos) + ";";
    return text;
}
}

TEST(Collections, ArraysGrowInsertRemoveAndCopy)
{
    CStringArray a;
    EXPECT_EQ(0, a.Add("b"));
    a.InsertAt(0, "a");
    a.InsertAt(4, "e"); // past the end: the gap is filled with empty strings
    EXPECT_STREQ("a;b;;;e;", Join(a));
    a.RemoveAt(2, 2);
    a.RemoveAt(2, 100);
    EXPECT_STREQ("a;b;", Join(a));
    EXPECT_EQ(2, a.Append(a));
    CStringArray copy;
    copy.Copy(a);
    EXPECT_STREQ("a;b;a;b;", Join(copy));
}

TEST(Collections, OutOfRangeIndicesTouchNoElement)
{
    CStringArray a;
    a.Add("only");
    struct Row { const char* name; INT_PTR index; } rows[] = { { "negative", -1 }, { "at size", 1 }, { "far", 1 << 30 } };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        EXPECT_TRUE(a.GetAt(row.index).IsEmpty());
        a[row.index] = "written";
        EXPECT_TRUE(a[row.index].IsEmpty());
        a.SetAt(row.index, "set");
        a.RemoveAt(row.index);
        EXPECT_EQ(1, a.GetSize());
        EXPECT_STREQ("only", a[0]);
    }
}

TEST(Collections, ListsWalkInOrderWhileTheWalkerRemoves)
{
    CStringList list;
    for (const char* text : { "a", "b", "b2", "c", "dd" })
        list.AddTail(text);
    EXPECT_EQ(5, list.GetCount());

    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
    {
        POSITION current = pos;
        if (list.GetNext(pos).GetLength() > 1)
            list.RemoveAt(current);
    }
    EXPECT_STREQ("a;b;c;", Join(list));
    list.AddTail(&list); // copies what it had, then stops
    EXPECT_STREQ("a;b;c;a;b;c;", Join(list));
}
