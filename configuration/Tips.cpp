#include "Tips.h"

#include <QCoreApplication>

const QStringList &tipTexts()
{
    static const QStringList tips = {
        QCoreApplication::translate("Tips",
            "The Tip of the Day dialog box is normally displayed when you start "
            "Ambermox but are not automatically opening a Zip file. You can change this "
            "option so tips are never displayed, or always displayed when Ambermox is "
            "started."),
        QCoreApplication::translate("Tips",
            "If you turn the Tip of the Day off and later want to restore it, select "
            "Tip of the Day from the Ambermox Help pull-down menu, then select from the "
            "combo box at the bottom of the dialog box."),
        QCoreApplication::translate("Tips",
            "Ambermox's toolbar buttons look much better if your display is in "
            "high-color mode. "),
        QCoreApplication::translate("Tips",
            "For a Brief Tutorial on Ambermox, select Brief Tutorial from the Ambermox "
            "Help pull-down menu."),
        QCoreApplication::translate("Tips",
            "For answers to Frequently Asked Questions (FAQs), select Frequently Asked "
            "Questions from the Ambermox Help pull-down menu."),
        QCoreApplication::translate("Tips",
            "To display details about the open Zip file (for example, the date the Zip "
            "file was last modified or the name of the folder containing the Zip file), "
            "click on the Ambermox status line or select Properties from the Ambermox "
            "File menu."),
        QCoreApplication::translate("Tips",
            "You can interrupt an archive operation by clicking anywhere in the "
            "Ambermox window. This will activate the \"Operation Interrupted\" dialog "
            "box."),
        QCoreApplication::translate("Tips",
            "You can quickly extract files from a Zip file by dragging the files from "
            "Ambermox to any folder or Explorer window (or even to the desktop)."),
        QCoreApplication::translate("Tips",
            "You can quickly add files to a Zip file by dragging the files from any "
            "folder or Explorer window to Ambermox."),
        QCoreApplication::translate("Tips",
            "If you can't remember where you put your Zip files, you can use the "
            "Favorite Zip Folders feature to find them. Select Favorite Zip Folders "
            "from the Ambermox File menu."),
        QCoreApplication::translate("Tips",
            "You can easily view files in a Zip file by dragging them to an application "
            "or a shortcut to an application."),
    };
    return tips;
}

int nextTip(int current, int count)
{
    return current + 1 > count ? 1 : current + 1;
}

bool showTipAtStart(int tipOfTheDay, bool archiveNamed)
{
    return tipOfTheDay == 0 || (tipOfTheDay == 1 && !archiveNamed);
}
