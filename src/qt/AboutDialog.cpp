#include "AboutDialog.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "AppIcon.h"
#include "FixedDialog.h"
#include "FontSetup.h"
#include "Twips.h"
#include "app/SysInfo.h"

#ifndef LADDERPAD_VERSION
#define LADDERPAD_VERSION "0.1"
#endif

namespace lp {

namespace {
// The etched separator Line1 at height 2640: member 1 grey from x 90 to
// 5654, member 0 white from x 0 to 5549, a pixel below it.
constexpr double kLineTop = 2640;
}  // namespace

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent, fixedDialogFlags()),
      ui_(this) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("关于"));
    setWindowIcon(appIcon());
    endProgram = [] { QCoreApplication::quit(); };

    const DialogScale& s = kAboutScale;
    picIcon_ = new QLabel(this);
    picIcon_->setObjectName(QStringLiteral("picIcon"));
    picIcon_->setGeometry(s.rect(240, 240, 300, 300));
    picIcon_->setPixmap(appIconPixmap(16));
    picIcon_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    lblTitle_ = addLabel("lblTitle", QString::fromUtf8(kProgramTitle), s.rect(840, 120, 4365, 480));
    lblTitle_->setFont(windowFont(kKaiTi, 21.75, true));
    lblTitle_->setAlignment(Qt::AlignCenter);
    label4_ = addLabel("Label4", QStringLiteral("版本 " LADDERPAD_VERSION), s.rect(960, 840, 4215, 255));
    lblDescription_ = addLabel("lblDescription", QStringLiteral("继电器梯形图的绘制与语句表转换"),
                               s.rect(960, 1310, 3885, 210));
    label2_ = addLabel("Label2", QStringLiteral("可编程控制器课程教学软件"), s.rect(1766, 1627, 3495, 255));
    label3_ = addLabel("Label3", QStringLiteral("指令：LD LDI AND ANI OR ORI ANB ORB OUT END"),
                       s.rect(1766, 1972, 4455, 255));
    label5_ = addLabel("Label5", QStringLiteral("日期：2025 年"), s.rect(960, 2280, 3735, 255));
    lblDisclaimer_ = addLabel("lblDisclaimer",
                              QStringLiteral("警告：本程序受著作权法保护。未经许可，不得复制或传播本程序的全部或部分。"),
                              s.rect(240, 2745, 3630, 660));
    lblDisclaimer_->setWordWrap(true);
    lblDisclaimer_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    cmdOK_ = new QPushButton(QStringLiteral("确定"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setGeometry(s.rect(4125, 2640, 1500, 345));
    cmdOK_->setDefault(true);

    cmdSysInfo_ = new QPushButton(QStringLiteral("系统信息(&S)..."), this);
    cmdSysInfo_->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdSysInfo_->setGeometry(s.rect(4140, 3120, 1485, 345));
    cmdSysInfo_->setAutoDefault(false);

    setTabOrder(cmdOK_, cmdSysInfo_);
    setFixedSize(clientSizeHolding(*this, twipsRect(0, 0, 5850, 3540).size()));
    makeFixedDialog(*this);
    cmdOK_->setFocus();

    connect(cmdOK_, &QPushButton::clicked, this, &AboutDialog::cmdOK_Click);
    connect(cmdSysInfo_, &QPushButton::clicked, this, &AboutDialog::cmdSysInfo_Click);
}

QLabel* AboutDialog::addLabel(const char* name, const QString& text, QRect geometry) {
    auto* label = new QLabel(text, this);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return label;
}

void AboutDialog::cmdOK_Click() {
    hide();
    endProgram();
}

void AboutDialog::cmdSysInfo_Click() { StartSysInfo(ui_); }

void AboutDialog::reject() { cmdOK_Click(); }

void AboutDialog::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    const DialogScale& s = kAboutScale;
    const int y = twipsToPixels(kLineTop * s.twipsDown);
    painter.setPen(QColor(128, 128, 128));
    painter.drawLine(twipsToPixels(90 * s.twipsAcross), y, twipsToPixels(5654 * s.twipsAcross), y);
    painter.setPen(QColor(255, 255, 255));
    painter.drawLine(0, y + 1, twipsToPixels(5549 * s.twipsAcross), y + 1);
}

}  // namespace lp
