// TextIndex: an index of the texts of a TextArray by the three-byte pieces of their folded
// bytes (TextMatch::Fold), so that the texts that contain a typed text, or have a word that
// begins with it, are found without reading every text. Each piece hashes to one of a fixed
// number of buckets (about four a text); a bucket lists, in ascending order, the array indices of the texts that
// hold one of its pieces. A query intersects the lists of the typed text's pieces and confirms
// each candidate with TextMatch::Find. Owns its lists; the texts belong to the caller.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>
#include "TextArray.h"

class TextIndex
{
public:
    TextIndex();
    ~TextIndex();

// Operations
    // Indexes every text of texts, replacing what was indexed before.
    void Build(const TextArray& texts);
    void Clear();
    // Whether the index was built over an array of count texts and not cleared since.
    bool IsBuilt(size_t count) const;
    // Replaces out with the indices, ascending, of the texts of texts (the array it was built
    // over) that match typed under mode (TextMatch::kWordStart or kContains). A typed text
    // shorter than one piece, or an index not built over texts, reads every text instead.
    void Find(const TextArray& texts, const CString& typed, int mode, std::vector<size_t>& out) const;
    // Bytes that the index holds.
    size_t GetMemoryBytes() const;

    // The plain way: every text read and matched. Also the way for short typed texts.
    static void Scan(const TextArray& texts, const CString& typed, int mode, std::vector<size_t>& out);
    // The bucket, among 2^bits, of the three bytes at piece.
    static uint32_t Bucket(const char* piece, int bits);

private:
    // Narrows candidates to the indices that are also in list.
    static void Intersect(std::vector<uint32_t>& candidates, const uint32_t* list, size_t length);

    bool m_bBuilt;
    size_t m_nTexts;
    int m_nBucketBits;
    std::vector<uint32_t> m_offsets;  // bucket b lists m_postings[m_offsets[b], m_offsets[b + 1])
    std::vector<uint32_t> m_postings; // text indices
};
