#include "LnEUnit.h"

#include "WorkerHost.h"

#include "Guard.h"
#include "PercentGauge.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <cstdio>
#include <cstdlib>

TLnEForm::TLnEForm(QWidget *parent)
    : AmxDialog(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint, parent)
    , endProgram([] {
        std::fflush(nullptr);
        std::_Exit(0);
    })
{
    setObjectName(QStringLiteral("LnEForm"));
    setWindowTitle(tr("Ambermox - Extracting"));
    setFixedSize(320, 112);

    auto *layout = new QVBoxLayout(this);
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameShape(QFrame::Panel);
    Panel1->setFrameShadow(QFrame::Sunken);
    auto *panelLayout = new QHBoxLayout(Panel1);
    panelLayout->setContentsMargins(6, 6, 6, 6);
    Gauge2 = new PercentGauge(QColor(0, 0, 128), Panel1); // navy
    Gauge2->setObjectName(QStringLiteral("Gauge2"));
    Gauge2->setAccessibleName(tr("Progress"));
    Gauge2->setAccessibleDescription(tr("How much of the archive is extracted"));
    Gauge2->setRange(0, 100);
    Gauge2->setValue(0);
    panelLayout->addWidget(Gauge2);
    layout->addWidget(Panel1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    CancelButt = new QPushButton(tr("&Cancel"), this);
    CancelButt->setObjectName(QStringLiteral("CancelButt"));
    buttons->addWidget(CancelButt);
    buttons->addStretch();
    layout->addLayout(buttons);
    connect(CancelButt, &QPushButton::clicked, this, guarded(this, &TLnEForm::CancelButtClick));

    ZipEngine1.Verbose = false;
    ZipEngine1.Trace = false;
    ZipEngine1.OnProgress = [this](TZipEngine &sender, ProgressType type,
                                const std::string &filename, int64_t size) {
        ZipEngine1Progress(sender, type, filename, size);
    };

    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(
            area.x() + area.width() / 2 - width() / 2, area.y() + area.height() / 2 - height() / 2);
    }
}

void TLnEForm::start(int64_t totalBytes)
{
    m_gauge.start(totalBytes);
    m_bytes.begin();
    m_lastShown = {};
    Gauge2->setValue(m_gauge.percent());
}

void TLnEForm::reading()
{
    Gauge2->setRange(0, 0);
}

void TLnEForm::measured(int64_t totalBytes)
{
    m_gauge.start(totalBytes);
    m_bytes.begin();
    m_lastShown = {};
}

void TLnEForm::forAdding()
{
    setWindowTitle(tr("Ambermox - Adding"));
    Gauge2->setAccessibleDescription(tr("How much of the folder is added"));
}

void TLnEForm::showPercent(int percent)
{
    Gauge2->setRange(0, 100);
    Gauge2->setValue(percent);
}

void TLnEForm::ZipEngine1Progress(
    TZipEngine &, ProgressType progrType, const std::string &, int64_t fileSize)
{
    m_bytes.follow(progrType, fileSize);
    // The gauge and Cancel come alive when the percentage moves, and at
    // least ten times a second, not for every member.
    const int before = m_gauge.percent();
    const int percent = m_gauge.advanceTo(m_bytes.done(), m_bytes.members());
    const auto now = std::chrono::steady_clock::now();
    if (percent == before && now - m_lastShown < std::chrono::milliseconds(100))
        return;
    m_lastShown = now;
    if (!onWindowThread()) {
        // The library's thread: the window shows it when it next looks.
        QMetaObject::invokeMethod(
            this,
            [this, percent] {
                showPercent(percent);
            },
            Qt::QueuedConnection);
        return;
    }
    showPercent(percent);
    QCoreApplication::processEvents();
}

void TLnEForm::CancelButtClick()
{
    ZipEngine1.CancelRequested = true;
    endProgram();
}
