#include "AboutUnit.h"

#include "AboutInfo.h"
#include "SettingsLink.h"

#include "AmxBlocks.h"
#include "Guard.h"
#include "Shell.h"
#include "Text.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel *label(const QString &text, const char *name, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    return l;
}

} // namespace

TAboutForm::TAboutForm()
    : AmxDialog(
        Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(tr("About Ambermox"));

    auto *picture = new QLabel(this);
    picture->setPixmap(QIcon::fromTheme(QStringLiteral("package-x-generic"),
        QIcon::fromTheme(QStringLiteral("application-x-archive")))
                           .pixmap(48, 48));
    auto *name = new QLabel(tr("Ambermox %1").arg(programVersion()), this);
    QFont big = name->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.5);
    name->setFont(big);
    auto *date = new QLabel(tr("Built %1").arg(QStringLiteral(__DATE__)), this);
    Label1 = label(QString(), "Label1", this);
    versions = label(tr("Add library %1, extract library %2")
                         .arg(loadedLibraryVersion("libamxzip.so", AMX_ZIP_VERSION_NAME),
                             loadedLibraryVersion("libamxunz.so", AMX_UNZ_VERSION_NAME)),
        "versions", this);

    Label7 = label(tr("Contact points are"), "Label7", this);
    Label8 = label(QStringLiteral("https://ambermox.example.org/"), "Label8", this);
    Label8->setCursor(Qt::PointingHandCursor);
    Label9 = label(tr("E-mail: authors@ambermox.example.org"), "Label9", this);
    Label6 = label(QString(), "Label6", this);
    Label10 = label(QString(), "Label10", this);
    Label11 = label(QString(), "Label11", this);

    auto *credits = new QGroupBox(tr("Credits"), this);
    auto *creditsLayout = new QVBoxLayout(credits);
    creditsLayout->addWidget(new QLabel(tr("Program by the Ambermox developers"), credits));
    creditsLayout->addWidget(new QLabel(
        tr("amxzip and amxunz compression libraries by the Ambermox developers"), credits));
    creditsLayout->addWidget(new QLabel(tr("See help for details..."), credits));
    creditsLayout->addWidget(Label10);

    Button1 = new QPushButton(tr("OK"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    Button2 = new QPushButton(tr("&FAQs"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setAutoDefault(false);
    Button3 = new QPushButton(tr("&Web Site"), this);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button3->setAutoDefault(false);

    auto *top = new QHBoxLayout;
    top->addWidget(picture);
    auto *titles = new QVBoxLayout;
    titles->addWidget(name);
    titles->addWidget(date);
    titles->addWidget(versions);
    top->addLayout(titles, 1);
    auto *buttons = new QHBoxLayout;
    // The empty labels only take part in the hover colouring: no frame of
    // their own, which would show as an empty box.
    buttons->addWidget(Label6);
    buttons->addWidget(Label11);
    buttons->addStretch(1);
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    buttons->addWidget(Button3);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Label1);
    layout->addWidget(Label7);
    layout->addWidget(Label8);
    layout->addWidget(Label9);
    layout->addWidget(credits);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    for (QLabel *hover : { Label6, Label7, Label8, Label9, Label10, Label11 }) {
        hover->setAttribute(Qt::WA_Hover);
        hover->installEventFilter(this);
    }
    connect(Button1, &QPushButton::clicked, this, &QDialog::close);
    connect(Button2, &QPushButton::clicked, this, guarded(this, &TAboutForm::Button2Click));
    connect(Button3, &QPushButton::clicked, this, guarded(this, &TAboutForm::Button3Click));
}

void TAboutForm::setLink(SettingsLink &link)
{
    m_link = &link;
    setOwner(link.ownerWindow());
}

void TAboutForm::FormShow()
{
    Button1->setFocus();
}

void TAboutForm::Button2Click()
{
    const QString folder = m_link ? qs(m_link->helpRoot()) : QString();
    Shell::instance().open(
        folder + QStringLiteral("help/faq.html"), folder + QStringLiteral("help/"));
}

void TAboutForm::Button3Click()
{
    const QString folder = m_link ? qs(m_link->helpRoot()) : QString();
    Shell::instance().open(folder + QStringLiteral("Visit Ambermox's Home Page.url"), folder);
}

void TAboutForm::colour(QLabel *label, Qt::GlobalColor colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

bool TAboutForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::HoverEnter || event->type() == QEvent::Enter) {
        if (watched == Label8) {
            colour(Label8, Qt::blue);
            colour(Label9, Qt::black);
        } else if (watched == Label9) {
            colour(Label9, Qt::blue);
            colour(Label8, Qt::black);
        } else if (watched == Label7) {
            colour(Label8, Qt::black);
        } else {
            colour(Label8, Qt::black);
            colour(Label9, Qt::black);
        }
    } else if (watched == Label8 && event->type() == QEvent::MouseButtonRelease) {
        guard([this] {
            Button3Click();
        });
    }
    return AmxDialog::eventFilter(watched, event);
}
