// TSearchForm: rebuilds the favourite folder list, by walking volumes for
// folders that hold archives or from one archive picked by hand. The walk
// runs beside the window, which shows its counters and can stop it.
#pragma once

#include "DiskSearch.h"

#include "AmxDialog.h"

#include <QStringList>

#include <memory>

class DiscoveryHost;
class QComboBox;
class QLabel;
class QProgressBar;
class QRadioButton;
class QThread;
class QTimer;

// The roots of the local, non-removable volumes, "/" first.
QStringList fixedVolumeRoots();

class TSearchForm : public AmxDialog
{
    Q_OBJECT
public:
    TSearchForm();
    ~TSearchForm() override;

    void setHost(DiscoveryHost *host) { m_host = host; }
    bool searching() const { return m_thread != nullptr; }

    void FormShow() override;

Q_SIGNALS:
    // The folder list was rebuilt: the favourites window lists it again.
    void searched();

protected:
    void escapePressed() override;
    void closeEvent(QCloseEvent *event) override;

private:
    void Button1Click();
    void Button2Click();
    void startWalk(const QStringList &roots);
    void showProgress();
    void walkFinished();

    DiscoveryHost *m_host = nullptr;
    std::vector<std::string> m_found;
    std::unique_ptr<DiskSearch> m_search;
    QThread *m_thread = nullptr;
    QTimer *m_repaint;

    QLabel *Label1;
    QRadioButton *SAll;
    QRadioButton *SDisk;
    QComboBox *ComboBox1;
    QRadioButton *SMan;
    QLabel *Label2;
    QLabel *Label3;
    QProgressBar *Animate1;
    QPushButton *Button1;
    QPushButton *Button2;
};
