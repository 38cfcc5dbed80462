#include "StatusProgress.h"

#include "StatusLamp.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>

#include <utility>

StatusProgress::StatusProgress(const StatusLine &line)
    : m_line(line)
{
}

void StatusProgress::begin(int64_t totalBytes)
{
    if (!m_active) {
        m_text1 = m_line.SPanel1->text();
        m_text2 = m_line.SPanel2->text();
    }
    m_active = true;
    m_line.LedOn->setLit(false);
    m_line.LedOff->setLit(true);
    m_line.SPanel2->hide();
    m_line.ProgressBar1->setGeometry(m_line.SPanel2->geometry());
    m_line.ProgressBar1->show();
    m_counter.begin(totalBytes);
    m_line.ProgressBar1->setRange(0, m_counter.maximum());
    m_line.ProgressBar1->setValue(0);
    // Visible before the library starts, which may take a while to report.
    m_line.ProgressBar1->repaint();
    m_line.SPanel2->repaint();
}

void StatusProgress::setTotal(int64_t totalBytes)
{
    m_counter.begin(totalBytes);
    // A busy bar takes the range once something is done.
    if (!m_busy)
        m_line.ProgressBar1->setRange(0, m_counter.maximum());
}

void StatusProgress::step()
{
    if (m_counter.step())
        m_line.ProgressBar1->setValue(m_counter.position());
    settle();
}

void StatusProgress::file(const QString &verb, const QString &name)
{
    m_line.SPanel1->setText(verb + QStringLiteral(" \"") + name + QLatin1Char('"'));
    settle();
}

void StatusProgress::show(
    const QString &verb, const QString &name, int64_t doneBytes, int64_t membersDone)
{
    if (!name.isEmpty())
        m_line.SPanel1->setText(verb + QStringLiteral(" \"") + name + QLatin1Char('"'));
    const bool moved = m_counter.advanceTo(doneBytes, membersDone);
    // Busy until something is done, or, once full, until the bar has room
    // again (the next library call's total).
    const bool full = m_counter.position() >= m_counter.maximum();
    if (m_busy && (moved || (!full && (!name.isEmpty() || doneBytes > 0 || membersDone > 0)))) {
        m_busy = false;
        m_line.ProgressBar1->setRange(0, m_counter.maximum());
        m_line.ProgressBar1->setValue(m_counter.position());
    } else if (moved && !m_busy) {
        m_line.ProgressBar1->setValue(m_counter.position());
    }
    settle();
}

void StatusProgress::busy()
{
    if (m_busy || !m_active)
        return;
    m_busy = true;
    m_line.ProgressBar1->setRange(0, 0);
}

void StatusProgress::batchEnd()
{
    if (m_counter.batchEnd())
        m_line.ProgressBar1->setValue(m_counter.position());
    m_line.SPanel1->clear();
    settle();
}

void StatusProgress::end()
{
    m_line.SPanel1->setText(m_text1);
    m_line.SPanel1->setToolTip({});
    m_line.SPanel2->setText(m_text2);
    m_line.SPanel2->show();
    m_line.ProgressBar1->hide();
    if (std::exchange(m_busy, false))
        m_line.ProgressBar1->setRange(0, m_counter.maximum());
    m_line.LedOn->setLit(true);
    m_line.LedOff->setLit(false);
    m_active = false;
}

void StatusProgress::waiting(const QString &archive)
{
    if (!m_active && !m_waitingAlone) {
        m_text1 = m_line.SPanel1->text();
        m_waitingAlone = true;
    }
    // Short enough for the panel; the whole sentence and path in its tip.
    m_line.SPanel1->setText(
        tr("Waiting for another program: \"%1\"").arg(QFileInfo(archive).fileName()));
    m_line.SPanel1->setToolTip(
        tr("Waiting for another program to finish writing \"%1\"").arg(archive));
    settle();
}

void StatusProgress::endWaiting()
{
    m_line.SPanel1->setToolTip({});
    if (!m_waitingAlone)
        return;
    m_line.SPanel1->setText(m_text1);
    m_waitingAlone = false;
}

void StatusProgress::progress(ProgressType type, const QString &verb, const std::string &name)
{
    switch (type) {
    case ProgressType::ProgressNewFile:
        file(verb, QString::fromStdString(name));
        break;
    case ProgressType::ProgressStep:
        step();
        break;
    case ProgressType::ProgressEnd:
        batchEnd();
        break;
    case ProgressType::ProgressWait:
        waiting(QString::fromStdString(name));
        break;
    case ProgressType::ProgressTotal:
        break;
    }
}

void StatusProgress::settle()
{
    m_line.SPanel1->repaint();
    m_line.ProgressBar1->repaint();
    QCoreApplication::processEvents();
}
