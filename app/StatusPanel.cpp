#include "StatusPanel.h"

#include "StatusLamp.h"

#include <QLabel>
#include <QProgressBar>

StatusPanel::StatusPanel(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("StatusPanel"));
    setFixedHeight(23);
    auto makePanel = [this](const char *name) {
        auto *label = new QLabel(this);
        label->setObjectName(QString::fromLatin1(name));
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setTextFormat(Qt::PlainText);
        label->setContentsMargins(3, 0, 3, 0);
        return label;
    };
    SPanel1 = makePanel("SPanel1");
    SPanel2 = makePanel("SPanel2");
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setAccessibleName(tr("Progress"));
    ProgressBar1->setAccessibleDescription(tr("How far the running operation is"));
    ProgressBar1->hide();
    m_bevel = new QFrame(this);
    m_bevel->setFrameShape(QFrame::Panel);
    m_bevel->setFrameShadow(QFrame::Sunken);
    LedOn = new StatusLamp(QColor(40, 200, 40), this);
    LedOn->setObjectName(QStringLiteral("LedOn"));
    LedOn->setAccessibleName(tr("Ready"));
    LedOn->setAccessibleDescription(tr("Green lamp, lit while no operation runs"));
    LedOff = new StatusLamp(QColor(220, 40, 30), this);
    LedOff->setObjectName(QStringLiteral("LedOff"));
    LedOff->setAccessibleName(tr("Busy"));
    LedOff->setAccessibleDescription(tr("Red lamp, lit while an operation runs"));
    LedOn->setLit(true);
}

void StatusPanel::arrange(bool archiveOpen)
{
    const int lamp2 = width() - 19;
    const int lamp1 = lamp2 - 18;
    const int lampTop = (height() - LedOn->height()) / 2;
    LedOff->move(lamp2, lampTop);
    LedOn->move(lamp1, lampTop);
    m_bevel->setGeometry(lamp1 - 3, 3, 20 + 18, 17);
    if (archiveOpen) {
        const int panel = std::max(0, lamp1 / 2 - 8);
        SPanel1->setGeometry(0, 0, panel, height());
        SPanel2->setGeometry(panel + 10, 0, panel, height());
    } else {
        SPanel1->setGeometry(0, 0, std::max(0, lamp1 - 10), height());
    }
    if (ProgressBar1->isVisible())
        ProgressBar1->setGeometry(SPanel2->geometry());
}
