#pragma once

#include <QDialog>

class QMenuBar;

// Help Topics: every command of the menus with its keys and what it does,
// read from the window's own menus so it never differs from them.
class CHelpTopicsDlg : public QDialog
{
    Q_OBJECT

public:
    CHelpTopicsDlg(const QMenuBar &menus, QWidget *parent = nullptr);
};
