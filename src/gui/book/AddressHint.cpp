#include "book/AddressHint.h"

#include <QLineEdit>
#include <QRegularExpression>

CAddressHint::CAddressHint(QLineEdit *field, std::function<bool(const QString &)> isAddress,
                           QWidget *parent)
    : QLabel(parent), m_field(field), m_isAddress(std::move(isAddress))
{
    setObjectName(field->objectName() + QStringLiteral("Hint"));
    setWordWrap(true);
    setTextFormat(Qt::PlainText);
    setForegroundRole(QPalette::PlaceholderText);
    hide();
    connect(field, &QLineEdit::textChanged, this, &CAddressHint::Update);
}

void CAddressHint::SetActive(bool active)
{
    m_active = active;
    Update();
}

QString CAddressHint::Completed(const QString &typed)
{
    // "www." and a host name with one more dot, up to the path; no scheme
    // ("www.example.org:8080" has none either, its colon is the port's).
    static const QRegularExpression webHost(
        QStringLiteral("^www\\.[^\\s/?#:.]+(\\.[^\\s/?#:.]+)+([:/?#]|$)"),
        QRegularExpression::CaseInsensitiveOption);
    const QString text = typed.trimmed();
    if (webHost.match(text).hasMatch())
        return QStringLiteral("https://") + text;
    return typed;
}

QString CAddressHint::Rule()
{
    return tr("An address starts with http:// or https://, e.g. https://www.example.org");
}

void CAddressHint::Update()
{
    const QString typed = m_field->text().trimmed();
    QString note;
    if (m_active && !typed.isEmpty()) {
        const QString completed = Completed(typed);
        if (completed != typed)
            note = tr("Taken as %1").arg(completed);
        else if (!m_isAddress(typed))
            note = Rule();
    }
    setText(note);
    setVisible(!note.isEmpty());
}
