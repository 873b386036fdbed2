#pragma once
// frmAbout: the last window of a run. "确定" (and Enter, Esc, or closing the
// box from its frame) ends the program; "系统信息(&S)..." starts the system's
// information program.
#include <functional>
#include <QDialog>

#include "QtUserInterface.h"
#include "app/Controls.h"

class QLabel;
class QPushButton;

namespace lp {

class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);

    QLabel* picIcon() const { return picIcon_; }
    QLabel* lblTitle() const { return lblTitle_; }
    QLabel* Label4() const { return label4_; }
    QLabel* lblDescription() const { return lblDescription_; }
    QLabel* Label2() const { return label2_; }
    QLabel* Label3() const { return label3_; }
    QLabel* Label5() const { return label5_; }
    QLabel* lblDisclaimer() const { return lblDisclaimer_; }
    QPushButton* cmdOK() const { return cmdOK_; }
    QPushButton* cmdSysInfo() const { return cmdSysInfo_; }

    // The message box of "系统信息(&S)..." goes through this.
    QtUserInterface& userInterface() { return ui_; }
    // Ends the program.
    std::function<void()> endProgram;

    void cmdOK_Click();
    void cmdSysInfo_Click();

protected:
    // Esc and the frame's close box both end the program, like OK.
    void reject() override;
    void paintEvent(QPaintEvent* event) override;

private:
    QLabel* addLabel(const ControlSpec& def);

    QtUserInterface ui_;
    QLabel* picIcon_ = nullptr;
    QLabel* lblTitle_ = nullptr;
    QLabel* label4_ = nullptr;
    QLabel* lblDescription_ = nullptr;
    QLabel* label2_ = nullptr;
    QLabel* label3_ = nullptr;
    QLabel* label5_ = nullptr;
    QLabel* lblDisclaimer_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QPushButton* cmdSysInfo_ = nullptr;
};

}  // namespace lp
