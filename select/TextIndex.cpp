#include "TextIndex.h"
#include "TextMatch.h"
#include <algorithm>
#include <string>

namespace
{
const int kPiece = 3;
// About four buckets a text, from 2^10 to 2^20: a small list does not pay for a large table.
const int kMinBucketBits = 10;
const int kMaxBucketBits = 20;
// Intersecting more lists than this rarely removes a candidate that Find would not.
const size_t kMaxListsIntersected = 6;

// Calls fn(bucket) once per distinct bucket of the pieces of the folded text.
template <class Fn>
void ForEachBucket(const std::string& folded, int bits, std::vector<uint32_t>& seenAt, uint32_t stamp, Fn fn)
{
    if (folded.size() < static_cast<size_t>(kPiece))
        return;
    for (size_t i = 0; i + kPiece <= folded.size(); ++i)
    {
        const uint32_t bucket = TextIndex::Bucket(folded.data() + i, bits);
        if (seenAt[bucket] == stamp)
            continue;
        seenAt[bucket] = stamp;
        fn(bucket);
    }
}
}

TextIndex::TextIndex() : m_bBuilt(false), m_nTexts(0), m_nBucketBits(kMinBucketBits) {}

TextIndex::~TextIndex() = default;

uint32_t TextIndex::Bucket(const char* piece, int bits)
{
    const uint32_t key = (static_cast<uint32_t>(static_cast<unsigned char>(piece[0])) << 16) |
                         (static_cast<uint32_t>(static_cast<unsigned char>(piece[1])) << 8) |
                         static_cast<uint32_t>(static_cast<unsigned char>(piece[2]));
    return (key * 2654435761u) >> (32 - bits);
}

void TextIndex::Clear()
{
    m_bBuilt = false;
    m_nTexts = 0;
    std::vector<uint32_t>().swap(m_offsets);
    std::vector<uint32_t>().swap(m_postings);
}

bool TextIndex::IsBuilt(size_t count) const
{
    return m_bBuilt && m_nTexts == count;
}

void TextIndex::Build(const TextArray& texts)
{
    Clear();
    const size_t count = texts.GetCount();
    if (count >= UINT32_MAX)
        return; // indices would not fit; queries read every text instead
    // Two passes, counting and then placing, so the lists are exact-sized and come out in
    // ascending order without sorting. Stamps are text index + 1: 0 means "not yet seen".
    m_nBucketBits = kMinBucketBits;
    while (m_nBucketBits < kMaxBucketBits && (size_t(1) << m_nBucketBits) < count * 4)
        ++m_nBucketBits;
    const uint32_t bucketCount = 1u << m_nBucketBits;
    std::vector<uint32_t> seenAt(bucketCount, 0);
    std::vector<uint32_t> counts(bucketCount + 1, 0);
    std::string folded;
    for (size_t i = 0; i < count; ++i)
    {
        folded.clear();
        TextMatch::Fold(texts[i].GetString(), texts[i].GetLength(), folded);
        ForEachBucket(folded, m_nBucketBits, seenAt, static_cast<uint32_t>(i + 1), [&](uint32_t b) { ++counts[b]; });
    }
    m_offsets.assign(bucketCount + 1, 0);
    size_t total = 0;
    for (uint32_t b = 0; b < bucketCount; ++b)
    {
        m_offsets[b] = static_cast<uint32_t>(total);
        total += counts[b];
    }
    m_offsets[bucketCount] = static_cast<uint32_t>(total);
    m_postings.resize(total);
    std::fill(seenAt.begin(), seenAt.end(), 0);
    std::vector<uint32_t> next(m_offsets.begin(), m_offsets.end() - 1);
    for (size_t i = 0; i < count; ++i)
    {
        folded.clear();
        TextMatch::Fold(texts[i].GetString(), texts[i].GetLength(), folded);
        ForEachBucket(folded, m_nBucketBits, seenAt, static_cast<uint32_t>(i + 1),
                      [&](uint32_t b) { m_postings[next[b]++] = static_cast<uint32_t>(i); });
    }
    m_nTexts = count;
    m_bBuilt = true;
}

size_t TextIndex::GetMemoryBytes() const
{
    return (m_offsets.capacity() + m_postings.capacity()) * sizeof(uint32_t);
}

void TextIndex::Scan(const TextArray& texts, const CString& typed, int mode, std::vector<size_t>& out)
{
    out.clear();
    for (size_t i = 0; i < texts.GetCount(); ++i)
    {
        if (TextMatch::Find(texts[i], typed, mode) >= 0)
            out.push_back(i);
    }
}

void TextIndex::Intersect(std::vector<uint32_t>& candidates, const uint32_t* list, size_t length)
{
    size_t kept = 0;
    const uint32_t* from = list;
    const uint32_t* end = list + length;
    for (const uint32_t index : candidates)
    {
        from = std::lower_bound(from, end, index);
        if (from == end)
            break;
        if (*from == index)
            candidates[kept++] = index;
    }
    candidates.resize(kept);
}

void TextIndex::Find(const TextArray& texts, const CString& typed, int mode, std::vector<size_t>& out) const
{
    std::string folded;
    TextMatch::Fold(typed.GetString(), typed.GetLength(), folded);
    if (folded.size() < static_cast<size_t>(kPiece) || !IsBuilt(texts.GetCount()))
    {
        Scan(texts, typed, mode, out);
        return;
    }
    // Every text that matches holds every piece of the folded typed text: start from the
    // shortest list and keep what the next shortest ones also hold.
    std::vector<uint32_t> buckets;
    for (size_t i = 0; i + kPiece <= folded.size(); ++i)
        buckets.push_back(Bucket(folded.data() + i, m_nBucketBits));
    std::sort(buckets.begin(), buckets.end());
    buckets.erase(std::unique(buckets.begin(), buckets.end()), buckets.end());
    const auto length = [this](uint32_t b) { return static_cast<size_t>(m_offsets[b + 1] - m_offsets[b]); };
    std::sort(buckets.begin(), buckets.end(), [&](uint32_t a, uint32_t b) { return length(a) < length(b); });

    std::vector<uint32_t> candidates(m_postings.begin() + m_offsets[buckets[0]],
                                     m_postings.begin() + m_offsets[buckets[0] + 1]);
    for (size_t k = 1; k < buckets.size() && k < kMaxListsIntersected && !candidates.empty(); ++k)
        Intersect(candidates, m_postings.data() + m_offsets[buckets[k]], length(buckets[k]));

    out.clear();
    for (const uint32_t index : candidates)
    {
        if (TextMatch::Find(texts[index], typed, mode) >= 0)
            out.push_back(index);
    }
}
