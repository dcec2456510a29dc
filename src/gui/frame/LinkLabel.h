#pragma once

#include <QLabel>

#include <functional>

// A label that opens a web address or file with the desktop's default
// program when clicked: blue while unvisited, purple once opened, red and
// underlined while the mouse is over it.
class CLinkLabel : public QLabel
{
    Q_OBJECT

public:
    explicit CLinkLabel(const QString &text, const QString &target = QString(),
                        QWidget *parent = nullptr);

    void SetTarget(const QString &target);
    // A click runs `action` instead of opening the target (a link within
    // the window).
    void SetAction(std::function<void()> action) { m_action = std::move(action); }
    QString Target() const { return m_target; }
    bool IsVisited() const { return m_visited; }

    // Opens the target; says why when the desktop cannot open it.
    bool Open();

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void UpdateLook();

    QString m_target;
    std::function<void()> m_action;
    bool m_visited = false;
    bool m_hover = false;
};
