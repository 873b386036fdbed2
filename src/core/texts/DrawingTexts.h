#pragma once
// The texts of opening and saving drawings, as the user sees them.
namespace lp {

// The file dialogs' filter.
inline constexpr const char* kDrawingFilter = "梯形图 (*.lad)";
inline constexpr const char* kDrawingSuffix = "lad";
inline constexpr const char* kOpenDrawingTitle = "打开图纸";
inline constexpr const char* kSaveDrawingTitle = "图纸另存为";
// Asked by either exit button, and by closing the window, while the drawing
// has changes not yet saved.
inline constexpr const char* kSaveChangesQuestion = "图纸已修改，是否保存？";
inline constexpr const char* kAnswerSave = "保存";
inline constexpr const char* kAnswerDontSave = "不保存";
inline constexpr const char* kAnswerCancel = "取消";
// The caption's mark while there are changes not yet saved.
inline constexpr const char* kUnsavedMark = " *";

}  // namespace lp
