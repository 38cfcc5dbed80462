#include "PropertyForm.h"

#include <QFormLayout>
#include <QLabel>
#include <QPushButton>

PropertyForm::PropertyForm(const QString &title, const QStringList &captions, QWidget *owner)
    : AmxDialog(Qt::Dialog)
{
    setWindowTitle(title);
    auto *controls = new QWidget(this);
    auto *form = new QFormLayout(controls);
    for (const QString &caption : captions) {
        auto *value = new QLabel(controls);
        // Names from an archive or the disk are shown as they are, never as markup.
        value->setTextFormat(Qt::PlainText);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        value->setMinimumWidth(220);
        form->addRow(caption, value);
        m_values.push_back(value);
    }
    layOutWithButtons(controls, tr("OK"), Button1, Button2);
    if (Button2)
        Button2->hide();
    connect(Button1, &QPushButton::clicked, this, &QWidget::close);
    setOwner(owner);
}

void PropertyForm::setValues(const QStringList &values)
{
    for (size_t i = 0; i < m_values.size() && i < static_cast<size_t>(values.size()); ++i)
        m_values[i]->setText(values[static_cast<qsizetype>(i)]);
}

QStringList PropertyForm::values() const
{
    QStringList out;
    for (const QLabel *value : m_values)
        out << value->text();
    return out;
}
