#pragma once
// The two modal boxes of the program, as real Qt dialogs.
#include <functional>
#include <QString>

class QPrinter;
class QWidget;

namespace lp {

// A message box with the text, the caption, no icon and one OK button
// ("确定"); returns when it is closed.
void showMessageBox(QWidget* parent, const QString& text, const QString& caption);

// An input box with the prompt, the title and `text` to begin with (empty
// by default), OK ("确定") and Cancel ("取消"); returns the typed text, or
// "" on cancel.
QString askTextBox(QWidget* parent, const QString& prompt, const QString& title, const QString& text = {});

// A question with 是 (the default) and 否 (also Esc); true for 是.
bool askYesNoBox(QWidget* parent, const QString& text, const QString& caption);

// The save dialog of 导出图片: PNG, SVG and PDF; "" when cancelled.
QString askPictureToSave(QWidget* parent, const QString& title, const QString& suggested);
// 打印: the preview of the pages `paint` draws, with the system's print
// dialog (and its PDF file) behind its print button.
void showPrintPreview(QWidget* parent, const std::function<void(QPrinter*)>& paint);
// 保存时序图: CSV, SVG or PNG.
QString askTraceToSave(QWidget* parent, const QString& title, const QString& suggested);

// The question before leaving with unsaved changes: 保存 (the default),
// 不保存 and 取消 (also Esc and the close box).
enum class SaveChoice { Save, DontSave, Cancel };
SaveChoice askSaveChangesBox(QWidget* parent, const QString& text, const QString& caption);

// The file dialogs for drawings, filtered to "梯形图 (*.lad)"; the save
// dialog adds ".lad" to a name without it. The open dialog starts in
// `folder`; the save dialog with the file `suggested`, or in it when it is a
// folder. "" when cancelled.
QString askDrawingToOpen(QWidget* parent, const QString& title, const QString& folder);
QString askDrawingToSave(QWidget* parent, const QString& title, const QString& suggested);

// Replaceable forms of the two boxes, so that a window's modal boxes can be
// answered without a user (tests) while the program shows real ones.
using MessageFunction = std::function<void(const QString& text, const QString& caption)>;
using InputFunction = std::function<QString(const QString& prompt, const QString& title, const QString& text)>;
using YesNoFunction = std::function<bool(const QString& text, const QString& caption)>;
using SaveChoiceFunction = std::function<SaveChoice(const QString& text, const QString& caption)>;
// Open: (title, the folder to start in); save: (title, the suggested path).
using PathFunction = std::function<QString(const QString& title, const QString& suggested)>;

}  // namespace lp
