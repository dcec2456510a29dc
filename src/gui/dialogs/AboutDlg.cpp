#include "dialogs/AboutDlg.h"

#include "frame/LinkLabel.h"
#include "frame/MakerLinks.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

CAboutDlg::CAboutDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutDlg"));
    setWindowTitle(tr("About Tomelodex"));

    auto *icon = new QLabel(this);
    const QIcon programIcon = parent ? parent->windowIcon() : windowIcon();
    icon->setPixmap(programIcon.pixmap(64, 64));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto *name = new QLabel(
        tr("Tomelodex Version %1").arg(QStringLiteral(TOMELODEX_VERSION).section(u'.', 0, 1)),
        this);
    QFont bold = name->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    name->setFont(bold);
    auto *owner = new QLabel(tr("Copyright © 2003–2005 Brindlewood Software"), this);
    auto *maker = new CLinkLabel(QStringLiteral("www.brindlewood.example"),
                                 QString::fromLatin1(kMakerWebSite), this);
    maker->setObjectName(QStringLiteral("MakerLink"));
    auto *build = new QLabel(QStringLiteral("Unicode"), this);
    build->setObjectName(QStringLiteral("BuildKind"));
    build->setEnabled(false);

    auto *text = new QVBoxLayout;
    text->addWidget(name);
    text->addWidget(owner);
    text->addWidget(maker);
    text->addSpacing(6);
    text->addWidget(build);
    text->addStretch();

    auto *top = new QHBoxLayout;
    top->addWidget(icon);
    top->addSpacing(12);
    top->addLayout(text, 1);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
