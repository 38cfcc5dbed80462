#include "AViewUnit.h"
#include "MainWindowLink.h"
#include "Operations.h"

#include "Guard.h"
#include "Prompter.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

TAsciview::TAsciview()
    : AmxDialog(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("Asciview"));
    setWindowTitle(tr("View: "));
    setSizeGripEnabled(true);
    resize(640, 460);

    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setAccessibleName(tr("Text"));
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // A viewer: nothing typed here could be saved anywhere.
    Memo1->setReadOnly(true);
    Memo1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setMemoFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));

    BottomPanel = new QWidget(this);
    BottomPanel->setObjectName(QStringLiteral("BottomPanel"));
    Button1 = new QPushButton(tr("OK"), BottomPanel);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button2 = new QPushButton(tr("&Clipboard Copy"), BottomPanel);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setAutoDefault(false);
    Button3 = new QPushButton(tr("&Font"), BottomPanel);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button3->setAutoDefault(false);
    auto *bottom = new QHBoxLayout(BottomPanel);
    bottom->addStretch(1);
    bottom->addWidget(Button1);
    bottom->addWidget(Button2);
    bottom->addWidget(Button3);
    bottom->addStretch(1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Memo1, 1);
    layout->addWidget(BottomPanel);

    connect(Button1, &QPushButton::clicked, this, guarded(this, &TAsciview::Button1Click));
    connect(Button2, &QPushButton::clicked, this, guarded(this, &TAsciview::Button2Click));
    connect(Button3, &QPushButton::clicked, this, guarded(this, &TAsciview::Button3Click));
}

TAsciview::~TAsciview() = default;

void TAsciview::setMemoFont(const QFont &font)
{
    Memo1->setFont(font);
    // Tabs every eight characters, as text files expect.
    Memo1->setTabStopDistance(8 * QFontMetricsF(font).horizontalAdvance(QLatin1Char(' ')));
}

void TAsciview::view(const std::string &name)
{
    m_name = name;
    // A window already showing loads the new file without a show event.
    if (isVisible())
        guard([this] {
            FormShow();
        });
    showOnTop();
}

void TAsciview::FormShow()
{
    const QString name = QString::fromStdString(m_name);
    setWindowTitle(tr("View: %1").arg(name));
    Memo1->clear();
    m_text = {};
    std::string temp = m_link ? m_link->temp() : std::string();
    if (temp.empty() || temp.back() != '/') {
        temp += '/';
        if (m_link)
            m_link->setTemp(temp);
    }
    try {
        m_text = loadViewText(temp + m_name);
    } catch (const ViewFileError &) {
        // Nothing to show: the error box says why, the empty window goes.
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
        throw;
    }
    Memo1->setPlainText(m_text.text);
    setWindowTitle(viewCaption(name, m_text));
}

void TAsciview::Button1Click()
{
    close();
}

void TAsciview::Button2Click()
{
    if (Memo1->textCursor().hasSelection()) {
        Memo1->copy();
        return;
    }
    const QTextCursor before = Memo1->textCursor();
    Memo1->selectAll();
    Memo1->copy();
    Memo1->setTextCursor(before);
}

void TAsciview::Button3Click()
{
    QFont font = Memo1->font();
    if (Prompter::instance().chooseFont(font))
        setMemoFont(font);
}
