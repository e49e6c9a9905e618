#include "output/presentation_forms.h"

namespace {
// In the order of the forms, so that the lookup can stop early.
const Decomposition kForms[kPresentationFormCount] = {
    {0xFB2A, {0x05E9, 0x05C1}},           // shin with shin dot
    {0xFB2B, {0x05E9, 0x05C2}},           // shin with sin dot
    {0xFB2C, {0x05E9, 0x05BC, 0x05C1}},   // shin with dagesh and shin dot
    {0xFB2D, {0x05E9, 0x05BC, 0x05C2}},   // shin with dagesh and sin dot
    {0xFB30, {0x05D0, 0x05BC}},           // alef with mapiq
    {0xFB31, {0x05D1, 0x05BC}},           // bet with dagesh
    {0xFB32, {0x05D2, 0x05BC}},           // gimel with dagesh
    {0xFB33, {0x05D3, 0x05BC}},           // dalet with dagesh
    {0xFB34, {0x05D4, 0x05BC}},           // he with mapiq
    {0xFB35, {0x05D5, 0x05BC}},           // vav with dagesh
    {0xFB36, {0x05D6, 0x05BC}},           // zayin with dagesh
    {0xFB38, {0x05D8, 0x05BC}},           // tet with dagesh
    {0xFB39, {0x05D9, 0x05BC}},           // yod with dagesh
    {0xFB3A, {0x05DA, 0x05BC}},           // final kaf with dagesh
    {0xFB3B, {0x05DB, 0x05BC}},           // kaf with dagesh
    {0xFB3C, {0x05DC, 0x05BC}},           // lamed with dagesh
    {0xFB3E, {0x05DE, 0x05BC}},           // mem with dagesh
    {0xFB40, {0x05E0, 0x05BC}},           // nun with dagesh
    {0xFB41, {0x05E1, 0x05BC}},           // samekh with dagesh
    {0xFB43, {0x05E3, 0x05BC}},           // final pe with dagesh
    {0xFB44, {0x05E4, 0x05BC}},           // pe with dagesh
    {0xFB46, {0x05E6, 0x05BC}},           // tsadi with dagesh
    {0xFB47, {0x05E7, 0x05BC}},           // qof with dagesh
    {0xFB48, {0x05E8, 0x05BC}},           // resh with dagesh
    {0xFB49, {0x05E9, 0x05BC}},           // shin with dagesh
    {0xFB4A, {0x05EA, 0x05BC}},           // tav with dagesh
    {0xFB4B, {0x05D5, 0x05B9}},           // vav with holam
};
}  // namespace

const Decomposition* FindDecomposition(char16_t unit) {
    if (unit < kForms[0].Form || unit > kForms[kPresentationFormCount - 1].Form) return nullptr;
    for (const Decomposition& entry : kForms) {
        if (entry.Form == unit) return &entry;
        if (entry.Form > unit) break;
    }
    return nullptr;
}

int DecompositionLength(const Decomposition& decomposition) {
    int length = 0;
    while (length < 3 && decomposition.Points[length] != 0) ++length;
    return length;
}
