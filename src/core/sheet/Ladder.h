#pragma once
// Everything the main window owns for as long as it exists: the sheet, the
// editing state, the palette's states, the printed picture, the statement
// list and the text of the list box. The commands read and write it directly.
#include <string>
#include <vector>

#include "sheet/EditState.h"
#include "sheet/Palette.h"
#include "sheet/Sheet.h"
#include "app/UserInterface.h"

namespace lp {

class Ladder {
public:
    explicit Ladder(UserInterface& ui) : ui(&ui) {}

    Sheet sheet;
    EditState state;
    ScanState scan;
    Palette palette;
    std::string StatementList;
    std::string Text1;                 // the list box, as the user sees and edits it
    std::vector<std::string> picture;  // lines printed into Picture1 since it was last cleared
    std::string exportDir;             // folder of the exported file
    UserInterface* ui;

    // Start values of the editing state and the palette.
    void Form_Load();
    // Clears the grid and its bookkeeping, then prints it.
    void Form_Activate();
    // Clears Picture1 and prints rows 1..CurRow of the grid.
    void Fresh();
    void clearPicture() { picture.clear(); }

    void message(const std::string& text) { ui->messageBox(text, kProgramTitle); }
};

}  // namespace lp
