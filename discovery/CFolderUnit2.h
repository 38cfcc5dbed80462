// The Extract dialog's "Create Folder" window.
#pragma once

#include "CFolderUnit1.h"

class TExtractForm;

class TNFolderForm2 : public CreateFolderForm
{
    Q_OBJECT
public:
    // Also enables and wires the Extract dialog's "&New Folder...".
    explicit TNFolderForm2(TExtractForm &extract);
    void FormShow() override;

protected:
    void Button1Click() override;

private:
    TExtractForm &m_extract;
};
