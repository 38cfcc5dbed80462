#include "ExeUnit.h"

#include "MainWindowLink.h"
#include "MsgUnit.h"
#include "Operations.h"

#include "Guard.h"
#include "Paths.h"
#include "Prompter.h"
#include "SfxWriter.h"
#include "Shell.h"
#include "Text.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include <memory>

TEXEForm::TEXEForm()
    : AmxDialog(
        Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("EXEForm"));
    setWindowTitle(tr("Ambermox Self-Extractor"));

    auto *controls = new QWidget(this);
    auto *layout = new QVBoxLayout(controls);
    layout->setContentsMargins(0, 0, 0, 0);
    auto box = [&](const char *name, const QString &label) {
        auto *edit = new QLineEdit(controls);
        edit->setObjectName(QLatin1String(name));
        edit->setMinimumWidth(300);
        // The header has one byte for all three lengths; longer text is refused.
        edit->setMaxLength(int(kSfxMaxText));
        auto *caption = new QLabel(label, controls);
        caption->setBuddy(edit);
        layout->addWidget(caption);
        layout->addWidget(edit);
        return edit;
    };
    Edit1 = box("Edit1", tr("Default \"UnZip &To\" Folder:"));
    layout->addWidget(new QLabel(tr("%temp% means users's TEMP= Folder"), controls));
    Edit2 = box("Edit2", tr("&Caption:"));
    Edit3 = box("Edit3", tr("Co&mmand line after extracting:"));

    layOutWithButtons(controls, tr("&OK"), Button1, Button2);
    Button2->setText(tr("&Close"));
    connect(Button1, &QPushButton::clicked, this, guarded(this, &TEXEForm::Button1Click));
    connect(Button2, &QPushButton::clicked, this, guarded(this, &TEXEForm::Button2Click));
}

// "Testing" the new program is running it; it reports on a terminal, so it
// runs in one when the desktop has one, held open until the user has read it.
// Without a terminal its output goes to the operation log, shown meanwhile.
void TEXEForm::testRun(const QString &program)
{
    const QString folder = QFileInfo(program).absolutePath();
    for (const char *terminal : { "x-terminal-emulator", "xterm" }) {
        const QString found = QStandardPaths::findExecutable(QLatin1String(terminal));
        if (found.isEmpty())
            continue;
        Shell::instance().startProgram(found,
            { QStringLiteral("-e"), QStringLiteral("/bin/sh"), QStringLiteral("-c"),
                tr("\"$0\"; printf '\\nPress Enter to close. '; read x"), program },
            folder);
        return;
    }
    if (!m_link)
        return;
    Operations &ops = m_link->operations();
    ops.startLog();
    ops.appendLog("Testing " + program.toStdString());
    auto *process = new QProcess(this);
    auto partial = std::make_shared<QByteArray>();
    auto takeLines = [&ops, process, partial](bool all) {
        *partial += process->readAll();
        qsizetype end;
        while ((end = partial->indexOf('\n')) >= 0 || (all && !partial->isEmpty())) {
            const qsizetype length = end >= 0 ? end : partial->size();
            ops.appendLog(partial->left(length).toStdString());
            partial->remove(0, end >= 0 ? length + 1 : length);
        }
    };
    connect(process, &QProcess::readyRead, this, [takeLines] {
        takeLines(false);
    });
    connect(process, &QProcess::finished, this,
        [&ops, process, program, takeLines](int code, QProcess::ExitStatus status) {
            takeLines(true);
            ops.appendLog(status == QProcess::NormalExit
                    ? QFileInfo(program).fileName().toStdString() + " ended with exit code "
                        + std::to_string(code) + "."
                    : QFileInfo(program).fileName().toStdString() + " was stopped.");
            process->deleteLater();
        });
    connect(process, &QProcess::errorOccurred, this,
        [&ops, process, program](QProcess::ProcessError error) {
            if (error != QProcess::FailedToStart)
                return;
            ops.appendLog("Cannot run " + program.toStdString() + ": "
                + process->errorString().toStdString());
            process->deleteLater();
        });
    process->setProcessChannelMode(QProcess::MergedChannels);
    process->setWorkingDirectory(folder);
    process->start(program, {});
    process->closeWriteChannel();
    ops.msgForm().showOnTop();
}

void TEXEForm::setLink(MainWindowLink &link)
{
    m_link = &link;
    setOwner(link.ownerWindow());
}

void TEXEForm::FormShow()
{
    Edit1->setText(QStringLiteral("%temp%"));
    Edit2->clear();
    Edit3->clear();
    Edit1->setFocus();
}

void TEXEForm::Button2Click()
{
    close();
}

void TEXEForm::Button1Click()
{
    const std::string archive = m_link ? m_link->currentArchive() : std::string();
    if (archive.empty())
        return;
    const SfxSettings settings { Edit1->text().toStdString(), Edit2->text().toStdString(),
        Edit3->text().toStdString() };
    if (const std::string refusal = sfxRefusal(settings, archive); !refusal.empty()) {
        Prompter::instance().notice(qs(refusal), Prompter::Icon::Warning);
        return;
    }
    const std::string output = sfxOutputName(archive);
    writeSelfExtractor(sfxStubPath(executableFolder()), settings, archive, output);

    const QString text = tr("'%1' has been created from \n'%2'.\nBefore distributing the EXE file, "
                            "please be sure to test it in all target enviroments.\n\nDo you want "
                            "to test it now?")
                             .arg(qs(output), qs(archive));
    const bool test = Prompter::instance().question(text, Prompter::Icon::Question);
    close();
    if (test)
        testRun(qs(output));
}
