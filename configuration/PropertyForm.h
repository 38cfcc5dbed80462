// What the two properties windows share: caption/value label pairs and an
// OK button that closes them.
#pragma once

#include "AmxDialog.h"

#include <QStringList>

#include <vector>

class QLabel;
class QPushButton;

class PropertyForm : public AmxDialog
{
    Q_OBJECT
public:
    PropertyForm(const QString &title, const QStringList &captions, QWidget *owner);

    // The values in the order of the captions.
    void setValues(const QStringList &values);
    QStringList values() const;

    QPushButton *Button1;
    // The second button: hidden unless a window gives it a use.
    QPushButton *Button2 = nullptr;

protected:
    std::vector<QLabel *> m_values;
};
