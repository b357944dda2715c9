#include "platform/qt/AboutBox.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/CAboutDlg.h"

namespace {

// The classic box measures 235 x 132 dialog units: 353 x 215 pixels with
// the usual 6 x 13 dialog base units.
constexpr int kBoxWidth = 353;
constexpr int kBoxHeight = 215;
constexpr int kIconSize = 32;

QPlainTextEdit* MakeNoticeBox(QWidget* pParent)
{
    auto* pNotice = new QPlainTextEdit(QString::fromUtf8(CAboutDlg::kNotice), pParent);
    pNotice->setReadOnly(true);
    pNotice->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    pNotice->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    return pNotice;
}

QLabel* MakeIcon(QWidget* pParent, const QIcon& icon)
{
    auto* pIcon = new QLabel(pParent);
    pIcon->setPixmap(icon.pixmap(kIconSize, kIconSize));
    pIcon->setFixedSize(kIconSize, kIconSize);
    return pIcon;
}

}  // namespace

AboutBox::AboutBox(QWidget* pParent, CAboutDlg& dlg, const QIcon& icon)
    : QDialog(pParent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setWindowTitle(QString::fromUtf8(CAboutDlg::kCaption));
    setFixedSize(kBoxWidth, kBoxHeight);

    auto* pOk = new QPushButton(QStringLiteral("OK"), this);
    pOk->setDefault(true);
    QObject::connect(pOk, &QPushButton::clicked, this, &QDialog::accept);
    auto* pVisit = new QPushButton(QString::fromUtf8(CAboutDlg::kVisitButton), this);
    pVisit->setAutoDefault(false);
    QObject::connect(pVisit, &QPushButton::clicked, this, [&dlg] { dlg.OnVisitWebSite(); });

    auto* pGrid = new QGridLayout(this);
    pGrid->addWidget(MakeIcon(this, icon), 0, 0, 2, 1, Qt::AlignCenter);
    pGrid->addWidget(new QLabel(QString::fromUtf8(CAboutDlg::kVersionLine), this), 0, 1);
    pGrid->addWidget(new QLabel(QString::fromUtf8(CAboutDlg::kSecondLine), this), 1, 1);
    pGrid->addWidget(pOk, 0, 2, Qt::AlignTop);
    pGrid->addWidget(MakeNoticeBox(this), 2, 0, 1, 3);
    pGrid->addWidget(pVisit, 3, 0, 1, 3, Qt::AlignHCenter);
    pGrid->setColumnStretch(1, 1);
    pGrid->setRowStretch(2, 1);

    pOk->setFocus();
}
