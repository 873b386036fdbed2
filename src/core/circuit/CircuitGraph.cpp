#include "circuit/CircuitGraph.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <numeric>
#include <tuple>

#include "circuit/WirePieces.h"
#include "sheet/Glyphs.h"
#include "sheet/Sheet.h"

namespace lp {

namespace {

constexpr int kRows = kLastRow - kFirstRow + 1;
constexpr std::size_t kCells = static_cast<std::size_t>(kRows) * kColCount;
constexpr uint8_t kPlate = 16;  // a contact plate: joins only sideways

std::size_t at(int row, int col) {
    return static_cast<std::size_t>(row - kFirstRow) * kColCount + static_cast<std::size_t>(col - kFirstCol);
}

// Union-find over indices; 32-bit, so that the sheet's 19,000 cells take
// little memory to set up and to walk.
class UnionFind {
public:
    UnionFind() = default;
    explicit UnionFind(std::size_t n) { reset(n); }
    // n singletons, the memory kept from before reused.
    void reset(std::size_t n) {
        parent_.resize(n);
        std::iota(parent_.begin(), parent_.end(), uint32_t{0});
    }
    std::size_t find(std::size_t x) {
        uint32_t i = static_cast<uint32_t>(x);
        while (parent_[i] != i) {
            parent_[i] = parent_[parent_[i]];
            i = parent_[i];
        }
        return i;
    }
    void unite(std::size_t a, std::size_t b) {
        a = find(a);
        b = find(b);
        if (a != b) parent_[std::max(a, b)] = static_cast<uint32_t>(std::min(a, b));
    }

private:
    std::vector<uint32_t> parent_;
};

// The tables over every cell of the sheet, some 170 KB. Each thread keeps
// its own from one reading to the next: made anew for every conversion,
// they went back to the system at its end and had to be faulted in again.
struct CellTables {
    std::vector<uint8_t> arms;  // of every cell
    UnionFind cells;            // the cells and, last, the rail
    std::vector<int> netOfRoot;
};

CellTables& cellTables() {
    thread_local CellTables tables;
    return tables;
}

// Reads the sheet row by row: the arms of every cell, the contacts, and the
// cells joined to their neighbours on the left and above. Sideways both
// arms must meet; up and down one arm is enough, since the editor's upward
// walks join the glyph they stop at even where it shows no arm back.
// Every wire cell of column 1 joins `railNode`.
void readWires(const Sheet& sheet, std::vector<uint8_t>& arms, UnionFind& cells, std::size_t railNode,
               std::vector<Contact>& contacts) {
    std::array<CellKind, kColCount> kinds{};
    for (int row = kFirstRow; row <= kLastRow; ++row) {
        const bool graphics = isGraphicsRow(row);
        const std::size_t start = at(row, kFirstCol);
        if (!graphics) {
            // In a name row only "┃" is wire, and no contact lies there.
            for (int col = kFirstCol; col <= kLastCol; ++col)
                if (sheet.cell(row, col) == glyph::v) arms[start + static_cast<std::size_t>(col - kFirstCol)] = arm::N | arm::S;
        } else {
            for (int col = kFirstCol; col <= kLastCol; ++col) {
                const std::size_t c = static_cast<std::size_t>(col - kFirstCol);
                kinds[c] = cellKind(sheet.cell(row, col));
                arms[start + c] = armsOf(kinds[c], true);
            }
            for (int slot = 1; slot + 3 <= kLastCol; slot += 5) {
                const std::size_t s = static_cast<std::size_t>(slot - kFirstCol);
                if (!isContact(kinds[s + 1], kinds[s + 2], kinds[s + 3])) continue;
                arms[start + s + 1] = arm::W | kPlate;
                arms[start + s + 2] = 0;
                arms[start + s + 3] = arm::E | kPlate;
                Contact contact;
                contact.row = row;
                contact.slot = slot;
                contact.name = sheet.cell(row - 1, slot + 1);
                contact.normallyClosed = kinds[s + 2] == CellKind::Slash;
                contacts.push_back(std::move(contact));
            }
        }
        for (int col = kFirstCol; col <= kLastCol; ++col) {
            const std::size_t i = start + static_cast<std::size_t>(col - kFirstCol);
            const uint8_t a = arms[i];
            if (!a) continue;
            if (col == kLeftRailCol) cells.unite(i, railNode);
            if (col > kFirstCol && (a & arm::W) && (arms[i - 1] & arm::E)) cells.unite(i, i - 1);
            if (row > kFirstRow && !(a & kPlate)) {
                const uint8_t above = arms[i - kColCount];
                if (above && !(above & kPlate) && ((above & arm::S) || (a & arm::N))) cells.unite(i, i - kColCount);
            }
        }
    }
}

Circuit readCircuit(const Sheet& sheet, int curRow, int curCol, std::vector<int>* netOfCell);

}  // namespace

Circuit readCircuit(const Sheet& sheet, int curRow, int curCol) {
    return readCircuit(sheet, curRow, curCol, nullptr);
}

Circuit readCircuit(const Sheet& sheet, int curRow, int curCol, std::vector<int>& netOfCell) {
    return readCircuit(sheet, curRow, curCol, &netOfCell);
}

namespace {

Circuit readCircuit(const Sheet& sheet, int curRow, int curCol, std::vector<int>* netOfCell) {
    Circuit circuit;
    CellTables& tables = cellTables();
    std::vector<uint8_t>& arms = tables.arms;
    UnionFind& cells = tables.cells;
    const std::size_t railNode = kCells;
    arms.assign(kCells, 0);
    cells.reset(kCells + 1);
    readWires(sheet, arms, cells, railNode, circuit.contacts);

    // Number the nets, the rail first.
    std::vector<int>& netOfRoot = tables.netOfRoot;
    netOfRoot.assign(kCells + 1, -1);
    netOfRoot[cells.find(railNode)] = circuit.netCount++;
    circuit.rail = 0;
    auto netOf = [&](int row, int col) -> int {
        if (!Sheet::inside(row, col) || !arms[at(row, col)]) return -1;
        int& net = netOfRoot[cells.find(at(row, col))];
        if (net < 0) net = circuit.netCount++;
        return net;
    };
    for (Contact& c : circuit.contacts) {
        c.left = netOf(c.row, c.slot + 1);
        c.right = netOf(c.row, c.slot + 3);
    }
    for (int row = kFirstRow + 1; row <= kLastRow; row += 2) {
        if (!isCoilAt(sheet, row)) continue;
        Coil coil;
        coil.row = row;
        coil.name = sheet.cell(row - 1, kCoilNameCol);
        coil.leadIn = netOf(row, kLeadInCol);
        coil.parallel = sheet.cell(row, kLeadInCol) == glyph::ur || sheet.cell(row - 1, kLeadInCol) == glyph::v;
        circuit.coils.push_back(std::move(coil));
    }
    circuit.endAtCursor = isEndAt(sheet, curRow, curCol);
    if (netOfCell) {
        netOfCell->assign(kCells, -1);
        for (int row = kFirstRow; row <= kLastRow; ++row)
            for (int col = kFirstCol; col <= kLastCol; ++col) (*netOfCell)[at(row, col)] = netOf(row, col);
    }

    // Rungs: contacts and coils joined without passing through the rail.
    // A contact between two points of the rail, a coil on the rail itself
    // or on no wire, stands alone.
    const std::size_t nets = static_cast<std::size_t>(circuit.netCount);
    UnionFind joined(nets + circuit.contacts.size() + circuit.coils.size());
    auto offRail = [&](int net) { return net >= 0 && net != circuit.rail; };
    std::vector<std::size_t> group(circuit.contacts.size() + circuit.coils.size());
    for (std::size_t i = 0; i < circuit.contacts.size(); ++i) {
        const Contact& c = circuit.contacts[i];
        if (offRail(c.left) && offRail(c.right)) joined.unite(static_cast<std::size_t>(c.left), static_cast<std::size_t>(c.right));
        if (offRail(c.left))
            group[i] = static_cast<std::size_t>(c.left);
        else if (offRail(c.right))
            group[i] = static_cast<std::size_t>(c.right);
        else
            group[i] = nets + i;
    }
    for (std::size_t k = 0; k < circuit.coils.size(); ++k) {
        const int net = circuit.coils[k].leadIn;
        group[circuit.contacts.size() + k] = offRail(net) ? static_cast<std::size_t>(net) : nets + circuit.contacts.size() + k;
    }
    std::vector<int> rungOfRoot(nets + group.size(), -1);
    for (std::size_t i = 0; i < group.size(); ++i) {
        int& r = rungOfRoot[joined.find(group[i])];
        if (r < 0) {
            r = static_cast<int>(circuit.rungs.size());
            circuit.rungs.emplace_back();
        }
        Rung& rung = circuit.rungs[static_cast<std::size_t>(r)];
        const bool isContact = i < circuit.contacts.size();
        const int row = isContact ? circuit.contacts[i].row : circuit.coils[i - circuit.contacts.size()].row;
        const int col = isContact ? circuit.contacts[i].slot : kLeadInCol;
        if (isContact)
            rung.contacts.push_back(static_cast<int>(i));
        else
            rung.coils.push_back(static_cast<int>(i - circuit.contacts.size()));
        if (rung.row == 0 || std::tie(row, col) < std::tie(rung.row, rung.col)) {
            rung.row = row;
            rung.col = col;
        }
    }
    std::stable_sort(circuit.rungs.begin(), circuit.rungs.end(),
                     [](const Rung& a, const Rung& b) { return std::tie(a.row, a.col) < std::tie(b.row, b.col); });
    return circuit;
}

}  // namespace

}  // namespace lp
