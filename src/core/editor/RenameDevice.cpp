#include "editor/RenameDevice.h"

#include "editor/NamePrompt.h"
#include "sheet/Ladder.h"

namespace lp {

namespace {

bool isNameRow(int row) { return Sheet::insideRows(row) && row % 2 == 1; }

bool holdsName(const Ladder& ladder, int row, int col) {
    return isNameRow(row) && Sheet::inside(row, col) && isDeviceName(ladder.sheet.cell(row, col));
}

}  // namespace

std::optional<NameCell> nameCellNear(const Ladder& ladder, int row, int col) {
    if (!Sheet::inside(row, col)) return std::nullopt;
    if (!isNameRow(row)) --row;  // a graphics row: its names stand on the row above
    // The name of a contact stands over its second cell, a coil's over its
    // brackets: look at the cell, then outwards.
    for (int distance : {0, 1, -1, 2, -2}) {
        if (holdsName(ladder, row, col + distance)) return NameCell{row, col + distance};
    }
    return std::nullopt;
}

int elementsNamed(const Ladder& ladder, const std::string& name) {
    int count = 0;
    for (int row = kFirstRow; row <= kLastRow; row += 2)
        for (int col = kFirstCol; col <= kLastCol; ++col) count += ladder.sheet.cell(row, col) == name;
    return count;
}

bool renameDevice(Ladder& ladder, NameCell cell, std::optional<bool> all) {
    if (!holdsName(ladder, cell.row, cell.col)) return false;
    const std::string old = ladder.sheet.cell(cell.row, cell.col);
    std::string name = ladder.ui->inputBoxWithText(kRenamePrompt, kRenameTitle, old);
    while (!name.empty() && !isDeviceName(name)) {
        ladder.message(kBadNameMessage);
        name = ladder.ui->inputBoxWithText(kRenamePrompt, kRenameTitle, old);
    }
    if (name.empty() || name == old) return false;
    if (!all) {
        const int count = elementsNamed(ladder, old);
        all = count > 1 && ladder.ui->askYesNo("图中共有 " + std::to_string(count) + " 个名为 " + old +
                                                    " 的元件，是否全部重命名？",
                                                kProgramTitle);
    }
    if (*all) {
        for (int row = kFirstRow; row <= kLastRow; row += 2)
            for (int col = kFirstCol; col <= kLastCol; ++col)
                if (ladder.sheet.cell(row, col) == old) ladder.sheet.setCell(row, col, name);
    } else {
        ladder.sheet.setCell(cell.row, cell.col, name);
    }
    ladder.Fresh();
    return true;
}

}  // namespace lp
