#include "AboutDialog.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "AppIcon.h"
#include "FixedDialog.h"
#include "FontSetup.h"
#include "Twips.h"
#include "app/AboutForm.h"
#include "app/SysInfo.h"

namespace lp {

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent, fixedDialogFlags()),
      ui_(this) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QString::fromUtf8(kAboutCaption));
    setWindowIcon(appIcon());
    endProgram = [] { QCoreApplication::quit(); };

    const auto def = [](const char* name) { return *findControl(aboutControls(), name); };
    picIcon_ = new QLabel(this);
    picIcon_->setObjectName(QStringLiteral("picIcon"));
    picIcon_->setGeometry(twipsRect(def("picIcon").place));
    picIcon_->setPixmap(appIconPixmap(16));
    picIcon_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    lblTitle_ = addLabel(def("lblTitle"));
    label4_ = addLabel(def("Label4"));
    lblDescription_ = addLabel(def("lblDescription"));
    label2_ = addLabel(def("Label2"));
    label3_ = addLabel(def("Label3"));
    label5_ = addLabel(def("Label5"));
    lblDisclaimer_ = addLabel(def("lblDisclaimer"));
    lblDisclaimer_->setWordWrap(true);
    lblDisclaimer_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    cmdOK_ = new QPushButton(QString::fromUtf8(def("cmdOK").text), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setGeometry(twipsRect(def("cmdOK").place));
    cmdOK_->setDefault(true);

    cmdSysInfo_ = new QPushButton(QString::fromUtf8(def("cmdSysInfo").text), this);
    cmdSysInfo_->setObjectName(QStringLiteral("cmdSysInfo"));
    cmdSysInfo_->setGeometry(twipsRect(def("cmdSysInfo").place));
    cmdSysInfo_->setAutoDefault(false);

    setTabOrder(cmdOK_, cmdSysInfo_);
    setFixedSize(clientSizeHolding(*this, twipsRect(kAboutClient).size()));
    makeFixedDialog(*this);
    cmdOK_->setFocus();

    connect(cmdOK_, &QPushButton::clicked, this, &AboutDialog::cmdOK_Click);
    connect(cmdSysInfo_, &QPushButton::clicked, this, &AboutDialog::cmdSysInfo_Click);
}

QLabel* AboutDialog::addLabel(const ControlSpec& def) {
    auto* label = new QLabel(QString::fromUtf8(def.text), this);
    label->setObjectName(QString::fromLatin1(def.name));
    label->setGeometry(twipsRect(def.place));
    label->setAlignment((def.align == TextAlign::Centre ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
    if (def.font.face) label->setFont(windowFont(def.font));
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
    for (const LineSpec& line : aboutLines()) {
        const int y = twipsToPixels(line.top) + line.pixelsDown;
        painter.setPen(QColor(line.grey, line.grey, line.grey));
        painter.drawLine(twipsToPixels(line.from), y, aboutLineEnd(line, kStandardDpi, width()), y);
    }
}

}  // namespace lp
