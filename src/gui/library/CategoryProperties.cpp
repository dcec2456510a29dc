#include "library/CategoryProperties.h"

#include "app/StringTable.h"
#include "app/UserPrompt.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

QFrame *Separator(QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

QLineEdit *InfoEdit(QWidget *parent, const char *objectName)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(objectName));
    edit->setReadOnly(true);
    edit->setFrame(false);
    edit->setFocusPolicy(Qt::NoFocus);
    edit->setStyleSheet(QStringLiteral("background: transparent"));
    return edit;
}

} // namespace

CCategoryProperties::CCategoryProperties(const QString &caption, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CategoryProperties"));
    setWindowTitle(caption);

    m_nameEdit = new QLineEdit(this);
    m_nameEdit->setObjectName(QStringLiteral("Name"));
    m_containsEdit = InfoEdit(this, "Contains");
    m_updatedEdit = InfoEdit(this, "LastUpdated");
    m_notesEdit = new QPlainTextEdit(this);
    m_notesEdit->setObjectName(QStringLiteral("Notes"));
    m_notesEdit->setTabChangesFocus(true);
    m_containsLabel = new QLabel(tr("Contains:"), this);
    m_updatedLabel = new QLabel(tr("Last Updated:"), this);

    auto *form = new QFormLayout;
    form->addRow(tr("&Name:"), m_nameEdit);
    form->addRow(Separator(this));
    form->addRow(m_containsLabel, m_containsEdit);
    form->addRow(m_updatedLabel, m_updatedEdit);
    form->addRow(Separator(this));
    auto *notesLabel = new QLabel(tr("N&otes:"), this);
    notesLabel->setBuddy(m_notesEdit);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CCategoryProperties::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CCategoryProperties::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(notesLabel);
    layout->addWidget(m_notesEdit, 1);
    layout->addWidget(buttons);
    resize(380, 340);
    SetTexts(QString(), QString());
}

void CCategoryProperties::SetInfoLine(QLabel *label, QLineEdit *edit, const QString &text)
{
    edit->setText(text);
    edit->setEnabled(!text.isEmpty());
    label->setEnabled(!text.isEmpty());
}

void CCategoryProperties::SetTexts(const QString &name, const QString &notes,
                                   const QString &contains, const QString &lastUpdated)
{
    m_nameEdit->setText(name);
    m_notesEdit->setPlainText(notes);
    SetInfoLine(m_containsLabel, m_containsEdit, contains);
    SetInfoLine(m_updatedLabel, m_updatedEdit, lastUpdated);
    m_name = name;
    m_notes = notes;
}

void CCategoryProperties::accept()
{
    const QString name = m_nameEdit->text().trimmed();
    // Blank lines around the notes go; those inside stay.
    const QString notes = m_notesEdit->toPlainText().trimmed();
    if (name.isEmpty()) {
        ShowMessage(LoadString(165), MsgIcon::Warning);
        m_nameEdit->setText(name);
        m_notesEdit->setPlainText(notes);
        m_nameEdit->setFocus();
        return;
    }
    m_name = name;
    m_notes = notes;
    QDialog::accept();
}
