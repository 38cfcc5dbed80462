// TFavorOptForm: the favourite folder list and the policy for the folder of
// an archive opened from elsewhere. Cancel puts back what the dialog found;
// Esc and the close button keep the folders changed so far.
#pragma once

#include "AmxDialog.h"

#include <string>
#include <vector>

class DiscoveryHost;
class QListWidget;
class QRadioButton;
class QTabWidget;

class TFavorOptForm : public AmxDialog
{
    Q_OBJECT
public:
    TFavorOptForm();

    void setHost(DiscoveryHost *host) { m_host = host; }

    void FormShow() override;

Q_SIGNALS:
    // OK: the favourites window lists the folders again.
    void applied();

private:
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void fillDirList();

    DiscoveryHost *m_host = nullptr;
    std::vector<std::string> m_savedFolders;
    int m_savedAddMode = 0;

    QTabWidget *PageControl1;
    QListWidget *DirList;
    QRadioButton *RadioButton1;
    QRadioButton *RadioButton2;
    QRadioButton *RadioButton3;
    QPushButton *Button1;
    QPushButton *Button2;
    QPushButton *Button3;
    QPushButton *Button4;
};
