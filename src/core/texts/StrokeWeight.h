#pragma once
// The sheet's lines and rails are heavy box-drawing strokes, the contacts'
// plates and the normally-closed mark light ones. A small font draws both
// one pixel wide; a window thickens the heavy strokes by a device pixel so
// that the rails stand out from the plates at every size.
namespace lp {

// Characters with a heavy stroke across (━, ┣, ┥ ...) or up and down (┃, ┣ ...).
constexpr bool hasHeavyAcross(char32_t c) {
    switch (c) {
    case U'━': case U'┏': case U'┓': case U'┗': case U'┛': case U'┣': case U'┫':
    case U'┳': case U'┻': case U'╋': case U'┥': case U'┝':
        return true;
    default:
        return false;
    }
}

constexpr bool hasHeavyDown(char32_t c) {
    switch (c) {
    case U'┃': case U'┏': case U'┓': case U'┗': case U'┛': case U'┣': case U'┫':
    case U'┳': case U'┻': case U'╋':
        return true;
    default:
        return false;
    }
}

}  // namespace lp
