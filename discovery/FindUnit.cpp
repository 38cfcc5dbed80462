#include "FindUnit.h"

#include "DiscoveryHost.h"

#include "Guard.h"
#include "Prompter.h"

#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QSpinBox *spin(const char *name, int low, int high, QWidget *parent)
{
    auto *box = new QSpinBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(low, high);
    return box;
}

QLabel *labelFor(const QString &text, QWidget *buddy)
{
    auto *label = new QLabel(text, buddy->parentWidget());
    label->setBuddy(buddy);
    return label;
}

} // namespace

TFindForm::TFindForm()
    : AmxDialog(
        Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("FindForm"));
    setWindowTitle(tr("Find file(s)"));
    setModal(true);

    TabNote = new QTabWidget(this);
    TabNote->setUsesScrollButtons(false);
    TabNote->setObjectName(QStringLiteral("TabNote"));

    auto *scope = new QWidget(TabNote);
    FType = new QLineEdit(scope);
    FType->setObjectName(QStringLiteral("FType"));
    auto *scopeLayout = new QGridLayout(scope);
    scopeLayout->addWidget(labelFor(tr("File &type:"), FType), 0, 0);
    scopeLayout->addWidget(FType, 0, 1);
    scopeLayout->setRowStretch(1, 1);
    TabNote->addTab(scope, tr("Scope"));

    auto *date = new QWidget(TabNote);
    RadioButton1 = new QRadioButton(tr("&All Dates"), date);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton2 = new QRadioButton(tr("&Find Files created or modified "), date);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    Day1 = spin("Day1", 1, 31, date);
    Month1 = spin("Month1", 1, 12, date);
    Year1 = spin("Year1", 1960, 2060, date);
    Day2 = spin("Day2", 1, 31, date);
    Month2 = spin("Month2", 1, 12, date);
    Year2 = spin("Year2", 1960, 2060, date);
    auto *dateLayout = new QGridLayout(date);
    dateLayout->addWidget(RadioButton1, 0, 0, 1, 4);
    dateLayout->addWidget(RadioButton2, 1, 0, 1, 4);
    dateLayout->addWidget(new QLabel(tr("Between"), date), 2, 1);
    dateLayout->addWidget(new QLabel(tr("and"), date), 2, 3);
    dateLayout->addWidget(labelFor(tr("&Day:"), Day1), 3, 0);
    dateLayout->addWidget(Day1, 3, 1);
    dateLayout->addWidget(labelFor(tr("&Month:"), Month1), 4, 0);
    dateLayout->addWidget(Month1, 4, 1);
    dateLayout->addWidget(labelFor(tr("Y&ear:"), Year1), 5, 0);
    dateLayout->addWidget(Year1, 5, 1);
    dateLayout->addWidget(labelFor(tr("Da&y:"), Day2), 3, 2);
    dateLayout->addWidget(Day2, 3, 3);
    dateLayout->addWidget(labelFor(tr("M&onth:"), Month2), 4, 2);
    dateLayout->addWidget(Month2, 4, 3);
    dateLayout->addWidget(labelFor(tr("Yea&r:"), Year2), 5, 2);
    dateLayout->addWidget(Year2, 5, 3);
    TabNote->addTab(date, tr("Date"));

    auto *size = new QWidget(TabNote);
    RadioButton3 = new QRadioButton(tr("&All sizes"), size);
    RadioButton3->setObjectName(QStringLiteral("RadioButton3"));
    RadioButton4 = new QRadioButton(tr("&Find  file size in the range"), size);
    RadioButton4->setObjectName(QStringLiteral("RadioButton4"));
    MaskEdit1 = new QLineEdit(size);
    MaskEdit1->setObjectName(QStringLiteral("MaskEdit1"));
    // Up to fifteen digits, grouped by the user with ',' or '.' as they like.
    MaskEdit1->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9 ,.]{0,19}")), MaskEdit1));
    MaskEdit1->setMaxLength(19);
    ComboBox1 = new QComboBox(size);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->addItems({ tr("Below (<=)"), tr("Above (>=)"), tr("Exact (=)") });
    auto *sizeLayout = new QGridLayout(size);
    sizeLayout->addWidget(RadioButton3, 0, 0, 1, 3);
    sizeLayout->addWidget(RadioButton4, 1, 0, 1, 3);
    sizeLayout->addWidget(ComboBox1, 2, 0);
    sizeLayout->addWidget(MaskEdit1, 2, 1);
    sizeLayout->addWidget(new QLabel(tr("bytes"), size), 2, 2);
    sizeLayout->setRowStretch(3, 1);
    TabNote->addTab(size, tr("Size"));

    layOutWithButtons(TabNote, tr("&OK"), Button1, Button2);

    connect(RadioButton2, &QRadioButton::toggled, this, [this](bool on) {
        for (QSpinBox *box : { Day1, Month1, Year1, Day2, Month2, Year2 })
            box->setEnabled(on);
    });
    connect(RadioButton4, &QRadioButton::toggled, this, [this](bool on) {
        MaskEdit1->setEnabled(on);
        ComboBox1->setEnabled(on);
    });
    connect(Button1, &QPushButton::clicked, this, guarded(this, &TFindForm::Button1Click));
    connect(Button2, &QPushButton::clicked, this, &QWidget::close);
    RadioButton2->setChecked(true); // so that the first show's check disables the fields
    RadioButton4->setChecked(true);
}

void TFindForm::FormShow()
{
    TabNote->setCurrentIndex(0);
    FType->setText(QStringLiteral("*.*"));
    RadioButton1->setChecked(true);
    const QDate today = QDate::currentDate();
    for (QSpinBox *box : { Day1, Day2 })
        box->setValue(today.day());
    for (QSpinBox *box : { Month1, Month2 })
        box->setValue(today.month());
    for (QSpinBox *box : { Year1, Year2 })
        box->setValue(today.year());
    ComboBox1->setCurrentIndex(0);
    RadioButton3->setChecked(true);
    FType->setFocus();
}

FindCriteria TFindForm::criteria() const
{
    FindCriteria c;
    c.pattern = FType->text().toStdString();
    c.dateTest = RadioButton2->isChecked();
    c.start = { Year1->value(), Month1->value(), Day1->value() };
    c.end = { Year2->value(), Month2->value(), Day2->value() };
    c.sizeTest = RadioButton4->isChecked();
    c.bound = parseSizeBound(MaskEdit1->text().toStdString());
    c.compare = static_cast<SizeCompare>(std::max(0, ComboBox1->currentIndex()));
    return c;
}

void TFindForm::Button1Click()
{
    if (!m_host)
        return;
    DiscoveryHost *host = m_host;
    const FindResult result = findRows(
        host->listRowCount(),
        [host](size_t i) {
            return host->listRow(i);
        },
        criteria());
    m_host->selectRows(result.matches);
    if (!result.error.empty()) {
        // The rows before the bad date stay selected and the dialog stays open.
        Prompter::instance().error(QString::fromStdString(result.error));
        return;
    }
    close();
}
