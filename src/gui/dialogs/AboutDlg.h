#pragma once

#include <QDialog>

// The About box: the program's icon, name and version, its owner and the
// maker's web address.
class CAboutDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget *parent = nullptr);
};
