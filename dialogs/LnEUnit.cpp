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
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

// Tenths of a percent: with a million members a percent takes longer than
// a bar may stand still.
constexpr int kGaugeSteps = 1000;

} // namespace

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
    Gauge2->setRange(0, kGaugeSteps);
    Gauge2->setValue(0);
    panelLayout->addWidget(Gauge2);
    layout->addWidget(Panel1);
    // A full gauge while the library still writes the archive's directory
    // and puts it in place runs as busy, so that it does not look stuck.
    auto *finishing = new QTimer(this);
    connect(finishing, &QTimer::timeout, this, [this, fullBar = FullBarClock()]() mutable {
        if (fullBar.stuck(Gauge2->maximum() > 0 && Gauge2->value() >= Gauge2->maximum(),
                FullBarClock::Clock::now(), std::chrono::milliseconds(100)))
            reading();
    });
    finishing->start(50);

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
    Gauge2->setValue(gaugeStep());
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

int TLnEForm::gaugeStep() const
{
    const int fromPercent = m_gauge.percent() * (kGaugeSteps / 100);
    if (m_gauge.total() <= 0)
        return fromPercent;
    const auto scaled = static_cast<__int128>(m_gauge.done()) * kGaugeSteps / m_gauge.total();
    return std::max(fromPercent, scaled >= kGaugeSteps ? kGaugeSteps : static_cast<int>(scaled));
}

void TLnEForm::showStep(int step)
{
    Gauge2->setRange(0, kGaugeSteps);
    Gauge2->setValue(step);
}

void TLnEForm::ZipEngine1Progress(
    TZipEngine &, ProgressType progrType, const std::string &, int64_t fileSize)
{
    // An add's total comes from the library as it finds the files, before
    // the first is written; the gauge stays busy until then.
    if (progrType == ProgressType::ProgressTotal) {
        measured(fileSize);
        return;
    }
    m_bytes.follow(progrType, fileSize);
    // The gauge and Cancel come alive when the bar moves, and at least ten
    // times a second, not for every member.
    const int before = gaugeStep();
    m_gauge.advanceTo(m_bytes.done(), m_bytes.members());
    const int step = gaugeStep();
    const auto now = std::chrono::steady_clock::now();
    if (step == before && now - m_lastShown < std::chrono::milliseconds(100))
        return;
    m_lastShown = now;
    if (!onWindowThread()) {
        // The library's thread: the window shows it when it next looks.
        QMetaObject::invokeMethod(
            this,
            [this, step] {
                showStep(step);
            },
            Qt::QueuedConnection);
        return;
    }
    showStep(step);
    QCoreApplication::processEvents();
}

void TLnEForm::CancelButtClick()
{
    ZipEngine1.CancelRequested = true;
    endProgram();
}
