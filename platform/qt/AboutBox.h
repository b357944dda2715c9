#pragma once
// The About box, laid out as the game's classic dialog: icon, version and
// a second line at the top, OK at the top right, the notice in a scrolling
// read-only box, and the web-site button below it, which leaves it open.
#include <QDialog>
#include <QIcon>

class CAboutDlg;

class AboutBox final : public QDialog {
public:
    AboutBox(QWidget* pParent, CAboutDlg& dlg, const QIcon& icon);
};
