// Japanese texts of code page 932 as byte escapes (the sources are compiled as plain bytes),
// chosen for trail bytes that look like ASCII: 0x5C, the backslash, in the first three; ASCII
// letters in the katakana. The executable runs only under code page 932.
#pragma once
#include <string>

namespace dbcstest
{
inline const std::string kHyou = "\x95\x5C";  // a table (trail byte 0x5C)
inline const std::string kNou = "\x94\x5C";   // ability (trail byte 0x5C)
inline const std::string kSo = "\x83\x5C";    // katakana so (trail byte 0x5C)
inline const std::string kJi = "\x8E\xA6";    // show
inline const std::string kRyoku = "\x97\xCD"; // power
inline const std::string kFu = "\x83\x74";    // katakana fu (trail 't')
inline const std::string kTo = "\x83\x67";    // katakana to (trail 'g')
inline const std::string kA = "\x83\x41";     // katakana a (trail 'A')
inline const std::string kI = "\x83\x43";     // katakana i (trail 'C')
inline const std::string kSa = "\x83\x54";    // katakana sa (trail 'T')
inline const std::string kKa = "\x83\x4A";    // katakana ka (trail 'J')
inline const std::string kMe = "\x83\x81";    // katakana me
inline const std::string kDi = "\x83\x61";    // katakana di (trail 'a')
inline const std::string kNi = "\x83\x6A";    // katakana ni (trail 'j')
inline const std::string kKu = "\x83\x4E";    // katakana ku
inline const std::string kRa = "\x83\x89";    // katakana ra
inline const std::string kZi = "\x83\x57";    // katakana zi
inline const std::string kN = "\x83\x93";     // katakana n
inline const std::string kMa = "\x83\x7D";    // katakana ma
inline const std::string kPo = "\x83\x7C";    // katakana po (trail byte 0x7C, the bar)
inline const std::string kTou = "\x93\x8C";   // east
inline const std::string kKyou = "\x8B\x9E";  // capital

inline const std::string kHyouji = kHyou + kJi;       // display
inline const std::string kIchiran = "\x88\xEA\x97\x97"; // list (one, look)
inline const std::string kIchiranHyou = kIchiran + kHyou;
inline const std::string kSofuto = kSo + kFu + kTo;   // software
inline const std::string kNouryoku = kNou + kRyoku;   // ability
}
