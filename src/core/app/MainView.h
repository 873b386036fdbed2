#pragma once
// What a front end implements for the main window, and nothing more: it
// draws what the controller tells it, asks the user when the controller
// asks, and forwards every act of the user to the controller.
#include <cstddef>
#include <string>
#include <vector>

#include "app/DeviceTableModel.h"
#include "app/Menus.h"
#include "app/PictureExport.h"
#include "app/PictureModel.h"
#include "app/SheetPaint.h"
#include "app/UserInterface.h"

namespace lp {

// The boxes of UserInterface (the name prompt, messages, the questions, the
// file dialogs) are the view's modal boxes: a view answers them itself, or
// passes the dialogs it has with answerBoxesWith.
class MainView : public UserInterface {
public:
    std::string inputBox(const std::string& prompt, const std::string& title) override {
        return boxes_ ? boxes_->inputBox(prompt, title) : std::string();
    }
    std::string inputBoxWithText(const std::string& prompt, const std::string& title, const std::string& text) override {
        return boxes_ ? boxes_->inputBoxWithText(prompt, title, text) : inputBox(prompt, title);
    }
    void messageBox(const std::string& text, const std::string& caption) override {
        if (boxes_) boxes_->messageBox(text, caption);
    }
    bool askYesNo(const std::string& text, const std::string& caption) override {
        return boxes_ && boxes_->askYesNo(text, caption);
    }
    SaveAnswer askSaveChanges(const std::string& text, const std::string& caption) override {
        return boxes_ ? boxes_->askSaveChanges(text, caption) : SaveAnswer::DontSave;
    }
    std::string askOpenPath(const std::string& title, const std::string& folder) override {
        return boxes_ ? boxes_->askOpenPath(title, folder) : std::string();
    }
    std::string askSavePath(const std::string& title, const std::string& suggested) override {
        return boxes_ ? boxes_->askSavePath(title, suggested) : std::string();
    }

    // Picture1: the lines Fresh printed (UTF-8), and the cell being drawn,
    // which the view keeps in sight: graphics row `cursorRow` (1-based) at
    // display column `cursorColumn`.
    virtual void showSheet(const std::vector<std::string>& lines, int cursorRow, int cursorColumn) = 0;
    // The marks of a running simulation over the printed lines, in painting
    // order (empty: the sheet plain again), and the lines whose marks changed
    // since the last call, which are all that need painting again.
    virtual void showMarks(const std::vector<MarkShape>& marks, const std::vector<int>& changedLines) = 0;

    // The sheet's zoom in percent of its size at the window's layout scale.
    virtual void setSheetZoom(int percent) { (void)percent; }

    // CommandN (1..22).
    virtual void setButton(int n, bool enabled, bool visible) = 0;
    // Text1's whole text, lines ended by CR LF as the core keeps them.
    virtual void setText1(const std::string& text) = 0;
    // Highlights line `line` of Text1 (1-based) and scrolls to it; 0: none.
    virtual void selectText1Line(std::size_t line) = 0;
    virtual void setCaption(const std::string& caption) = 0;
    virtual void setMenuEnabled(MenuCommand command, bool enabled) = 0;
    // A menu item's caption, with its "&" mnemonic ("撤销 放置触点(&U)").
    virtual void setMenuText(MenuCommand command, const std::string& caption) { (void)command, (void)caption; }

    // The items of 文件 → 最近打开的图纸, newest first ("&1 图纸.lad  (folder)");
    // choosing one is MainController::openRecent with its index.
    virtual void setRecentDrawings(const std::vector<std::string>& captions) { (void)captions; }

    // 导出图片: the save dialog for a picture (PNG, SVG, and PDF where the
    // view can write it), "" when cancelled; then the picture written in a
    // format the core does not write itself: "" on success, else the reason.
    virtual std::string askPicturePath(const std::string& title, const std::string& suggested) {
        (void)title, (void)suggested;
        return {};
    }
    virtual std::string writePicture(const Picture& picture, const std::string& path, PictureFormat format) {
        (void)picture, (void)path, (void)format;
        return "不支持这种图片格式";
    }
    // The device table's 保存时序图: the save dialog for CSV, SVG and PNG,
    // "" when cancelled.
    virtual std::string askTracePath(const std::string& title, const std::string& suggested) {
        (void)title, (void)suggested;
        return {};
    }
    // 打印: the system's print dialog (and a preview where there is one).
    virtual void printPicture(const Picture& picture) { (void)picture; }

    // The device table beside the main window: a new simulation's rows
    // (shown: the table is opened), then the same rows with new values.
    virtual void showDeviceTable(const DeviceTableModel& table, bool opened) = 0;
    virtual void hideDeviceTable() = 0;

    // The timer of the continuous run: a timer tick every `ms` milliseconds.
    virtual void startTimer(int ms) = 0;
    virtual void stopTimer() = 0;

    // An exit button, once leaving is agreed: the about box instead of the
    // main window.
    virtual void showAbout() = 0;
    // Closing the window, once leaving is agreed.
    virtual void endProgram() = 0;

    // A simulation that cannot start on Text1 says why; a window shows it
    // as a message.
    virtual void simulationRefused(const std::string& why) { messageBox(why, kProgramTitle); }

protected:
    void answerBoxesWith(UserInterface& boxes) { boxes_ = &boxes; }

private:
    UserInterface* boxes_ = nullptr;
};

}  // namespace lp
