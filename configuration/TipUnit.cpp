#include "TipUnit.h"

#include "SettingsLink.h"
#include "Tips.h"

#include "Guard.h"
#include "Settings.h"

#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TTipForm::TTipForm()
    : AmxDialog(
        Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("TipForm"));
    setWindowTitle(tr("Ambermox Tip of the Day"));

    auto *frame = new QFrame(this);
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setAutoFillBackground(true);
    QPalette white = frame->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    frame->setPalette(white);
    auto *picture = new QLabel(frame);
    picture->setPixmap(QIcon::fromTheme(QStringLiteral("dialog-information")).pixmap(48, 48));
    picture->setAlignment(Qt::AlignTop);
    auto *heading = new QLabel(tr("Did you know.."), frame);
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    heading->setFont(bold);
    Label2 = new QLabel(frame);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    Label2->setMinimumSize(320, 110);
    auto *texts = new QVBoxLayout;
    texts->addWidget(heading);
    texts->addWidget(Label2, 1);
    auto *frameLayout = new QHBoxLayout(frame);
    frameLayout->addWidget(picture);
    frameLayout->addLayout(texts, 1);

    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItems({ tr("Always show tips at startup"),
        tr("Show tip at startup if not opening Zip file"), tr("Never show tips at startup") });
    CloseButton = new QPushButton(tr("&Close"), this);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    CloseButton->setDefault(true);
    NextTipButton = new QPushButton(tr("&Next Tip"), this);
    NextTipButton->setObjectName(QStringLiteral("NextTipButton"));
    NextTipButton->setAutoDefault(false);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(ComboBox1, 1);
    bottom->addWidget(CloseButton);
    bottom->addWidget(NextTipButton);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame, 1);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(CloseButton, &QPushButton::clicked, this, &QDialog::close);
    connect(NextTipButton, &QPushButton::clicked, this, guarded(this, &TTipForm::NextTipClick));
}

void TTipForm::setLink(SettingsLink &link)
{
    m_link = &link;
    setOwner(link.ownerWindow());
}

void TTipForm::FormShow()
{
    const int choice = m_link ? m_link->settings().TipOfTheDay : 1;
    ComboBox1->setCurrentIndex(choice >= 0 && choice < ComboBox1->count() ? choice : -1);
    ComboBox1->setFocus();
    showTip();
}

void TTipForm::FormClose()
{
    // However the window closes; the value is stored with the others.
    if (m_link)
        m_link->settings().TipOfTheDay = ComboBox1->currentIndex();
}

void TTipForm::NextTipClick()
{
    m_current = nextTip(m_current, static_cast<int>(tipTexts().size()));
    showTip();
}

void TTipForm::showTip()
{
    Label2->setText(tipTexts().value(m_current - 1));
}
