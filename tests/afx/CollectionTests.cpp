#include <afxtempl.h>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace
{
template <class LIST>
CString Join(const LIST& list, bool bBackward = false)
{
    CString text;
    POSITION pos = bBackward ? list.GetTailPosition() : list.GetHeadPosition();
    while (pos != nullptr)
        text += CString(bBackward ? list.GetPrev(pos) : list.GetNext(pos)) + ";";
    return text;
}

CString Join(const CStringArray& array)
{
    CString text;
    for (INT_PTR i = 0; i < array.GetSize(); ++i)
        text += array[i] + ";";
    return text;
}
}

TEST(Collections, ArraysGrowInsertAndRemove)
{
    CStringArray a;
    EXPECT_EQ(-1, a.GetUpperBound());
    EXPECT_EQ(nullptr, a.GetData());
    EXPECT_EQ(0, a.Add("b"));
    a.InsertAt(0, "a");
    a.InsertAt(4, "e"); // past the end: the gap is filled with empty strings
    EXPECT_STREQ("a;b;;;e;", Join(a));
    a.SetAtGrow(6, "g");
    EXPECT_EQ(7, a.GetSize());
    a.RemoveAt(2, 2);
    a.RemoveAt(4, 100);
    EXPECT_STREQ("a;b;e;;", Join(a));
    a.InsertAt(1, CString("x"), 2);
    EXPECT_STREQ("a;x;x;b;e;;", Join(a));
    EXPECT_EQ(6, a.Append(a));
    EXPECT_EQ(12, a.GetSize());
    a.SetAtGrow(40, a[1]); // the source element is read before the array grows
    EXPECT_STREQ("x", a[40]);

    CUIntArray u;
    u.SetSize(3);
    u[1] = 7;
    u.SetSize(5);
    EXPECT_EQ(0u, u[4]);
    EXPECT_EQ(7u, u.GetData()[1]);
    CUIntArray copy;
    copy.Copy(u);
    copy.InsertAt(1, &u);
    EXPECT_EQ(10, copy.GetSize());
    EXPECT_EQ(7u, copy[2]);
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
        a.ElementAt(row.index) += "more";
        EXPECT_TRUE(a[row.index].IsEmpty());
        a.SetAt(row.index, "set");
        a.RemoveAt(row.index);
        EXPECT_EQ(1, a.GetSize());
        EXPECT_STREQ("only", a[0]);
    }
    a.SetSize(-5);
    a.SetAtGrow(-1, "x");
    a.InsertAt(-1, "x");
    EXPECT_EQ(1, a.GetSize());
}

TEST(Collections, ListsIterateBothWaysAndInsertAtPositions)
{
    CStringList list;
    list.AddTail("b");
    list.AddHead("a");
    POSITION posC = list.AddTail("c");
    list.InsertBefore(posC, "b2");
    list.InsertAfter(posC, "d");
    list.InsertBefore(nullptr, "first");
    EXPECT_STREQ("first;a;b;b2;c;d;", Join(list));
    EXPECT_STREQ("d;c;b2;b;a;first;", Join(list, true));
    EXPECT_EQ(posC, list.Find("c"));
    EXPECT_EQ(nullptr, list.Find("c", posC));
    EXPECT_EQ(posC, list.FindIndex(4));
    EXPECT_EQ(nullptr, list.FindIndex(6));
    EXPECT_EQ(nullptr, list.FindIndex(-1));

    // Removing the element just returned while walking.
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
    {
        POSITION current = pos;
        if (list.GetNext(pos).GetLength() > 1)
            list.RemoveAt(current);
    }
    EXPECT_STREQ("a;b;c;d;", Join(list));
    EXPECT_STREQ("a", list.RemoveHead());
    EXPECT_STREQ("d", list.RemoveTail());
    list.AddTail(&list); // copies what it had, then stops
    EXPECT_STREQ("b;c;b;c;", Join(list));
    list.AddHead(&list);
    EXPECT_EQ(8, list.GetCount());
}

TEST(Collections, NullPositionsAndEmptyListsAreHarmless)
{
    CStringList list;
    EXPECT_TRUE(list.RemoveHead().IsEmpty());
    EXPECT_TRUE(list.GetTail().IsEmpty());
    POSITION pos = nullptr;
    list.GetNext(pos) = "lost";
    EXPECT_EQ(nullptr, pos);
    list.RemoveAt(nullptr);
    list.SetAt(nullptr, "lost");
    EXPECT_EQ(0, list.GetCount());
    EXPECT_TRUE(list.GetAt(nullptr).IsEmpty());
}

TEST(Collections, MapsLookUpReplaceAndRemove)
{
    CMapStringToPtr map;
    int one = 1, two = 2;
    void* p = nullptr;
    EXPECT_FALSE(map.Lookup("one", p));
    map.SetAt("one", &one);
    map["two"] = &two;
    map["one"] = &two;
    EXPECT_EQ(2, map.GetCount());
    EXPECT_TRUE(map.Lookup("one", p));
    EXPECT_EQ(&two, p);
    EXPECT_TRUE(map.RemoveKey("one"));
    EXPECT_FALSE(map.RemoveKey("one"));
    EXPECT_FALSE(map.Lookup("one", p));
    EXPECT_EQ(1, map.GetCount());

    CMapPtrToPtr pointers;
    pointers[&one] = &two;
    EXPECT_TRUE(pointers.Lookup(&one, p));
    EXPECT_EQ(&two, p);
    EXPECT_FALSE(pointers.Lookup(&two, p));
}

TEST(Collections, MapIterationVisitsEveryKeyOnceWhileGrowingAndRemoving)
{
    CMap<int, int, CString, LPCSTR> map;
    for (int i = 0; i < 1000; ++i)
        map[i].Format("v%d", i);
    EXPECT_GT(map.GetHashTableSize(), 17u);

    std::set<int> seen;
    POSITION pos = map.GetStartPosition();
    int key = 0;
    CString value;
    while (pos != nullptr)
    {
        map.GetNextAssoc(pos, key, value);
        EXPECT_TRUE(seen.insert(key).second) << key;
        EXPECT_EQ(CString("v") + std::to_string(key).c_str(), value);
        if (key % 2 == 0)
            map.RemoveKey(key);
    }
    EXPECT_EQ(1000u, seen.size());
    EXPECT_EQ(500, map.GetCount());
    map.RemoveAll();
    EXPECT_EQ(nullptr, map.GetStartPosition());
}

TEST(Collections, TypedPointerCollectionsCastTheirElements)
{
    CObArray* pOwner = new CObArray;
    CTypedPtrArray<CObArray, CObArray*> arrays;
    arrays.Add(pOwner);
    EXPECT_EQ(pOwner, arrays[0]);
    EXPECT_EQ(nullptr, arrays.GetAt(3));
    delete arrays[0];
    arrays[0] = nullptr;
    EXPECT_EQ(nullptr, arrays.GetAt(0));

    int values[3] = { 1, 2, 3 };
    CTypedPtrList<CPtrList, int*> list;
    for (int& v : values)
        list.AddTail(&v);
    int sum = 0;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        sum += *list.GetNext(pos);
    EXPECT_EQ(6, sum);
    EXPECT_EQ(&values[2], list.RemoveTail());

    CArray<CPoint, CPoint> points;
    points.Add(CPoint(1, 2));
    points.InsertAt(0, CPoint(3, 4));
    EXPECT_EQ(CPoint(1, 2), points[1]);
}
