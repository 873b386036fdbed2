#pragma once
// Renaming a device that stands on the sheet: the name prompt with the old
// name in it, the same rules as a placed name, one element or all of them.
#include <optional>
#include <string>

namespace lp {

class Ladder;

inline constexpr const char* kRenamePrompt = "请输入新的器件名称(限三个字符)";
inline constexpr const char* kRenameTitle = "重命名器件";

struct NameCell {
    int row, col;  // a cell of a name row that holds a device name
};

// The name cell of the element at (row, col): the cell itself or one near it
// on the name row, or on the name row above a graphics row. Nothing where
// no device's name stands.
std::optional<NameCell> nameCellNear(const Ladder& ladder, int row, int col);

// How many elements of the sheet carry this name.
int elementsNamed(const Ladder& ladder, const std::string& name);

// Asks for the new name until it is a device name (a wrong one is answered
// with the placement's message); cancel, an empty text or the old name
// changes nothing. `all`: rename every element of that name; when not given
// and there are others, the user is asked. Prints the sheet again. True
// when a name changed.
bool renameDevice(Ladder& ladder, NameCell cell, std::optional<bool> all);

}  // namespace lp
