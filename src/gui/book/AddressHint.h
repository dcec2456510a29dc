#pragma once

#include <QLabel>

#include <functional>

class QLineEdit;

// A note under a field where a web address is typed. An address typed
// without its scheme ("www.example.org/author") is taken as a secure web
// address ("https://www.example.org/author"), and the note says so while
// it is typed; a text that is no address gets the note saying what an
// address is. The note is hidden while there is nothing to say.
class CAddressHint : public QLabel
{
    Q_OBJECT

public:
    // `isAddress` tells the texts the field takes as they are.
    CAddressHint(QLineEdit *field, std::function<bool(const QString &)> isAddress,
                 QWidget *parent = nullptr);

    // Whether the field holds an address now (a link of another kind does
    // not); an inactive hint says nothing.
    void SetActive(bool active);

    // `typed` trimmed, with "https://" before it, when it starts with a web
    // host name ("www.") and names no scheme; otherwise `typed` as it is.
    static QString Completed(const QString &typed);
    // What a valid address is, for the note and for messages.
    static QString Rule();

private:
    void Update();

    QLineEdit *m_field;
    std::function<bool(const QString &)> m_isAddress;
    bool m_active = true;
};
