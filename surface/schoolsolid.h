#pragma once
// "Ukuran Bangun": the school solids of the lesson on curved solids, drawn
// with sizes a student sets: the bola, setengah bola, kerucut and tabung with
// a radius r and a height t in whole centimetres, closed by their flat faces,
// and unfolded into their net ("jaring-jaring") by a share from 0 to 100 %.
// The shapes keep the catalogue's numbers.

#include <cstdint>

inline constexpr std::int32_t kSchoolBola = 0;
inline constexpr std::int32_t kSchoolSetengahBola = 5;
inline constexpr std::int32_t kSchoolKerucut = 3;
inline constexpr std::int32_t kSchoolTabung = 6;

// Whether the catalogue's shape `shapeIndex` has a school solid.
constexpr bool hasSchoolSolid(std::int32_t shapeIndex)
{
    return shapeIndex == kSchoolBola || shapeIndex == kSchoolSetengahBola || shapeIndex == kSchoolKerucut
        || shapeIndex == kSchoolTabung;
}

// Whether the shape has a height of its own (the kerucut and the tabung; the
// bola's and setengah bola's follow from the radius) and a net.
constexpr bool hasSchoolHeight(std::int32_t shapeIndex)
{
    return shapeIndex == kSchoolKerucut || shapeIndex == kSchoolTabung;
}

struct SchoolSolid {
    std::int32_t shapeIndex = kSchoolTabung;
    std::int32_t radius = 7;     // r, 1..50 cm
    std::int32_t height = 10;    // t, 1..100 cm; unused for the bola and setengah bola
    std::int32_t netPercent = 0; // 0 closed .. 100 the flat net; 0 for the bola and setengah bola
    friend bool operator==(const SchoolSolid&, const SchoolSolid&) = default;
};
